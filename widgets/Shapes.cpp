#include "widgets/Shapes.h"

#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace sim {

TShape::TShape(QWidget* parent, Kind kind, QColor fill, QColor outline)
    : QWidget(parent), kind_(kind), fill_(fill), outline_(outline) {
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

}  // namespace sim
