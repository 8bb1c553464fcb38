// The window driven from the keyboard alone, checked against what the mouse does at the same
// place: an arrow step must land, or be refused, exactly where a drop released there would.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <vector>

#include "apparatus/Main.h"
#include "common/VirtualClock.h"
#include "geometry/KompDlg.h"
#include "geometry/core/Placement.h"
#include "widgets/Accessibility.h"
#include "widgets/FocusMark.h"
#include "widgets/MessageDialog.h"
#include "widgets/MessageRecorder.h"
#include "widgets/Meter.h"
#include "widgets/Shapes.h"

namespace sim {
namespace {

constexpr int kFieldX = 16;  // the field image's corner in the panel
constexpr int kFieldY = 10;

class Keyboard : public ::testing::Test {
  protected:
    void TearDown() override { DestroyMessageDialog(); }

    // The mouse's way, the oracle: press on the item's centre, move, release at a panel point.
    void Drag(const FieldItem& item, QPoint panelTo) {
        QWidget* from = form.WidgetOf(item);
        QTest::mousePress(from, Qt::LeftButton, {}, from->rect().center());
        const QPoint local = from->mapFrom(form.Panel3, panelTo);
        QMouseEvent move(QEvent::MouseMove, QPointF(local), from->mapToGlobal(QPointF(local)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(from, &move);
        QTest::mouseRelease(from, Qt::LeftButton, {}, local);
    }

    // Puts a component on the field with its corner at a panel point, as a placement leaves it.
    void PutAt(FieldItem& component, QPoint corner) {
        component.Left = corner.x();
        component.Top = corner.y();
        logic.Model.Slots[component.Tag].Placed = true;
        form.SyncControls();
    }

    static QPoint Corner(const FieldItem& item) { return {item.Left, item.Top}; }

    // One arrow step from a corner, and the drop released where that step aims, each from the
    // same start; both results must agree, with the coordinates shown beside the field.
    struct Outcome {
        bool moved;
    };
    Outcome Probe(FieldItem& component, QPoint from, Qt::Key key, bool shift) {
        const int size = shift ? 10 : 1;
        QPoint aim = from;
        switch (key) {
            case Qt::Key_Left:
                aim.rx() -= size;
                break;
            case Qt::Key_Right:
                aim.rx() += size;
                break;
            case Qt::Key_Up:
                aim.ry() -= size;
                break;
            default:
                aim.ry() += size;
                break;
        }
        PutAt(component, from);
        QTest::keyClick(form.WidgetOf(component), key,
                        shift ? Qt::ShiftModifier : Qt::NoModifier);
        const QPoint keyed = Corner(component);
        const QString keyedReadout = form.Label8Widget->text();
        const QString announced = form.Announcer->Text();

        PutAt(component, from);
        Drag(component, aim);
        const QPoint dropped = Corner(component);
        EXPECT_EQ(keyed, dropped) << "from " << from.x() << "," << from.y() << " to " << aim.x()
                                  << "," << aim.y();
        const bool moved = keyed != from;
        if (moved) {
            EXPECT_EQ(keyed, aim) << "an accepted step lands where it aims";
            // Over no item a drag leaves the readout as it was, so only a landing is compared.
            EXPECT_EQ(keyedReadout.toStdString(), form.Label8Widget->text().toStdString());
            ++accepted;
        } else {
            EXPECT_EQ(announced, QString("Ide nem tehető: x %1, y %2")
                                     .arg(aim.x() - kFieldX)
                                     .arg(aim.y() - kFieldY))
                << "a refused step is said";
            ++refused;
        }
        PutAt(component, moved ? keyed : from);
        return {moved};
    }

    // Steps by key until a step is refused (probing it against the drop at each stop).
    QPoint Walk(FieldItem& component, QPoint from, Qt::Key key, Qt::Key probeAside) {
        QPoint at = from;
        for (const bool shift : {true, false}) {
            while (true) {
                Probe(component, at, probeAside, false);
                if (!Probe(component, at, key, shift).moved) {
                    break;
                }
                at = Corner(component);
            }
        }
        return at;
    }

    ScopedMessageRecorder messages;
    VirtualClock clock;
    TForm1 form{clock, "/nonexistent/"};
    TForm1Logic& logic = form.Logic();
    int accepted = 0;
    int refused = 0;
};

TEST_F(Keyboard, ArrowStepsFollowTheDropRulesAlongTheWorkingAreasEdges) {
    FieldItem& detector = logic.Shape7;
    // Into the middle of the field, then to the top-left corner by 10s and then by 1s.
    QPoint at(kFieldX + 600, kFieldY + 150);
    at = Walk(detector, at, Qt::Key_Up, Qt::Key_Left);
    at = Walk(detector, at, Qt::Key_Left, Qt::Key_Up);
    EXPECT_EQ(at.x() - kFieldX, kDropMinX) << "the left edge of the drop window";
    // Round the edges clockwise, each time probing the step outwards.
    at = Walk(detector, at, Qt::Key_Right, Qt::Key_Up);
    EXPECT_EQ(at.x() - kFieldX, std::min(kDropMaxX, kFieldRightLimit - detector.Width));
    at = Walk(detector, at, Qt::Key_Down, Qt::Key_Right);
    EXPECT_EQ(at.y() - kFieldY, kDropMaxY) << "the bottom edge of the drop window";
    at = Walk(detector, at, Qt::Key_Left, Qt::Key_Down);
    EXPECT_EQ(at.x() - kFieldX, kDropMinX);
    Walk(detector, at, Qt::Key_Up, Qt::Key_Left);
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 10);
}

TEST_F(Keyboard, ArrowStepsFollowTheDropRulesAroundAnotherComponent) {
    FieldItem& fixed = logic.Shape7;
    FieldItem& moving = logic.HgF;
    PutAt(fixed, {kFieldX + 700, kFieldY + 150});
    const int left = fixed.Left - moving.Width;
    const int right = fixed.Left + fixed.Width;
    const int top = fixed.Top - moving.Height;
    const int bottom = fixed.Top + fixed.Height;
    std::vector<QPoint> ring;
    for (int x = left - 3; x <= right + 3; x += 4) {
        ring.emplace_back(x, top);
        ring.emplace_back(x, bottom);
    }
    for (int y = top - 3; y <= bottom + 3; y += 4) {
        ring.emplace_back(left, y);
        ring.emplace_back(right, y);
    }
    for (const QPoint from : ring) {
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            Probe(moving, from, key, false);
            Probe(moving, from, key, true);
        }
    }
    EXPECT_EQ(Corner(fixed), QPoint(kFieldX + 700, kFieldY + 150)) << "the other stays put";
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 100);
}

TEST_F(Keyboard, NoStepWhileACountRuns) {
    PutAt(logic.Shape7, {kFieldX + 600, kFieldY + 150});
    logic.Model.MeasurementOn = true;
    logic.RefreshApparatus();
    QTest::keyClick(form.WidgetOf(logic.Shape7), Qt::Key_Right);
    EXPECT_EQ(Corner(logic.Shape7), QPoint(kFieldX + 600, kFieldY + 150));
    EXPECT_EQ(form.Announcer->Text(), "Mérés közben a komponens nem mozdítható.");
}

TEST_F(Keyboard, KeysWaitWhileThePointerHoldsAnItem) {
    PutAt(logic.Shape7, {kFieldX + 600, kFieldY + 150});
    QWidget* detector = form.WidgetOf(logic.Shape7);
    QTest::mousePress(detector, Qt::LeftButton, {}, detector->rect().center());
    QTest::keyClick(detector, Qt::Key_Right);
    QTest::keyClick(form.WidgetOf(logic.Image2), Qt::Key_1);
    EXPECT_EQ(Corner(logic.Shape7), QPoint(kFieldX + 600, kFieldY + 150));
    EXPECT_EQ(logic.Image2.Tag, 0);
    EXPECT_EQ(form.Announcer->Text(), "") << "nothing refused: the drag is not over";
    QTest::mouseRelease(detector, Qt::LeftButton, {}, detector->rect().center());
}

TEST_F(Keyboard, UpAndDownOnTheSpeedArrowsStepTheSpeed) {
    // 100 to 2000 in steps of 50.
    QTest::keyClick(form.UpDown1Widget, Qt::Key_Up);
    EXPECT_EQ(form.MaskEdit1Widget->text(), "150");
    QTest::keyClick(form.UpDown1Widget, Qt::Key_Down);
    QTest::keyClick(form.UpDown1Widget, Qt::Key_Down);
    EXPECT_EQ(form.MaskEdit1Widget->text(), "100");
    QAccessibleInterface* arrows = QAccessible::queryAccessibleInterface(form.UpDown1Widget);
    ASSERT_NE(arrows->valueInterface(), nullptr);
    arrows->valueInterface()->setCurrentValue(1050);
    EXPECT_EQ(form.MaskEdit1Widget->text(), "1050");
    EXPECT_EQ(arrows->valueInterface()->currentValue().toInt(), 1050);
}

TEST_F(Keyboard, DigitKeysMountAndReturnASourceUnderTheDropRules) {
    QWidget* gold = form.WidgetOf(logic.Image2);
    QTest::keyClick(gold, Qt::Key_1);
    EXPECT_EQ(logic.Image2.Tag, logic.Shape2.Tag);
    EXPECT_EQ(gold->geometry().topLeft(), QPoint(200, 25));
    QTest::keyClick(gold, Qt::Key_9);
    EXPECT_EQ(logic.Image2.Tag, logic.Shape3.Tag);
    EXPECT_EQ(gold->geometry().topLeft(), QPoint(200, 339));
    QTest::keyClick(gold, Qt::Key_0);
    EXPECT_EQ(logic.Image2.Tag, 0);
    EXPECT_EQ(Corner(logic.Image2), QPoint(1104, 46)) << "its own spot in the bin";

    // The other source's 0 and the mouse's drop on its bin spot agree.
    QTest::keyClick(form.WidgetOf(logic.Image3), Qt::Key_9);
    QTest::keyClick(form.WidgetOf(logic.Image3), Qt::Key_0);
    const QPoint keyed = Corner(logic.Image3);
    QTest::keyClick(form.WidgetOf(logic.Image3), Qt::Key_9);
    Drag(logic.Image3, {logic.Shape4.Left + 3, logic.Shape4.Top + 3});
    EXPECT_EQ(Corner(logic.Image3), keyed);
    EXPECT_EQ(logic.Image3.Tag, 0);

    // Under the closed lid nothing moves, either way, and the refusal is said.
    QTest::keyClick(gold, Qt::Key_1);
    QTest::mouseClick(form.BitBtn8Widget, Qt::LeftButton);
    ASSERT_TRUE(logic.Model.LidClosed);
    for (const Qt::Key key : {Qt::Key_9, Qt::Key_0, Qt::Key_1}) {
        QTest::keyClick(gold, key);
        EXPECT_EQ(logic.Image2.Tag, logic.Shape2.Tag);
        EXPECT_EQ(gold->geometry().topLeft(), QPoint(200, 25));
        EXPECT_EQ(form.Announcer->Text(), "A fedél zárva: a forrás nem mozdítható.");
    }
    QTest::keyClick(form.WidgetOf(logic.Image3), Qt::Key_9);
    EXPECT_EQ(logic.Image3.Tag, 0);

    // Opened again, the keys work again.
    QTest::mouseClick(form.BitBtn8Widget, Qt::LeftButton);
    ASSERT_FALSE(logic.Model.LidClosed);
    QTest::keyClick(gold, Qt::Key_9);
    EXPECT_EQ(logic.Image2.Tag, logic.Shape3.Tag);
}

TEST_F(Keyboard, EnterAndTheMenuKeyOpenThePositionDialog) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Menu}) {
        QString shownKind;
        QTimer::singleShot(0, [&] {
            shownKind = form.KompDlg->Edit3()->text();
            form.KompDlg->Edit1()->setText("500");
            form.KompDlg->Edit2()->setText(QString::number(40 + key % 7));
            form.KompDlg->OKBtn()->click();
        });
        QTest::keyClick(form.WidgetOf(logic.HgF), key);
        EXPECT_EQ(shownKind, "Higany");
        EXPECT_EQ(Corner(logic.HgF), QPoint(kFieldX + 500, kFieldY + 40 + key % 7));
        EXPECT_TRUE(logic.Model.Slots[1].Placed);
    }
    // A source has no position dialog: Enter leaves it alone.
    const QPoint source = Corner(logic.Image2);
    QTest::keyClick(form.WidgetOf(logic.Image2), Qt::Key_Return);
    EXPECT_EQ(Corner(logic.Image2), source);
}

