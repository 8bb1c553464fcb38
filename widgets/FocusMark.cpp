#include "widgets/FocusMark.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

namespace sim {

namespace {

// Fills a frame of the given width just inside outer.
void FillFrame(QPainter& painter, const QRect& outer, int width, const QColor& colour) {
    const QRect inner = outer.adjusted(width, width, -width, -width);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), colour);
    painter.fillRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), width), colour);
    painter.fillRect(QRect(outer.left(), inner.top(), width, inner.height()), colour);
    painter.fillRect(QRect(inner.right() + 1, inner.top(), width, inner.height()), colour);
}

}  // namespace

TFocusMark::TFocusMark(QWidget* host) : QWidget(host), host_(host) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    // Focus changes and mouse presses of every control of the window pass here.
    qApp->installEventFilter(this);
}

TFocusMark::~TFocusMark() {
    qApp->removeEventFilter(this);
}

void TFocusMark::RingTogether(QWidget* control, QWidget* companion) {
    companions_[control] = companion;
}

QWidget* TFocusMark::Marked() const {
    return isHidden() ? nullptr : focused_.data();
}

bool TFocusMark::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::FocusIn:
            if (host_->isAncestorOf(widget)) {
                switch (handing_ ? Qt::ActiveWindowFocusReason
                                 : static_cast<QFocusEvent*>(event)->reason()) {
                    case Qt::MouseFocusReason:
                        keyboardLeads_ = false;
                        break;
                    case Qt::ActiveWindowFocusReason:
                    case Qt::PopupFocusReason:
                    case Qt::MenuBarFocusReason:
                        // The window comes back as it was left.
                        break;
                    default:
                        keyboardLeads_ = true;
                        break;
                }
                Follow(widget);
            }
            break;
        case QEvent::FocusOut:
            if (widget == focused_) {
                Follow(nullptr);
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (widget->window() == host_->window() && keyboardLeads_) {
                keyboardLeads_ = false;
                Update();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (focused_ != nullptr && (widget == focused_ || IsCompanion(widget))) {
                Update();
            }
            break;
        default:
            break;
    }
    return false;
}

void TFocusMark::HandFocus(QWidget* control) {
    handing_ = true;
    control->setFocus(Qt::OtherFocusReason);
    handing_ = false;
}

bool TFocusMark::IsCompanion(const QWidget* widget) const {
    const auto it = companions_.find(focused_);
    return it != companions_.end() && it->second == widget;
}

void TFocusMark::Follow(QWidget* focused) {
    focused_ = focused;
    Update();
}

void TFocusMark::Update() {
    QWidget* focused = focused_;
    if (!keyboardLeads_ || focused == nullptr || focused->isHidden()) {
        hide();
        return;
    }
    QRect area(focused->mapTo(host_, QPoint(0, 0)), focused->size());
    if (const auto it = companions_.find(focused);
        it != companions_.end() && it->second != nullptr && !it->second->isHidden()) {
        area |= QRect(it->second->mapTo(host_, QPoint(0, 0)), it->second->size());
    }
    setGeometry(area.adjusted(-kReach, -kReach, kReach, kReach));
    raise();
    show();
    update();
}

void TFocusMark::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect ring = rect();
    FillFrame(painter, ring, kEdge, Qt::black);
    FillFrame(painter, ring.adjusted(kEdge, kEdge, -kEdge, -kEdge), kBand, kGold);
    const int inner = kEdge + kBand;
    FillFrame(painter, ring.adjusted(inner, inner, -inner, -inner), kEdge, Qt::black);
}

}  // namespace sim
