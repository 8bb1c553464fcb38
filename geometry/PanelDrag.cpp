#include "geometry/PanelDrag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

#include "geometry/DragGhost.h"

namespace sim {

PanelDrag::PanelDrag(QWidget* panel, Owner& owner, QList<QWidget*> captionBoxes)
    : panel_(panel),
      owner_(owner),
      captionBoxes_(std::move(captionBoxes)),
      ghost_(new DragGhost(panel)) {}

PanelItem* PanelDrag::ItemAt(QPoint panelPos) const {
    for (const QWidget* box : captionBoxes_) {
        if (box->geometry().contains(panelPos)) {
            return nullptr;
        }
    }
    const std::vector<PanelItem*> stack = owner_.StackedItems();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        const QWidget* widget = owner_.ItemWidget(**it);
        if (widget != nullptr && !widget->isHidden() && widget->geometry().contains(panelPos)) {
            return *it;
        }
    }
    return nullptr;
}

bool PanelDrag::UpdateDrag(QPoint panelPos, PanelItem** target) {
    *target = ItemAt(panelPos);
    bool accepted = false;
    if (*target != nullptr) {
        accepted = owner_.Accepts(**target, *dragged_, panelPos.x() - (*target)->Left,
                                  panelPos.y() - (*target)->Top);
    }
    // Show where the item would land: one that snaps takes the target's corner, any other puts
    // its top-left corner at the pointer.
    QRect landing(panelPos, QSize(dragged_->Width, dragged_->Height));
    if (accepted && owner_.SnapsToTarget(*dragged_)) {
        landing.moveTopLeft(QPoint((*target)->Left, (*target)->Top));
    }
    ghost_->ShowAt(landing, accepted);
    QGuiApplication::changeOverrideCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    return accepted;
}

void PanelDrag::FinishDrag(QPoint panelPos) {
    PanelItem* target = nullptr;
    const bool accepted = UpdateDrag(panelPos, &target);
    PanelItem* dragged = std::exchange(dragged_, nullptr);
    ghost_->hide();
    QGuiApplication::restoreOverrideCursor();
    // The item may have become fixed while the button was held (a count began): it stays.
    if (accepted && owner_.CanTake(*dragged)) {
        owner_.Drop(*target, *dragged, panelPos.x() - target->Left, panelPos.y() - target->Top);
    }
}

void PanelDrag::Cancel() {
    if (dragged_ == nullptr) {
        return;
    }
    dragged_ = nullptr;
    ghost_->hide();
    QGuiApplication::restoreOverrideCursor();
}

PanelDrag::Placing PanelDrag::DropAt(PanelItem& dragged, QPoint panelPos) {
    if (dragged_ != nullptr || !owner_.CanTake(dragged)) {
        return Placing::NotTaken;
    }
    PanelItem* target = ItemAt(panelPos);
    if (target == nullptr) {
        return Placing::Refused;
    }
    return DropOnto(dragged, *target, panelPos);
}

PanelDrag::Placing PanelDrag::DropOnto(PanelItem& dragged, PanelItem& target, QPoint panelPos) {
    // Not while the pointer holds an item.
    if (dragged_ != nullptr || !owner_.CanTake(dragged)) {
        return Placing::NotTaken;
    }
    const int x = panelPos.x() - target.Left;
    const int y = panelPos.y() - target.Top;
    if (!owner_.Accepts(target, dragged, x, y)) {
        return Placing::Refused;
    }
    owner_.Drop(target, dragged, x, y);
    return Placing::Dropped;
}

bool PanelDrag::MouseEvent(PanelItem& item, QWidget* widget, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint panelPos = widget->mapTo(panel_, mouse->position().toPoint());
    PanelItem* target = nullptr;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() != Qt::LeftButton || !owner_.CanTake(item) || dragged_ != nullptr) {
                return false;
            }
            dragged_ = &item;
            QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
            UpdateDrag(panelPos, &target);
            return true;
        case QEvent::MouseMove:
            if (dragged_ == nullptr) {
                return false;
            }
            UpdateDrag(panelPos, &target);
            return true;
        case QEvent::MouseButtonRelease:
            if (mouse->button() != Qt::LeftButton || dragged_ == nullptr) {
                return false;
            }
            FinishDrag(panelPos);
            return true;
        default:
            return false;
    }
}

}  // namespace sim
