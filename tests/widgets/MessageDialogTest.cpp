#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "widgets/MessageDialog.h"
#include "widgets/MessageRecorder.h"

namespace sim {
namespace {

// The dialog lives for the whole test binary, owned by a stand-in main window that the
// environment deletes while the application still exists.
class MessageDialogEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        owner_ = new QWidget;
        owner_->resize(800, 600);
        CreateMessageDialog(owner_);
    }
    void TearDown() override { delete owner_; }

  private:
    QWidget* owner_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new MessageDialogEnvironment);

const std::string kRotorText = "Kiegyensúlyozatlan a rotor!\r    Automatikus leállás!";

int LineHeight(const TSMsg& d) {
    return QFontMetrics(d.font()).height();
}

// The text area as the dialog paints it.
QImage TextImage(const TSMsg& d) {
    return d.Image1()->grab().toImage();
}

int TextWidth(const TSMsg& d, const std::string& s) {
    return QFontMetrics(d.font()).horizontalAdvance(QString::fromUtf8(s));
}

// Keys go where the keyboard would send them: to the focused button.
template <typename Key>
void Press(TSMsg& d, Key key) {
    QTest::keyClick(d.focusWidget() != nullptr ? d.focusWidget() : &d, key);
}

// Shows a message through ShowMessageDialog and runs `whileOpen` inside its modal loop. A
// dialog that `whileOpen` leaves open fails the test and is closed, so nothing hangs.
int ShowAndDo(const std::string& text, const std::string& caption, int flags,
              const std::function<void(TSMsg&)>& whileOpen) {
    TSMsg& d = *CreateMessageDialog();
    bool ran = false;
    QTimer::singleShot(0, &d, [&] {
        ran = true;
        EXPECT_TRUE(d.isVisible());
        whileOpen(d);
        if (d.isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            d.done(-1);
        }
    });
    const int result = ShowMessageDialog(text, caption, flags);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(d.isVisible());
    return result;
}

int ShowAndPress(int flags, Qt::Key key) {
    return ShowAndDo("Kérdés?", "*** MEGERŐSÍTÉS ***", flags, [key](TSMsg& d) { Press(d, key); });
}

// The leftmost column of area that holds a dark pixel, or -1.
int LeftmostInk(const QImage& image, QRect area) {
    area &= image.rect();
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < 160) {
                return x;
            }
        }
    }
    return -1;
}

TEST(SplitMessageLines, SplitsOnCarriageReturnOnly) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitMessageLines(""), V{""});
    EXPECT_EQ(SplitMessageLines("egy"), V{"egy"});
    EXPECT_EQ(SplitMessageLines("egy\rkettő"), (V{"egy", "kettő"}));
    EXPECT_EQ(SplitMessageLines("egy\r"), (V{"egy", ""}));
    EXPECT_EQ(SplitMessageLines("\regy"), (V{"", "egy"}));
    EXPECT_EQ(SplitMessageLines("\r\r"), (V{"", "", ""}));
    EXPECT_EQ(SplitMessageLines("egy\nkettő"), V{"egy\nkettő"});
    EXPECT_EQ(SplitMessageLines("egy\r\nkettő"), (V{"egy", "\nkettő"}));
    EXPECT_EQ(SplitMessageLines(kRotorText),
              (V{"Kiegyensúlyozatlan a rotor!", "    Automatikus leállás!"}));
}

TEST(MessageDialog, EmptyMessageTakesTheSizeOfTheOkButton) {
    TSMsg& d = *CreateMessageDialog();
    EXPECT_EQ(ShowAndDo("", "", 0, [](TSMsg& open) { Press(open, Qt::Key_Return); }), kMsgOk);

    const int lineH = LineHeight(d);
    EXPECT_EQ(d.Lines(), std::vector<std::string>{""});
    EXPECT_EQ(d.windowTitle(), "");
    EXPECT_EQ(d.Image1()->geometry(), QRect(20, 12, 82, 2 * lineH));
    EXPECT_EQ(d.Bevel1()->geometry(), QRect(16, 8, 90, 2 * lineH + 8));
    EXPECT_EQ(d.size(), QSize(122, 2 * lineH + 78));
    EXPECT_EQ(d.ShownButtons(), std::vector<QPushButton*>{d.OKBtn()});
    EXPECT_EQ(d.OKBtn()->geometry(), QRect(23, 8 + 2 * lineH + 8 + 5, 77, 27));
    EXPECT_EQ(d.OKBtn()->text(), "Rendben");
}

