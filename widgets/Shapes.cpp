#include "widgets/Shapes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "widgets/Accessibility.h"

namespace sim {

TShape::TShape(QWidget* parent, Kind kind, QColor fill, QColor outline)
    : QWidget(parent), kind_(kind), fill_(fill), outline_(outline) {
    SetAccessibleRole(this, QAccessible::Graphic);
    if (kind_ == Kind::Circle) {
        setAttribute(Qt::WA_TranslucentBackground);
    }
}

void TShape::SetFill(QColor fill) {
    if (fill != fill_) {
        fill_ = fill;
        update();
    }
}

void TShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(outline_, 1));
    painter.setBrush(fill_);
    // The outline runs inside the bounds, on the last row and column too.
    const QRect box = rect().adjusted(0, 0, -1, -1);
    if (kind_ == Kind::Circle) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(box);
    } else {
        painter.drawRect(box);
    }
}

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    InstallAccessibleFactory();
    // Reached by Tab only: a click on an arrow leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const bool up : {true, false}) {
        auto* arrow = new QToolButton(this);
        arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAutoRepeat(true);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setObjectName(up ? "Up" : "Down");
        connect(arrow, &QToolButton::clicked, this, [this, up] { emit Clicked(up); });
        layout->addWidget(arrow);
    }
}

void TUpDown::SetBuddy(QLineEdit* buddy, int minimum, int maximum, int step) {
    buddy_ = buddy;
    minimum_ = minimum;
    maximum_ = maximum;
    step_ = std::max(step, 1);
    connect(buddy_, &QLineEdit::textChanged, this,
            [this] { NotifyAccessibleValue(this, static_cast<double>(Value())); });
}

int TUpDown::Value() const {
    return buddy_ != nullptr ? buddy_->text().trimmed().toInt() : 0;
}

void TUpDown::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            Press(true);
            return;
        case Qt::Key_Down:
            Press(false);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace sim
