#pragma once

#include <QList>
#include <QPoint>

#include <vector>

#include "physics/ApparatusModel.h"

class QEvent;
class QWidget;

namespace sim {

class DragGhost;

// The hand-made drag within a panel: the left button takes a draggable item, every move asks
// the item under the pointer whether it takes it and shows the answer with a ghost and the
// pointer's shape, and the release drops it there. The items are the owner's records, known
// here by their bounds; the owner decides what may be taken, what takes it and what a drop does.
class PanelDrag {
  public:
    class Owner {
      public:
        virtual ~Owner() = default;
        // The panel's items, bottom first, and the widget that shows each.
        virtual std::vector<PanelItem*> StackedItems() const = 0;
        virtual const QWidget* ItemWidget(const PanelItem& item) const = 0;
        virtual bool CanTake(const PanelItem& item) const = 0;
        // X, Y: the pointer in the target's own pixels.
        virtual bool Accepts(const PanelItem& target, const PanelItem& dragged, int X, int Y) = 0;
        virtual void Drop(PanelItem& target, PanelItem& dragged, int X, int Y) = 0;
        // Whether an accepted item lands on the target's corner rather than at the pointer.
        virtual bool SnapsToTarget(const PanelItem& dragged) const = 0;

      protected:
        Owner() = default;
        Owner(const Owner&) = default;
        Owner& operator=(const Owner&) = default;
    };

    // Over a caption box no item takes a drop.
    PanelDrag(QWidget* panel, Owner& owner, QList<QWidget*> captionBoxes);

    // A mouse event on the widget of an item; true when the drag used it. The owner shows the
    // records' changes afterwards.
    bool MouseEvent(PanelItem& item, QWidget* widget, QEvent* event);

    // Ends a drag without a drop. The owner calls it when a dialog is about to take the mouse:
    // the toolkit gives the release that comes meanwhile to nobody, and the drag would go on.
    void Cancel();

    // The topmost shown item under a point of the panel.
    PanelItem* ItemAt(QPoint panelPos) const;

    // A drop made without the pointer, as the keyboard places an item: the same questions to the
    // owner as a release of the button at panelPos, so it is refused where that would be.
    enum class Placing { NotTaken, Refused, Dropped };
    // Onto the topmost item under panelPos, as a release there.
    Placing DropAt(PanelItem& dragged, QPoint panelPos);
    // Onto a given target, released at panelPos (a source onto its marker).
    Placing DropOnto(PanelItem& dragged, PanelItem& target, QPoint panelPos);
    const PanelItem* Dragged() const { return dragged_; }
    DragGhost* Ghost() const { return ghost_; }

  private:
    // Asks the item under the pointer whether it takes the dragged item; shows the answer.
    bool UpdateDrag(QPoint panelPos, PanelItem** target);
    void FinishDrag(QPoint panelPos);

    QWidget* panel_;
    Owner& owner_;
    QList<QWidget*> captionBoxes_;
    PanelItem* dragged_ = nullptr;
    DragGhost* ghost_;
};

}  // namespace sim