TEST(MessageDialog, TwoLinesAreCentredAndBlanksCount) {
    TSMsg& d = *CreateMessageDialog();
    ShowAndDo(kRotorText, "*** HIBA! ***", 0, [](TSMsg& open) { Press(open, Qt::Key_Return); });

    const std::string first = "Kiegyensúlyozatlan a rotor!";
    const std::string second = "    Automatikus leállás!";
    const int maxW =
        std::max({TextWidth(d, first), TextWidth(d, second), 77, TextWidth(d, "*** HIBA! ***")});
    const int lineH = LineHeight(d);
    EXPECT_EQ(d.Image1()->size(), QSize(maxW + 5, 3 * lineH));
    EXPECT_EQ(d.size(), QSize(maxW + 45, 3 * lineH + 78));
    EXPECT_EQ(TextImage(d).size(), d.Image1()->size());

    // Ink starts where the centred line starts, after its leading blanks.
    const QImage image = TextImage(d);
    const int w = image.width();
    const QRect band1(0, 2, w, lineH);
    const QRect band2(0, 2 + lineH, w, lineH);
    const int x1 = (w - TextWidth(d, first)) / 2;
    const int x2 = (w - TextWidth(d, second)) / 2 + TextWidth(d, "    ");
    EXPECT_NEAR(LeftmostInk(image, band1), x1, 2);
    EXPECT_NEAR(LeftmostInk(image, band2), x2, 2);
    EXPECT_EQ(-1, LeftmostInk(image, QRect(0, 2 + 2 * lineH, w, lineH)));
}

TEST(MessageDialog, TrailingSeparatorAddsAnEmptyLine) {
    TSMsg& d = *CreateMessageDialog();
    ShowAndDo("Hiba", "", 0, [](TSMsg& open) { Press(open, Qt::Key_Return); });
    const QSize one = d.size();
    ShowAndDo("Hiba\r", "", 0, [](TSMsg& open) { Press(open, Qt::Key_Return); });
    EXPECT_EQ(d.Lines(), (std::vector<std::string>{"Hiba", ""}));
    EXPECT_EQ(d.size(), QSize(one.width(), one.height() + LineHeight(d)));
}

TEST(MessageDialog, YesNoQuestion) {
    TSMsg& d = *CreateMessageDialog();
    ShowAndDo("Biztos?", "***MEGERŐSÍTÉS***", kMsgYesNo, [&](TSMsg& open) {
        EXPECT_EQ(open.focusWidget(), open.YesBtn());
        Press(open, Qt::Key_Escape);
    });
    EXPECT_EQ(d.ShownButtons(), (std::vector<QPushButton*>{d.YesBtn(), d.NoBtn()}));
    // Two equal slots across the dialog's width.
    const int slot = d.width() / 2;
    EXPECT_EQ(d.YesBtn()->x(), slot / 2 - 55 / 2);
    EXPECT_EQ(d.NoBtn()->x(), slot / 2 + slot - 65 / 2);
    EXPECT_EQ(d.YesBtn()->y(), d.Bevel1()->geometry().bottom() + 1 + 5);

    EXPECT_EQ(ShowAndPress(kMsgYesNo, Qt::Key_Escape), kMsgNo);
    EXPECT_EQ(ShowAndPress(kMsgYesNo, Qt::Key_Return), kMsgYes);
    EXPECT_EQ(ShowAndPress(kMsgYesNo, Qt::Key_Space), kMsgYes);
    EXPECT_EQ(ShowAndPress(kMsgYesNo | MsgDefaultButton(1), Qt::Key_Return), kMsgNo);
}