TEST_F(Keyboard, TheEndOfACountIsAnnouncedWithTheCounter) {
    QTest::keyClick(form.WidgetOf(logic.Image2), Qt::Key_1);
    QTest::keyClick(form.WidgetOf(logic.Image3), Qt::Key_9);
    PutAt(logic.HgF, {kFieldX + 480, kFieldY + 150});
    PutAt(logic.Shape7, {kFieldX + 600, kFieldY + 150});
    form.Edit5Widget->setText("1");
    logic.Edit5.Text = "1";
    QTest::mouseClick(form.CheckBox1Widget, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseClick(form.BitBtn5Widget, Qt::LeftButton);
    clock.RunUntil([&] { return logic.Model.MeasurementOn; });
    EXPECT_EQ(form.Announcer->Text(), "");
    clock.RunUntil([&] { return !logic.Model.MeasurementOn; });
    ASSERT_TRUE(messages.Messages().empty());
    ASSERT_NE(form.Edit6Widget->text().trimmed(), "0") << "something was counted";
    EXPECT_EQ(form.Announcer->Text(),
              "A mérés véget ért, számláló: " + form.Edit6Widget->text().trimmed());
}

TEST_F(Keyboard, TabVisitsThePanelsInReadingOrderThenTheFieldInItsStacking) {
    logic.Model.ParticipantId = "e2e";  // no login at the first show
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    std::vector<QWidget*> expected;
    const std::vector<QWidget*> panels{
        form.BitBtn8Widget, form.BitBtn1Widget, form.BitBtn2Widget, form.UpDown1Widget,
        form.BitBtn3Widget, form.BitBtn4Widget, form.Button1Widget, form.Button2Widget,
        form.Muszer1,       form.Muszer2,       form.CheckBox1Widget, form.Edit5Widget,
        form.Edit6Widget,   form.Edit7Widget,   form.BitBtn7Widget, form.BitBtn5Widget,
        form.BitBtn6Widget};
    for (QWidget* control : panels) {
        if (control->isEnabled()) {
            expected.push_back(control);
        }
    }
    // The sources and components as they lie on each other, bottom first.
    std::vector<QWidget*> field;
    for (const FieldItem* item : {&logic.Image2, &logic.Image3, &logic.HgF, &logic.Shape7,
                                  &logic.Shape8, &logic.Shape9, &logic.Shape10, &logic.Shape11}) {
        field.push_back(form.WidgetOf(*item));
    }
    const QObjectList& children = form.Panel3->children();
    std::sort(field.begin(), field.end(), [&](QWidget* a, QWidget* b) {
        return children.indexOf(a) < children.indexOf(b);
    });
    expected.insert(expected.end(), field.begin(), field.end());

    form.BitBtn8Widget->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited{QApplication::focusWidget()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
        EXPECT_EQ(form.FocusMark->Marked(), QApplication::focusWidget()) << "the mark follows";
    }
    EXPECT_EQ(visited, expected);
    for (std::size_t i = expected.size() - 1; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i - 1]);
    }

    // A click puts the mark away; the mouse user's window looks as before.
    QTest::mouseClick(form.BitBtn4Widget, Qt::LeftButton);
    EXPECT_EQ(form.FocusMark->Marked(), nullptr);
    form.hide();
}

