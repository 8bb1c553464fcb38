#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "geometry/DragGhost.h"
#include "geometry/PanelDrag.h"

namespace sim {
namespace {

struct Asked {
    const PanelItem* target;
    const PanelItem* dragged;
    int x;
    int y;
};

// A panel of three items, bottom first: a wide base, a target and a small item to drag.
class PanelDragTest : public ::testing::Test, public PanelDrag::Owner {
  protected:
    PanelDragTest() {
        panel.resize(400, 300);
        for (PanelItem* item : {&base, &target, &dragged}) {
            auto* widget = new QWidget(&panel);
            widget->setGeometry(item->Left, item->Top, item->Width, item->Height);
            widgets[item] = widget;
        }
        caption = new QWidget(&panel);
        caption->setGeometry(110, 70, 10, 10);
        drag = std::make_unique<PanelDrag>(&panel, *this, QList<QWidget*>{caption});
    }
    ~PanelDragTest() override {
        while (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::restoreOverrideCursor();
        }
    }

    std::vector<PanelItem*> StackedItems() const override { return stack; }
    const QWidget* ItemWidget(const PanelItem& item) const override { return widgets.at(&item); }
    bool CanTake(const PanelItem& item) const override { return &item == &dragged && takeable; }
    bool Accepts(const PanelItem& t, const PanelItem& d, int X, int Y) override {
        asked.push_back({&t, &d, X, Y});
        return accept;
    }
    void Drop(PanelItem& t, PanelItem& d, int X, int Y) override { dropped = Asked{&t, &d, X, Y}; }
    bool SnapsToTarget(const PanelItem& d) const override { return &d == &dragged && snaps; }

    // A mouse event on the dragged item's widget, at a point of the panel.
    bool Mouse(QEvent::Type type, QPoint panelPos, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* widget = widgets.at(&dragged);
        const QPointF local = widget->mapFrom(&panel, panelPos);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, local, widget->mapToGlobal(local), button, held, Qt::NoModifier);
        return drag->MouseEvent(dragged, widget, &event);
    }
    Qt::CursorShape Cursor() const {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        return cursor != nullptr ? cursor->shape() : Qt::BlankCursor;
    }

    QWidget panel;
    PanelItem base{0, 0, 400, 300, 0};
    PanelItem target{100, 60, 40, 40, 1};
    PanelItem dragged{300, 200, 20, 10, 2};
    std::vector<PanelItem*> stack{&base, &target, &dragged};
    std::map<const PanelItem*, QWidget*> widgets;
    QWidget* caption = nullptr;
    std::unique_ptr<PanelDrag> drag;

    bool takeable = true;
    bool accept = true;
    bool snaps = false;
    std::vector<Asked> asked;
    std::optional<Asked> dropped;
};

TEST_F(PanelDragTest, TheTargetIsTheTopmostShownItemNotUnderACaption) {
    EXPECT_EQ(drag->ItemAt({130, 90}), &target);
    EXPECT_EQ(drag->ItemAt({99, 90}), &base) << "just left of the target";
    EXPECT_EQ(drag->ItemAt({115, 75}), nullptr) << "the caption box shields what lies under it";
    EXPECT_EQ(drag->ItemAt({500, 90}), nullptr);

    widgets.at(&target)->hide();
    EXPECT_EQ(drag->ItemAt({130, 90}), &base);
    widgets.at(&target)->show();
    stack = {&target, &base, &dragged};
    EXPECT_EQ(drag->ItemAt({130, 90}), &base) << "the stacking, not the widgets, decides";
}

TEST_F(PanelDragTest, AnAcceptedDropGetsThePointerInTheTargetsPixels) {
    ASSERT_TRUE(Mouse(QEvent::MouseButtonPress, {305, 205}));
    EXPECT_EQ(drag->Dragged(), &dragged);
    // Pressed on itself: the item under the pointer is the dragged one.
    ASSERT_EQ(asked.size(), 1U);
    EXPECT_EQ(asked[0].target, &dragged);
    EXPECT_EQ(asked[0].x, 5);
    EXPECT_EQ(asked[0].y, 5);

    ASSERT_TRUE(Mouse(QEvent::MouseMove, {130, 80}));
    EXPECT_EQ(asked.back().target, &target);
    EXPECT_EQ(asked.back().x, 30);
    EXPECT_EQ(asked.back().y, 20);
    EXPECT_TRUE(drag->Ghost()->isVisibleTo(&panel));
    EXPECT_EQ(drag->Ghost()->geometry(), QRect(130, 80, 20, 10)) << "its corner at the pointer";
    EXPECT_EQ(Cursor(), Qt::DragMoveCursor);

    ASSERT_TRUE(Mouse(QEvent::MouseButtonRelease, {132, 81}));
    ASSERT_TRUE(dropped.has_value());
    EXPECT_EQ(dropped->target, &target);
    EXPECT_EQ(dropped->dragged, &dragged);
    EXPECT_EQ(dropped->x, 32);
    EXPECT_EQ(dropped->y, 21);
    EXPECT_EQ(drag->Dragged(), nullptr);
    EXPECT_FALSE(drag->Ghost()->isVisibleTo(&panel));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Mouse(QEvent::MouseMove, {140, 90})) << "no drag after the release";
}

