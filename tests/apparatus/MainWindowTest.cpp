#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGuiApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

#include <functional>
#include <string>
#include <utility>

#include "apparatus/About.h"
#include "apparatus/Leiras.h"
#include "apparatus/Main.h"
#include "common/VirtualClock.h"
#include "geometry/DragGhost.h"
#include "tests/TestSupport.h"
#include "widgets/MessageRecorder.h"
#include "widgets/Meter.h"
#include "widgets/Shapes.h"

namespace sim {
namespace {

class MainWindow : public ::testing::Test {
  protected:
    // Presses, moves and releases the left button as a person would, from the centre of one
    // item's widget to a point of the panel.
    void Drag(const FieldItem& item, QPoint panelTo, QPoint grab = {-1, -1}) {
        QWidget* from = form.WidgetOf(item);
        const QPoint start = grab.x() < 0 ? from->rect().center() : grab;
        QTest::mousePress(from, Qt::LeftButton, {}, start);
        const QPoint local = from->mapFrom(form.Panel3, panelTo);
        QMouseEvent move(QEvent::MouseMove, QPointF(local), from->mapToGlobal(QPointF(local)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(from, &move);
        QTest::mouseRelease(from, Qt::LeftButton, {}, local);
    }

    ScopedMessageRecorder messages;
    VirtualClock clock;
    TForm1 form{clock, "/nonexistent/"};
    TForm1Logic& logic = form.Logic();
};

TEST_F(MainWindow, StartsWithMetersAndButtonsAsTheApparatusStands) {
    EXPECT_EQ(form.Muszer1->Value(), 980.0);
    EXPECT_EQ(form.Muszer2->Value(), 0.0);
    EXPECT_EQ(form.Muszer1->ECaption()->text().trimmed(), "Nyomás (mbar)");
    EXPECT_EQ(form.Muszer2->ECaption()->text().trimmed(), "Fordulatszám (1/s)");
    EXPECT_TRUE(form.BitBtn8Widget->isEnabled());
    EXPECT_EQ(form.BitBtn8Widget->text(), "Fedél zár");
    EXPECT_FALSE(form.BitBtn1Widget->isEnabled());
    EXPECT_FALSE(form.BitBtn2Widget->isEnabled());
    EXPECT_FALSE(form.BitBtn3Widget->isEnabled());
    EXPECT_FALSE(form.BitBtn6Widget->isEnabled());
    EXPECT_EQ(form.MaskEdit1Widget->text(), "100");
    EXPECT_TRUE(form.MaskEdit1Widget->isReadOnly());
    EXPECT_EQ(form.MaskEdit1Widget->palette().color(QPalette::Base), QColor(255, 255, 208));
    EXPECT_EQ(form.Edit5Widget->palette().color(QPalette::Base), QColor(255, 255, 208));
    EXPECT_EQ(form.Edit5Widget->text(), "10");
    EXPECT_EQ(form.windowTitle(), "Trelko kísérlet szimulációja Brenn Verseny 2017");
}

TEST_F(MainWindow, PanelsAndItemsStandAtTheirPlaces) {
    EXPECT_EQ(form.Panel2->geometry(), QRect(9, 5, 465, 292));
    EXPECT_EQ(form.Panel1->geometry(), QRect(488, 4, 738, 293));
    EXPECT_EQ(form.Panel3->geometry(), QRect(9, 303, 1217, 393));
    EXPECT_EQ(form.Panel4->geometry(), QRect(576, 9, 153, 278));
    EXPECT_EQ(form.Muszer1->geometry(), QRect(17, 9, 265, 280));
    EXPECT_EQ(form.WidgetOf(logic.Shape2)->geometry(), QRect(200, 25, 33, 33));
    EXPECT_EQ(form.WidgetOf(logic.Shape3)->geometry(), QRect(200, 339, 33, 33));
    EXPECT_EQ(form.WidgetOf(logic.Fedel)->geometry(), QRect(38, 22, 356, 356));
    EXPECT_EQ(form.WidgetOf(logic.Image4)->geometry(), QRect(159, 143, 105, 105));
    EXPECT_EQ(form.WidgetOf(logic.HgF)->geometry(), QRect(1121, 119, 57, 57));
    EXPECT_EQ(form.WidgetOf(logic.Image3)->geometry(), QRect(1161, 45, 32, 32));

    const QImage field = static_cast<QLabel*>(form.WidgetOf(logic.Experiment))->pixmap().toImage();
    EXPECT_EQ(field.size(), QSize(1064, 377));
    EXPECT_EQ(field.pixelColor(449, 100), QColor(255, 255, 255));
    EXPECT_EQ(field.pixelColor(450, 100), QColor(255, 255, 223));
}

TEST_F(MainWindow, StackingFollowsThePanelOrder) {
    const QObjectList& children = form.Panel3->children();
    auto index = [&](const FieldItem& item) { return children.indexOf(form.WidgetOf(item)); };
    EXPECT_LT(index(logic.Image4), index(logic.Experiment));
    EXPECT_LT(index(logic.Experiment), index(logic.Shape2));
    EXPECT_LT(index(logic.HgF), index(logic.Image2));
    EXPECT_LT(index(logic.Image3), index(logic.Fedel));
    EXPECT_TRUE(form.WidgetOf(logic.Fedel)->isHidden());

    // Closing the lid shows it over the rotor and the symbol over everything.
    QTest::mouseClick(form.BitBtn8Widget, Qt::LeftButton);
    EXPECT_FALSE(form.WidgetOf(logic.Fedel)->isHidden());
    EXPECT_EQ(form.BitBtn8Widget->text(), "Fedél nyit");
    EXPECT_TRUE(form.BitBtn1Widget->isEnabled());
    const QObjectList& after = form.Panel3->children();
    EXPECT_GT(after.indexOf(form.WidgetOf(logic.Image4)),
              after.indexOf(form.WidgetOf(logic.Fedel)));
}

TEST_F(MainWindow, PumpTicksMoveTheMeterAndUnlockTheRotor) {
    QTest::mouseClick(form.BitBtn8Widget, Qt::LeftButton);
    QTest::mouseClick(form.BitBtn1Widget, Qt::LeftButton);
    clock.Advance(10);
    EXPECT_NEAR(form.Muszer1->Value(), 970.2, 1e-3);
    EXPECT_TRUE(form.BitBtn8Widget->isEnabled());
    clock.RunUntil([&] { return form.BitBtn3Widget->isEnabled(); });
    EXPECT_LT(form.Muszer1->Value(), 5e-5);
    EXPECT_FALSE(form.BitBtn8Widget->isEnabled());

    // The arrows are the only way to change the set point.
    QTest::mouseClick(form.UpDown1Widget->findChild<QToolButton*>("Up"), Qt::LeftButton);
    EXPECT_EQ(form.MaskEdit1Widget->text(), "150");
    QTest::mouseClick(form.BitBtn3Widget, Qt::LeftButton);
    clock.RunUntil([&] { return logic.Model.SpeedReached; });
    EXPECT_EQ(form.Muszer2->Value(), 150.0);
    EXPECT_TRUE(form.BitBtn4Widget->isEnabled());
    EXPECT_FALSE(form.BitBtn2Widget->isEnabled());
}

TEST_F(MainWindow, ErrorsReachTheMessageDialog) {
    logic.Model.ErrorText = "Nincs forrás elhelyezve";
    logic.RefreshApparatus();
    ASSERT_EQ(messages.Messages().size(), 1U);
    EXPECT_EQ(messages.Messages()[0].text, "Nincs forrás elhelyezve");
    EXPECT_EQ(messages.Messages()[0].caption, "*** HIBA! ***");
    EXPECT_EQ(messages.Messages()[0].flags, 0);
}

TEST_F(MainWindow, TimeFieldIsCheckedWhenTheBoxIsTicked) {
    form.Edit5Widget->setText("x");
    logic.Edit5.Text = "x";
    QTest::mouseClick(form.CheckBox1Widget, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(logic.CheckBox1.Checked);
    ASSERT_EQ(messages.Messages().size(), 1U);
    EXPECT_EQ(messages.Messages()[0].text, "Érvénytelen számformátum");
    EXPECT_EQ(form.Edit5Widget->selectedText(), "x");
}

TEST_F(MainWindow, SourceDraggedOntoAMarkerTakesItsPlaceAndIndex) {
    Drag(logic.Image2, QPoint(210, 35));
    EXPECT_EQ(logic.Image2.Tag, 1);
    EXPECT_EQ(form.WidgetOf(logic.Image2)->geometry().topLeft(), QPoint(200, 25));
    EXPECT_FALSE(form.Ghost()->isVisible());

    // Released over the field instead of a marker: nothing changes.
    Drag(logic.Image3, QPoint(600, 200));
    EXPECT_EQ(logic.Image3.Tag, 0);
    EXPECT_EQ(form.WidgetOf(logic.Image3)->geometry().topLeft(), QPoint(1161, 45));

    // Both sources may share a marker: the 33-pixel marker shows one pixel beside the source.
    Drag(logic.Image3, QPoint(220, 50));
    EXPECT_EQ(logic.Image3.Tag, 0) << "released over the other source";
    Drag(logic.Image3, QPoint(232, 40));
    EXPECT_EQ(logic.Image3.Tag, 1);
    EXPECT_EQ(logic.Image3.Left, 200);

    // Back onto a bin spot: index 0.
    Drag(logic.Image2, QPoint(1110, 70));
    EXPECT_EQ(logic.Image2.Tag, 0);
    EXPECT_EQ(logic.Image2.Left, 1104);
    EXPECT_EQ(logic.Image2.Top, 46);
}

TEST_F(MainWindow, ComponentDraggedOntoTheFieldLandsWithItsCornerAtThePointer) {
    Drag(logic.Shape7, QPoint(16 + 600, 10 + 150));
    EXPECT_EQ(logic.Shape7.Left, 616);
    EXPECT_EQ(logic.Shape7.Top, 160);
    EXPECT_TRUE(logic.Model.Slots[2].Placed);
    EXPECT_EQ(form.Label8Widget->text(), "600, 150");
    EXPECT_EQ(form.WidgetOf(logic.Shape7)->geometry().topLeft(), QPoint(616, 160));

    // Outside the placement window: refused.
    Drag(logic.HgF, QPoint(16 + 449, 10 + 100));
    EXPECT_EQ(logic.HgF.Left, 1121);
    EXPECT_FALSE(logic.Model.Slots[1].Placed);

    // A plain click on a placed component is a drop on itself.
    QTest::mouseClick(form.WidgetOf(logic.Shape7), Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_EQ(logic.Shape7.Left, 621);
    EXPECT_EQ(logic.Shape7.Top, 167);
    const QObjectList& children = form.Panel3->children();
    EXPECT_GT(children.indexOf(form.WidgetOf(logic.Shape7)),
              children.indexOf(form.WidgetOf(logic.Fedel)))
        << "a component dropped on itself goes above every item, the lid included";
}

TEST_F(MainWindow, NothingMovesWhileACountRunsOrUnderTheClosedLid) {
    QTest::mouseClick(form.BitBtn8Widget, Qt::LeftButton);
    Drag(logic.Image2, QPoint(210, 35));
    EXPECT_EQ(logic.Image2.Tag, 0) << "the closed lid fixes the sources";

    logic.Model.MeasurementOn = true;
    logic.RefreshApparatus();
    Drag(logic.Shape7, QPoint(16 + 600, 10 + 150));
    EXPECT_EQ(logic.Shape7.Left, 1123);
}

// From the click on Start, not only from the first tick's refresh: a click in between would
// move a component that the count already measures. A drag held while a count begins (a
// series reaching its next set point) drops nothing.
TEST_F(MainWindow, ComponentsAreFixedFromTheMomentACountBegins) {
    QTest::mouseClick(form.BitBtn5Widget, Qt::LeftButton);
    ASSERT_TRUE(logic.Model.MeasurementOn);
    ASSERT_EQ(clock.NowMs(), 0) << "no tick has run";
    int dialogs = 0;
    QTimer::singleShot(0, [&] {
        if (QApplication::activeModalWidget() != nullptr) {
            ++dialogs;
            QApplication::activeModalWidget()->close();
        }
    });
    QTest::mouseClick(form.WidgetOf(logic.HgF), Qt::RightButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs, 0) << "no position dialog";
    Drag(logic.Shape7, QPoint(16 + 600, 10 + 150));
    EXPECT_EQ(logic.Shape7.Left, 1123);
    logic.BitBtn6Click();

    QWidget* detector = form.WidgetOf(logic.Shape7);
    QTest::mousePress(detector, Qt::LeftButton, {}, QPoint(5, 5));
    logic.Model.MeasurementOn = true;
    logic.RefreshApparatus();
    const QPoint local = detector->mapFrom(form.Panel3, QPoint(16 + 600, 10 + 150));
    QMouseEvent move(QEvent::MouseMove, QPointF(local), detector->mapToGlobal(QPointF(local)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(detector, &move);
    QTest::mouseRelease(detector, Qt::LeftButton, {}, local);
    EXPECT_EQ(logic.Shape7.Left, 1123);
    EXPECT_FALSE(logic.Model.Slots[2].Placed);
}

// A message that opens while a component is held (an error of a tick) blocks the window, and
// the release goes to nobody: the drag ends there, and the next drag moves its own item.
TEST_F(MainWindow, AMessageDuringADragEndsIt) {
    QWidget* detector = form.WidgetOf(logic.Shape7);
    QTest::mousePress(detector, Qt::LeftButton, {}, QPoint(5, 5));
    const QPoint local = detector->mapFrom(form.Panel3, QPoint(16 + 600, 10 + 150));
    QMouseEvent move(QEvent::MouseMove, QPointF(local), detector->mapToGlobal(QPointF(local)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(detector, &move);
    ASSERT_FALSE(form.Ghost()->isHidden());
    logic.Model.ErrorText = "Nincs forrás elhelyezve";
    logic.RefreshApparatus();
    ASSERT_EQ(messages.Messages().size(), 1U);
    EXPECT_TRUE(form.Ghost()->isHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    Drag(logic.HgF, QPoint(16 + 480, 10 + 150));
    EXPECT_EQ(logic.HgF.Left, 496);
    EXPECT_EQ(logic.Shape7.Left, 1123) << "the held item stays";

    // Any modal dialog of the window does the same (shown, the window has logged in).
    logic.Model.ParticipantId = "Brk2017_t";
    form.show();
    QTest::mousePress(detector, Qt::LeftButton, {}, QPoint(5, 5));
    QApplication::sendEvent(detector, &move);
    ASSERT_FALSE(form.Ghost()->isHidden());
    QTimer::singleShot(0, [this] { form.AboutBox->accept(); });
    form.AboutBox->exec();
    EXPECT_TRUE(form.Ghost()->isHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    form.hide();
}

// A clock that looks at the window whenever the program waits for events.
class WatchingClock : public VirtualClock {
  public:
    std::function<void()> OnWait;
    void ProcessPendingEvents() override {
        if (OnWait) {
            OnWait();
        }
        VirtualClock::ProcessPendingEvents();
    }
};

// A speed series waits inside Start while the person can click: the buttons show its states
// from the first wait on, not only from the next tick.
TEST(MainWindowSeries, TheWidgetsShowTheRecordsWheneverTheSeriesWaits) {
    ScopedMessageRecorder messages;
    const testing::ScratchFolder scratch("series");
    testing::WriteFile(scratch.Path() / "faktor.txt", "-200\n950\n1e-6\n");
    WatchingClock clock;
    TForm1 form(clock, scratch.WithSlash());
    TForm1Logic& logic = form.Logic();
    logic.Model.ParticipantId = "Brk2017_t";
    int waits = 0;
    std::string differing;
    clock.OnWait = [&] {
        ++waits;
        const std::pair<QPushButton*, const ButtonControl*> buttons[] = {
            {form.BitBtn2Widget, &logic.BitBtn2}, {form.BitBtn3Widget, &logic.BitBtn3},
            {form.BitBtn4Widget, &logic.BitBtn4}, {form.BitBtn5Widget, &logic.BitBtn5},
            {form.BitBtn6Widget, &logic.BitBtn6}, {form.BitBtn7Widget, &logic.BitBtn7}};
        for (const auto& [widget, record] : buttons) {
            if (widget->isEnabled() != record->Enabled) {
                differing += widget->text().toStdString() + " ";
            }
        }
        if (form.MaskEdit1Widget->text().toStdString() != logic.MaskEdit1.Text) {
            differing += "MaskEdit1 ";
        }
        if (waits == 200) {
            logic.BeginShutdown();
        }
    };
    QTest::mouseClick(form.BitBtn5Widget, Qt::LeftButton);
    EXPECT_EQ(waits, 200);
    EXPECT_EQ(differing, "");
}

}  // namespace
}  // namespace sim

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QTimer>

#include "apparatus/About.h"
#include "apparatus/Bejel.h"
#include "apparatus/Eredmeny.h"
#include "geometry/KompDlg.h"
#include "tests/TestSupport.h"

namespace sim {
namespace {

class Shell : public MainWindow {
  protected:
    void SetUp() override {
        MainWindow::SetUp();
        form.EndApplication = [this] { ++ended; };
    }
    void TearDown() override { DestroyMessageDialog(); }

    int ended = 0;

    // Answers the login dialog once it is open.
    void AnswerLogin(const QString& typed, bool ok) {
        QTimer::singleShot(0, [this, typed, ok] {
            form.Bejelentkez->Password->setText(typed);
            (ok ? form.Bejelentkez->OKBtn : form.Bejelentkez->CancelBtn)->click();
        });
    }
};

TEST_F(Shell, TheWindowComesWithItsDialogsInTheOrderOfStartUp) {
    const QObjectList& children = form.children();
    auto index = [&](const QObject* child) { return children.indexOf(child); };
    ASSERT_NE(MessageDialog(), nullptr);
    EXPECT_EQ(MessageDialog()->parent(), &form);
    EXPECT_LT(index(MessageDialog()), index(form.Form2));
    EXPECT_LT(index(form.Form2), index(form.KompDlg));
    EXPECT_LT(index(form.KompDlg), index(form.Bejelentkez));
    EXPECT_LT(index(form.Bejelentkez), index(form.AboutBox));
    EXPECT_NE(form.SaveDialog1, nullptr);
    EXPECT_NE(form.OpenDialog1, nullptr);
    for (const QWidget* dialog :
         {static_cast<QWidget*>(form.Form2), static_cast<QWidget*>(form.KompDlg),
          static_cast<QWidget*>(form.Bejelentkez)}) {
        EXPECT_FALSE(dialog->isVisible());
    }
}

TEST_F(Shell, LoginSetsTheIdentifierAndTheTitleOnce) {
    AnswerLogin("abc", true);
    form.FormActivate();
    EXPECT_EQ(logic.Model.ParticipantId, "Brk2017_abc");
    EXPECT_EQ(form.windowTitle(), "Trelko kísérlet szimulációja Brenn Verseny 2017  (Brk2017_abc)");
    EXPECT_EQ(form.Bejelentkez->windowTitle(), " Bejelentkezés");
    EXPECT_EQ(form.Bejelentkez->Label1->text(), "Add meg az azonosító kódodat");
    form.FormActivate();  // later activations only set the title again
    EXPECT_FALSE(form.Bejelentkez->isVisible());
    EXPECT_FALSE(form.LoginCancelled());
}

TEST_F(Shell, AnEmptyIdentifierIsAccepted) {
    AnswerLogin("", true);
    form.FormActivate();
    EXPECT_EQ(logic.Model.ParticipantId, "Brk2017_");
    EXPECT_EQ(logic.ResultFilePath(), "/nonexistent/Brk2017_.txt");
}

TEST_F(Shell, CancelledLoginEndsWithoutTheCloseQuestion) {
    AnswerLogin("abc", false);
    form.FormActivate();
    EXPECT_TRUE(form.LoginCancelled());
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(logic.Model.ParticipantId.empty());
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(Shell, UnsafeIdentifierIsRefusedAndTheDialogStaysOpen) {
    int attempts = 0;
    QTimer::singleShot(0, [&] {
        form.Bejelentkez->Password->setText("../x");
        form.Bejelentkez->OKBtn->click();
        ++attempts;
        EXPECT_TRUE(form.Bejelentkez->isVisible()) << "kept open for a new try";
        form.Bejelentkez->Password->setText("jo");
        form.Bejelentkez->OKBtn->click();
    });
    form.FormActivate();
    EXPECT_EQ(attempts, 1);
    ASSERT_EQ(messages.Messages().size(), 1U);
    EXPECT_EQ(messages.Messages()[0].caption, "*** HIBA ***");
    EXPECT_NE(messages.Messages()[0].text.find("Az azonosító"), std::string::npos);
    EXPECT_EQ(logic.Model.ParticipantId, "Brk2017_jo");
}

// Another program using the identifier in the same folder, or an identifier too long for the
// file names built from it: refused, and the dialog stays open for another try.
TEST_F(Shell, AnIdentifierInUseOrTooLongIsRefusedAndTheDialogStaysOpen) {
    const testing::ScratchFolder scratch("login");
    logic.Model.ProgramDir = scratch.WithSlash();
    const auto held = IdentifierClaim::Take(scratch.WithSlash(), "Brk2017_abc");
    ASSERT_TRUE(std::holds_alternative<IdentifierClaim>(held));
    const QString longest(200, 'a');
    int attempts = 0;
    QTimer::singleShot(0, [&] {
        for (const QString& typed : {QString("abc"), longest + "a", QString("aux."), longest}) {
            form.Bejelentkez->Password->setText(typed);
            form.Bejelentkez->OKBtn->click();
            ++attempts;
            if (attempts < 4) {
                EXPECT_TRUE(form.Bejelentkez->isVisible()) << "kept open for a new try";
            }
        }
    });
    form.FormActivate();
    EXPECT_EQ(attempts, 4);
    ASSERT_EQ(messages.Messages().size(), 3U);
    EXPECT_EQ(messages.Messages()[0].text,
              "A(z) \"abc\" azonosítót ebben a mappában már egy másik\rfutó program használja:\r" +
                  scratch.WithSlash() + "\rAdj meg másik azonosítót!");
    EXPECT_EQ(messages.Messages()[1].text,
              "Az azonosító legfeljebb 200 bájt hosszú lehet (egy ékezetes betű 2 bájt).\r"
              "Adj meg rövidebb azonosítót!");
    EXPECT_EQ(messages.Messages()[2].text,
              "Ez az azonosító nem használható: Windows elhagyja a név végéről a pontot és a "
              "szóközt, így a név más fájlt jelentene.\rAdj meg másik azonosítót!");
    EXPECT_EQ(logic.Model.ParticipantId, "Brk2017_" + longest.toStdString());
}

TEST_F(Shell, EveryCloseAsksTheSameQuestion) {
    messages.QueueAnswer(kMsgNo);
    QCloseEvent closeBox;
    QApplication::sendEvent(&form, &closeBox);
    EXPECT_FALSE(closeBox.isAccepted());
    ASSERT_EQ(messages.Messages().size(), 1U);
    EXPECT_EQ(messages.Messages()[0].text, "Minden adat el van mentve?");
    EXPECT_EQ(messages.Messages()[0].caption, "***MEGERŐSÍTÉS***");
    EXPECT_EQ(messages.Messages()[0].flags, 4);

    form.show();
    messages.QueueAnswer(kMsgNo);
    form.Vge1->trigger();
    EXPECT_EQ(messages.Messages().size(), 2U);
    EXPECT_EQ(messages.Messages()[1].text, "Minden adat el van mentve?");
    EXPECT_TRUE(form.isVisible());

    messages.QueueAnswer(kMsgYes);
    form.Vge1->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(logic.ShuttingDown());
}

// Without the task document the help is the program's own guide, in a window beside the
// main window: no message, nothing modal.
TEST_F(Shell, HelpWithoutTheDocumentShowsTheProgramsGuide) {
    EXPECT_FALSE(form.Leiras->isVisible());
    form.Lers1->trigger();
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(form.Leiras->isVisible());
    EXPECT_FALSE(form.Leiras->isModal());
    EXPECT_EQ(form.Leiras->windowTitle(), "Leírás");
    const QString guide = form.Leiras->Browser->toPlainText();
    for (const char* part : {"Az elemek elhelyezése", "Fedél, szivattyú, rotor", "Mérés",
                             "Automatikus sorozat és a faktor.txt",
                             "A geometria mentése és betöltése", "A program fájljai"}) {
        EXPECT_TRUE(guide.contains(QString::fromUtf8(part))) << part;
    }
    form.Leiras->close();
}

// Receives the file addresses the desktop would open.
class OpenedFiles : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> Urls;

  public slots:
    void Open(const QUrl& url) { Urls.append(url); }
};

TEST_F(Shell, HelpWithTheDocumentOpensItAsBefore) {
    const testing::ScratchFolder scratch("help");
    testing::WriteFile(scratch.Path() / "Brenn2017.docx", "PK");
    logic.Model.ProgramDir = scratch.WithSlash();
    OpenedFiles opened;
    QDesktopServices::setUrlHandler("file", &opened, "Open");
    form.Lers1->trigger();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(opened.Urls.size(), 1);
    EXPECT_EQ(opened.Urls[0],
              QUrl::fromLocalFile(QString::fromStdString(scratch.WithSlash()) + "Brenn2017.docx"));
    EXPECT_FALSE(form.Leiras->isVisible());
}

// A keyboard user who starts a count with Space finds the focus on Stop, whatever order the
// buttons were made in memory.
TEST_F(Shell, StartFromTheKeyboardHandsTheFocusToStop) {
    logic.Model.ParticipantId = "Brk2017_abc";
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.BitBtn5Widget->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), form.BitBtn5Widget);
    QTest::keyClick(form.BitBtn5Widget, Qt::Key_Space);
    ASSERT_TRUE(logic.Model.MeasurementOn);
    EXPECT_FALSE(form.BitBtn5Widget->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), form.BitBtn6Widget);

    // Stop hands it on to an enabled control, never to nothing.
    QTest::keyClick(form.BitBtn6Widget, Qt::Key_Space);
    EXPECT_FALSE(logic.Model.MeasurementOn);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(QApplication::focusWidget()->isEnabled());
    form.hide();
}

TEST_F(Shell, StartHidesTheAuxiliaryWindow) {
    form.Form2->show();
    EXPECT_EQ(form.Form2->Memo1->toPlainText(), "Memo1");
    logic.BitBtn5Click();
    EXPECT_FALSE(form.Form2->isVisible());
    logic.BitBtn6Click();
}

TEST_F(Shell, RightClickOpensThePositionDialogForTheComponent) {
    QTimer::singleShot(0, [this] {
        EXPECT_EQ(form.KompDlg->Edit1()->text(), "1105");
        EXPECT_EQ(form.KompDlg->Edit2()->text(), "109");
        EXPECT_EQ(form.KompDlg->Edit3()->text(), "Higany");
        form.KompDlg->Edit1()->setText("500");
        form.KompDlg->Edit2()->setText("40");
        form.KompDlg->OKBtn()->click();
    });
    QTest::mouseClick(form.WidgetOf(logic.HgF), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(logic.HgF.Left, 516);
    EXPECT_EQ(logic.HgF.Top, 50);
    EXPECT_TRUE(logic.Model.Slots[1].Placed);
    EXPECT_EQ(form.WidgetOf(logic.HgF)->geometry().topLeft(), QPoint(516, 50));
}

}  // namespace
}  // namespace sim

#include "MainWindowTest.moc"