TEST_F(Keyboard, ControlsDescribeThemselvesToAssistiveTechnology) {
    QAccessibleInterface* pressure = QAccessible::queryAccessibleInterface(form.Muszer1);
    ASSERT_NE(pressure, nullptr);
    // 980 mbar stands on the meter as 9.8 and the power 2.
    EXPECT_EQ(form.Muszer1->Edit1()->text().trimmed(), "9.8");
    EXPECT_EQ(form.Muszer1->EdExp()->text().trimmed(), "2");
    EXPECT_EQ(pressure->text(QAccessible::Name), "Nyomás (mbar)");
    EXPECT_EQ(pressure->text(QAccessible::Value), "Nyomás: 9.8·10² mbar");
    ASSERT_NE(pressure->valueInterface(), nullptr);
    EXPECT_EQ(pressure->valueInterface()->currentValue().toDouble(), 980.0);
    QAccessibleInterface* speed = QAccessible::queryAccessibleInterface(form.Muszer2);
    EXPECT_EQ(speed->text(QAccessible::Value), "Fordulatszám: 0·10⁰ 1/s");

    Drag(logic.Shape7, {kFieldX + 620, kFieldY + 12});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.WidgetOf(logic.Shape7))
                  ->text(QAccessible::Name),
              "Detektor, x 620, y 12");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.WidgetOf(logic.Image2))
                  ->text(QAccessible::Name),
              "Au-forrás, x 1088, y 35");

    QAccessibleInterface* start = QAccessible::queryAccessibleInterface(form.BitBtn5Widget);
    EXPECT_EQ(start->role(), QAccessible::Button);
    EXPECT_EQ(start->text(QAccessible::Name), form.BitBtn5Widget->text());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Edit6Widget)->text(QAccessible::Name),
              "Számláló");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.UpDown1Widget)->role(),
              QAccessible::SpinBox);
}

}  // namespace
}  // namespace sim