TEST(MessageDialog, CancelStandsLeftOfYesAndNo) {
    TSMsg& d = *CreateMessageDialog();
    ShowAndDo("?", "", kMsgYesNoCancel, [](TSMsg& open) {
        EXPECT_EQ(open.focusWidget(), open.CancelBtn());
        Press(open, Qt::Key_Return);
    });
    const auto shown = d.ShownButtons();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0]->text(), "Mégsem");
    EXPECT_EQ(shown[1]->text(), "&Igen");
    EXPECT_EQ(shown[2]->text(), "&Nem");
    EXPECT_LT(shown[0]->x(), shown[1]->x());
    EXPECT_LT(shown[1]->x(), shown[2]->x());

    // Escape prefers Cancel to No.
    EXPECT_EQ(ShowAndPress(kMsgYesNoCancel | MsgDefaultButton(1), Qt::Key_Escape), kMsgCancel);
    EXPECT_EQ(ShowAndPress(kMsgYesNoCancel | MsgDefaultButton(2), Qt::Key_Return), kMsgNo);
}

TEST(MessageDialog, DefaultIndexBeyondTheButtonsKeepsTheTabOrder) {
    ShowAndPress(kMsgYesNo | MsgDefaultButton(1), Qt::Key_Return);
    EXPECT_EQ(ShowAndPress(kMsgYesNo | MsgDefaultButton(3), Qt::Key_Return), kMsgNo);
    EXPECT_EQ(ShowAndPress(kMsgYesNo, Qt::Key_Return), kMsgYes);
}

TEST(MessageDialog, EscapeWithoutCancelOrNoDoesNothing) {
    const int result = ShowAndDo("Hiba", "*** HIBA ***", kMsgOkOnly, [](TSMsg& open) {
        Press(open, Qt::Key_Escape);
        EXPECT_TRUE(open.isVisible());
        Press(open, Qt::Key_Return);
    });
    EXPECT_EQ(result, kMsgOk);
}

TEST(MessageDialog, OtherSetsAndTheirCodes) {
    TSMsg& d = *CreateMessageDialog();
    for (int set : {6, 7}) {
        EXPECT_EQ(ShowAndPress(set, Qt::Key_Return), kMsgOk);
        EXPECT_EQ(d.ShownButtons(), std::vector<QPushButton*>{d.OKBtn()});
    }
    EXPECT_EQ(ShowAndPress(kMsgOkCancel | MsgDefaultButton(1), Qt::Key_Return), kMsgCancel);
    EXPECT_EQ(ShowAndPress(kMsgOkCancel, Qt::Key_Escape), kMsgCancel);
    EXPECT_EQ(ShowAndPress(kMsgAbortRetryIgnore, Qt::Key_Return), kMsgAbort);
    EXPECT_EQ(d.ShownButtons(),
              (std::vector<QPushButton*>{d.AbortBtn(), d.RetryBtn(), d.IgnoreBtn()}));
    EXPECT_EQ(ShowAndPress(kMsgAbortRetryIgnore | MsgDefaultButton(2), Qt::Key_Return), kMsgIgnore);
    EXPECT_EQ(ShowAndPress(kMsgRetryCancel | MsgDefaultButton(1), Qt::Key_Return), kMsgRetry);
    EXPECT_EQ(d.ShownButtons(), (std::vector<QPushButton*>{d.CancelBtn(), d.RetryBtn()}));
    for (QPushButton* b : {d.OKBtn(), d.CancelBtn(), d.AbortBtn(), d.RetryBtn(), d.IgnoreBtn(),
                           d.YesBtn(), d.NoBtn()}) {
        EXPECT_FALSE(b->icon().isNull()) << b->text().toStdString();
        EXPECT_EQ(b->height(), 27);
    }
}

TEST(MessageDialog, AcceleratorLettersPressTheirButtons) {
    EXPECT_EQ(ShowAndDo("?", "", kMsgYesNo, [](TSMsg& d) { Press(d, 'n'); }), kMsgNo);
    EXPECT_EQ(ShowAndDo("?", "", kMsgYesNo | MsgDefaultButton(1), [](TSMsg& d) { Press(d, 'i'); }),
              kMsgYes);
    EXPECT_EQ(ShowAndDo("?", "", kMsgAbortRetryIgnore, [](TSMsg& d) { Press(d, 't'); }),
              kMsgIgnore);
    // The letter of a hidden button does nothing.
    const int result = ShowAndDo("?", "", kMsgOkOnly, [](TSMsg& d) {
        Press(d, 'n');
        EXPECT_TRUE(d.isVisible());
        Press(d, Qt::Key_Return);
    });
    EXPECT_EQ(result, kMsgOk);
}

