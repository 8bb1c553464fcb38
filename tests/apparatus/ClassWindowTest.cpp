// The class edition on the real window, and the window fitted to a small screen (the
// offscreen platform's screen is 800 x 600).

#include <gtest/gtest.h>

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include "apparatus/Main.h"
#include "apparatus/Naplo.h"
#include "common/SpeedClock.h"
#include "common/VirtualClock.h"
#include "geometry/core/PanelLayout.h"
#include "tests/TestSupport.h"
#include "widgets/MessageRecorder.h"

namespace sim {
namespace {

// Where a widget of the client area is on the screen, through the scaled view.
QRectF OnScreen(const TForm1& form, const QWidget* widget) {
    QGraphicsView* view = form.ScaledView();
    const QWidget* client = view->scene()->items().isEmpty()
                                ? nullptr
                                : static_cast<QGraphicsProxyWidget*>(view->scene()->items().back())
                                      ->widget();
    const QRectF inClient(widget->mapTo(client, QPoint(0, 0)), QSizeF(widget->size()));
    const QRectF inView = view->transform().mapRect(inClient);
    return inView.translated(QPointF(view->viewport()->mapToGlobal(QPoint(0, 0))));
}

TEST(FitToScreen, AWindowLargerThanTheScreenShrinksInsideItAndStillTakesClicks) {
    ScopedMessageRecorder messages;
    VirtualClock clock;
    TForm1 form(clock, "/nonexistent/");
    form.Logic().Model.ParticipantId = "Brk2017_abc";
    form.FitToScreen();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect area = form.screen()->availableGeometry();
    ASSERT_LT(area.width(), form.Panel3->width()) << "the offscreen screen is the small one";
    ASSERT_NE(form.ScaledView(), nullptr);
    EXPECT_LT(form.Scale(), 1.0);
    EXPECT_TRUE(area.contains(form.frameGeometry()))
        << form.frameGeometry().width() << "x" << form.frameGeometry().height() << "+"
        << form.frameGeometry().x() << "+" << form.frameGeometry().y();
    // Every control, the panels' items too, lies inside; their panel coordinates are as ever.
    int controls = 0;
    for (const QWidget* widget : form.Panel1->parentWidget()->findChildren<QWidget*>()) {
        if (widget->isVisibleTo(form.Panel1->parentWidget()) && widget->width() > 0) {
            EXPECT_TRUE(QRectF(area).contains(OnScreen(form, widget)))
                << widget->metaObject()->className();
            ++controls;
        }
    }
    EXPECT_GT(controls, 60);
    EXPECT_EQ(form.Panel3->geometry(), QRect(9, 303, 1217, 393));
    EXPECT_EQ(form.WidgetOf(form.Logic().HgF)->geometry(), QRect(1121, 119, 57, 57));

    // A click where the lid's button is shown closes the lid.
    const QPointF centre = OnScreen(form, form.BitBtn8Widget).center();
    QTest::mouseClick(form.ScaledView()->viewport(), Qt::LeftButton, {},
                      form.ScaledView()->viewport()->mapFromGlobal(centre.toPoint()));
    EXPECT_TRUE(form.Logic().Model.LidClosed);
}

TEST(ClassWindow, ASeriesFillsTheLogAndThePlotAndIsSaved) {
    ScopedMessageRecorder messages;
    testing::ScratchFolder dir("class-window");
    testing::WriteFile(dir.Path() / "faktor.txt", "200\r\n300\r\n1e-6\r\n");
    VirtualClock wall;
    SpeedClock speed(wall);
    TForm1 form(speed, dir.WithSlash());
    form.EnableClassMode(speed);
    form.SetSpeed(20);
    EXPECT_EQ(speed.Speed(), 20);
    TForm1Logic& logic = form.Logic();
    logic.Model.ParticipantId = "Brk2017_osztaly";
    for (auto [source, marker] :
         {std::pair{&logic.Image2, &logic.Shape2}, std::pair{&logic.Image3, &logic.Shape3}}) {
        source->Left = marker->Left;
        source->Top = marker->Top;
        source->Tag = marker->Tag;
    }
    logic.Components[2]->Left = kFieldLeft + 600;
    logic.Components[2]->Top = kFieldTop + 150;
    logic.Model.Slots[2].Placed = true;
    logic.CheckBox1.Checked = true;
    logic.Edit5.Text = "2";
    // What the log shows while the series runs, looked at on the wall's clock.
    std::vector<QString> statuses;
    std::vector<int> rows;
    const auto look = wall.CreateTimer(50, [&] {
        statuses.push_back(form.Naplo->StatusText());
        rows.push_back(form.Naplo->Table->rowCount());
    });
    look->SetEnabled(true);
    logic.BitBtn5Click();
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Idő: ×20 · 3. pont / 8, 700 1/s"),
              statuses.end());
    for (int shown = 0; shown <= 7; ++shown) {
        EXPECT_NE(std::find(rows.begin(), rows.end(), shown), rows.end()) << "point by point";
    }
    form.SyncControls();  // as after the Start button's handler
    EXPECT_EQ(form.Naplo->Table->rowCount(), 8);
    EXPECT_EQ(form.Naplo->Table->item(7, 1)->text(), "2200");
    EXPECT_EQ(form.Naplo->StatusText().toStdString(), "Idő: ×20 · A sorozat véget ért: 8 pont.");
    EXPECT_EQ(form.Naplo->Plot->Data().Points.size(), 8U);

    form.Naplo->FileDialogAnswers = {(dir.Path() / "naplo.csv").string(),
                                     (dir.Path() / "naplo.png").string()};
    form.Naplo->SaveCsv();
    form.Naplo->SavePng();
    EXPECT_EQ(testing::ReadFile(dir.Path() / "naplo.csv"), form.Naplo->Log().Csv());
    EXPECT_EQ(testing::ReadFile(dir.Path() / "naplo.png").substr(0, 4), "\x89PNG");
    EXPECT_TRUE(messages.Messages().empty());
}

// After a count the keyboard's focus stays in the measurement box, not on the field's target.
TEST(ClassWindow, AfterACountTheFocusStaysInTheMeasurementBox) {
    ScopedMessageRecorder messages;
    VirtualClock clock;
    TForm1 form(clock, "/nonexistent/");
    form.Logic().Model.ParticipantId = "Brk2017_abc";
    form.Logic().CheckBox1.Checked = true;
    form.Logic().Edit5.Text = "1";
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.BitBtn5Widget->setFocus();
    QTest::keyClick(form.BitBtn5Widget, Qt::Key_Space);
    clock.RunUntil([&] { return !form.Logic().Model.MeasurementOn; });
    EXPECT_EQ(QApplication::focusWidget(), form.BitBtn5Widget);
    form.hide();
}

}  // namespace
}  // namespace sim