TEST_F(PanelDragTest, AnItemThatSnapsIsShownOnTheTargetsCorner) {
    snaps = true;
    Mouse(QEvent::MouseButtonPress, {305, 205});
    Mouse(QEvent::MouseMove, {130, 80});
    EXPECT_EQ(drag->Ghost()->geometry(), QRect(100, 60, 20, 10));

    // Where nothing takes it, it is shown at the pointer, snapping or not.
    accept = false;
    Mouse(QEvent::MouseMove, {131, 81});
    EXPECT_EQ(drag->Ghost()->geometry(), QRect(131, 81, 20, 10));
    EXPECT_EQ(Cursor(), Qt::ForbiddenCursor);
}

TEST_F(PanelDragTest, ARefusedPlaceDropsNothing) {
    accept = false;
    Mouse(QEvent::MouseButtonPress, {305, 205});
    Mouse(QEvent::MouseMove, {130, 80});
    ASSERT_TRUE(Mouse(QEvent::MouseButtonRelease, {130, 80}));
    EXPECT_FALSE(dropped.has_value());
    EXPECT_EQ(drag->Dragged(), nullptr);

    // Released over a caption box: nothing is asked, nothing dropped.
    accept = true;
    asked.clear();
    Mouse(QEvent::MouseButtonPress, {305, 205});
    Mouse(QEvent::MouseButtonRelease, {115, 75});
    EXPECT_EQ(asked.size(), 1U) << "only the press, over the item itself";
    EXPECT_FALSE(dropped.has_value());
}

// An item that the owner fixes while the button is held (a count begins) is not dropped; the
// drag still ends.
TEST_F(PanelDragTest, AnItemFixedDuringTheDragStaysWhereItWas) {
    ASSERT_TRUE(Mouse(QEvent::MouseButtonPress, {305, 205}));
    Mouse(QEvent::MouseMove, {130, 80});
    takeable = false;
    ASSERT_TRUE(Mouse(QEvent::MouseButtonRelease, {130, 80}));
    EXPECT_FALSE(dropped.has_value());
    EXPECT_EQ(drag->Dragged(), nullptr);
    EXPECT_TRUE(drag->Ghost()->isHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A dialog took the mouse: the drag ends with nothing dropped, and a release that comes
// after all is not the drag's.
TEST_F(PanelDragTest, ACancelledDragEndsWithoutADrop) {
    ASSERT_TRUE(Mouse(QEvent::MouseButtonPress, {305, 205}));
    Mouse(QEvent::MouseMove, {130, 80});
    ASSERT_FALSE(drag->Ghost()->isHidden());
    drag->Cancel();
    EXPECT_EQ(drag->Dragged(), nullptr);
    EXPECT_TRUE(drag->Ghost()->isHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Mouse(QEvent::MouseButtonRelease, {130, 80}));
    EXPECT_FALSE(dropped.has_value());
    drag->Cancel();  // nothing to end
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(PanelDragTest, OnlyTheLeftButtonTakesOnlyATakeableItem) {
    EXPECT_FALSE(Mouse(QEvent::MouseButtonPress, {305, 205}, Qt::RightButton));
    EXPECT_EQ(drag->Dragged(), nullptr);
    takeable = false;
    EXPECT_FALSE(Mouse(QEvent::MouseButtonPress, {305, 205}));
    EXPECT_EQ(drag->Dragged(), nullptr);
    EXPECT_FALSE(Mouse(QEvent::MouseMove, {130, 80}));
    EXPECT_FALSE(Mouse(QEvent::MouseButtonRelease, {130, 80}));
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // A right release during a drag is not the drag's.
    takeable = true;
    ASSERT_TRUE(Mouse(QEvent::MouseButtonPress, {305, 205}));
    EXPECT_FALSE(Mouse(QEvent::MouseButtonRelease, {130, 80}, Qt::RightButton));
    EXPECT_EQ(drag->Dragged(), &dragged);
}

}  // namespace
}  // namespace sim