TEST(MessageDialog, CloseBoxGivesCancelAndOtherResultsZero) {
    EXPECT_EQ(ShowAndDo("?", "", kMsgYesNo, [](TSMsg& d) { d.close(); }), kMsgCancel);
    EXPECT_EQ(ShowAndDo("Hiba", "", kMsgOkOnly, [](TSMsg& d) { d.close(); }), kMsgCancel);
    EXPECT_EQ(ShowAndDo("Hiba", "", kMsgOkOnly, [](TSMsg& d) { d.done(42); }), kMsgNone);
}

TEST(MessageDialog, SecondCallRewritesTheOpenDialogAndReturnsAtOnce) {
    int inner = -1;
    const int outer = ShowAndDo("első", "*** HIBA! ***", kMsgOkOnly, [&](TSMsg& d) {
        inner = ShowMessageDialog("második\rsor", "***MEGERŐSÍTÉS***", kMsgYesNo);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.windowTitle(), "***MEGERŐSÍTÉS***");
        EXPECT_EQ(d.Lines(), (std::vector<std::string>{"második", "sor"}));
        EXPECT_EQ(d.ShownButtons(), (std::vector<QPushButton*>{d.YesBtn(), d.NoBtn()}));
        EXPECT_EQ(d.focusWidget(), d.YesBtn());
        Press(d, Qt::Key_Escape);
    });
    EXPECT_EQ(inner, kMsgNone);
    EXPECT_EQ(outer, kMsgNo);
}

// A line wider than the screen (a 10,000-character identifier in a path) once made the dialog
// 32,767 pixels wide, its reason and buttons off the screen. It wraps at blanks, or between
// characters in a word too wide; nothing is lost.
TEST(MessageDialog, LongTextsAreShownWholeWithinTheScreen) {
    TSMsg& d = *CreateMessageDialog();
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    std::string wide;
    for (int i = 0; i < 40; ++i) {
        wide += "Automatikus leállás! ";  // 21 characters, 840 in all
    }
    wide += "VÉGE";
    ShowAndDo(wide, "", 0, [](TSMsg& open) { Press(open, Qt::Key_Return); });
    EXPECT_LE(d.width(), screenWidth);
    ASSERT_GT(d.Lines().size(), 1u);
    std::string joined;
    for (const std::string& line : d.Lines()) {
        EXPECT_TRUE(line.ends_with("! ") || line == d.Lines().back()) << "broken at a blank";
        joined += line;
    }
    EXPECT_EQ(joined, wide);
    const QImage image = TextImage(d);
    ASSERT_EQ(image.size(), d.Image1()->size());
    const int lineH = LineHeight(d);
    // The last line ends in "VÉGE", drawn on the last line of the text area.
    const int last = static_cast<int>(d.Lines().size()) - 1;
    EXPECT_NE(-1, LeftmostInk(image, QRect(0, 2 + last * lineH, image.width(), lineH)));

    const std::string path = "Az eredményfájl nem hozható létre:\r/tmp/Brk2017_" +
                             std::string(10000, 'x') + "ő.txt (File name too long)";
    ShowAndDo(path, "", 0, [](TSMsg& open) { Press(open, Qt::Key_Return); });
    EXPECT_LE(d.width(), screenWidth);
    EXPECT_GT(d.Lines().size(), 10u);
    joined.clear();
    for (std::size_t i = 1; i < d.Lines().size(); ++i) {
        joined += d.Lines()[i];
    }
    EXPECT_EQ(d.Lines()[0], "Az eredményfájl nem hozható létre:");
    EXPECT_EQ("Az eredményfájl nem hozható létre:\r" + joined, path) << "no character split";
    EXPECT_TRUE(d.Lines().back().ends_with("(File name too long)"));

    std::string tall;
    for (int i = 0; i < 60; ++i) {
        tall += "sor\r";
    }
    tall += "utolsó";
    ShowAndDo(tall, "", 0, [](TSMsg& open) { Press(open, Qt::Key_Return); });
    ASSERT_EQ(d.Lines().size(), 61u);
    ASSERT_GT(TextImage(d).height(), 640);
    EXPECT_NE(-1, LeftmostInk(TextImage(d), QRect(0, 2 + 60 * lineH, TextImage(d).width(), lineH)));
}

TEST(MessageDialog, APartOfTheTextAreaPaintsAsInTheWhole) {
    TSMsg& d = *CreateMessageDialog();
    std::string text;
    for (int i = 0; i < 12; ++i) {
        text += "ÁÉŐ gyűjtő jég " + std::to_string(i) + "\r";  // marks above, tails below
    }
    ShowAndDo(text, "", 0, [](TSMsg& open) { Press(open, Qt::Key_Return); });
    const QImage whole = TextImage(d);
    const int w = whole.width();
    const int lineH = LineHeight(d);
    // A band across a line boundary, a sliver inside one line, the bottom edge.
    for (const QRect part : {QRect(0, 2 + 5 * lineH - 3, w, 6), QRect(7, 2 + lineH + 4, 30, 1),
                             QRect(0, whole.height() - lineH / 2, w, lineH / 2)}) {
        EXPECT_EQ(d.Image1()->grab(part).toImage(), whole.copy(part))
            << part.x() << "," << part.y() << " " << part.width() << "x" << part.height();
    }
}

TEST(MessageDialog, TwoLineErrorLooksLikeAMessageBox) {
    QImage shot;
    ShowAndDo(kRotorText, "*** HIBA! ***", 0, [&](TSMsg& d) {
        shot = d.grab().toImage();
        Press(d, Qt::Key_Return);
    });
    if (const char* dir = std::getenv("SIM_SHOT_DIR")) {
        shot.save(QString::fromLocal8Bit(dir) + "/message.png");
    }
    TSMsg& d = *CreateMessageDialog();
    ASSERT_EQ(shot.size(), d.size() * shot.devicePixelRatio());
    EXPECT_EQ(QColor(shot.pixel(2, 2)), QColor(0, 128, 128));
    EXPECT_EQ(QColor(shot.pixel(d.width() - 3, d.height() - 3)), QColor(0, 128, 128));
    EXPECT_EQ(QColor(shot.pixel(21, 13)), QColor(Qt::white));
    // The bevel is drawn around the text area.
    EXPECT_NE(QColor(shot.pixel(16, 30)), QColor(0, 128, 128));
}

TEST(MessageResponder, RecorderAnswersWithoutTheDialog) {
    TSMsg& d = *CreateMessageDialog();
    d.setWindowTitle("előző");
    {
        ScopedMessageRecorder outer(kMsgNo);
        {
            ScopedMessageRecorder inner;
            inner.QueueAnswer(kMsgYes);
            EXPECT_EQ(ShowMessageDialog("Biztos?", "***MEGERŐSÍTÉS***", 4), kMsgYes);
            EXPECT_EQ(ShowMessageDialog("Hiba", "*** HIBA! ***", 0), kMsgOk);
            ASSERT_EQ(inner.Messages().size(), 2u);
            EXPECT_EQ(inner.Messages()[0].text, "Biztos?");
            EXPECT_EQ(inner.Messages()[0].caption, "***MEGERŐSÍTÉS***");
            EXPECT_EQ(inner.Messages()[0].flags, 4);
            EXPECT_EQ(inner.Messages()[1].caption, "*** HIBA! ***");
        }
        // The inner recorder gave the road back to the outer one.
        EXPECT_EQ(ShowMessageDialog("x", "y", 4), kMsgNo);
        EXPECT_EQ(outer.Messages().size(), 1u);
    }
    EXPECT_EQ(d.windowTitle(), "előző");
    EXPECT_FALSE(d.isVisible());
    // The real dialog is back.
    EXPECT_EQ(ShowAndPress(0, Qt::Key_Return), kMsgOk);
}

}  // namespace
}  // namespace sim
