#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

#include "geometry/KompDlg.h"
#include "geometry/core/PanelLayout.h"
#include "widgets/MessageDialog.h"
#include "widgets/MessageRecorder.h"

namespace sim {
namespace {

class KompDlgTest : public ::testing::Test {
  protected:
    KompDlgTest() {
        for (int i = 1; i <= kSlotCount; ++i) {
            const ItemPlace& p = kComponentStart[i - 1];
            items_[i] = {p.Left, p.Top, p.Width, p.Height, i};
            table_[i] = &items_[i];
        }
        dlg_.FieldImage = &field_;
        dlg_.SetComponents(table_);
        Edit(1);
    }

    void Edit(int slot) { dlg_.EditedShape = &items_[slot]; }

    // Runs the dialog modally; whileOpen acts on it from inside its event loop. A dialog that
    // is still open afterwards is cancelled, so a failing check cannot leave it waiting.
    int Run(const std::function<void()>& whileOpen) {
        QTimer::singleShot(0, &dlg_, [this, whileOpen] {
            whileOpen();
            if (dlg_.isVisible()) {
                dlg_.CancelBtn()->click();
            }
        });
        return dlg_.Execute();
    }

    void Type(const char* x, const char* y) {
        dlg_.Edit1()->setText(QString::fromUtf8(x));
        dlg_.Edit2()->setText(QString::fromUtf8(y));
    }

    static bool AllSelected(const QLineEdit* e) { return e->selectedText() == e->text(); }

    PanelItem field_{kExperimentPlace.Left, kExperimentPlace.Top, kExperimentPlace.Width,
                     kExperimentPlace.Height, 0};
    IndexedArray<PanelItem, 1, kSlotCount> items_{};
    ComponentTable table_{};
    TKompDlg dlg_;
};

TEST_F(KompDlgTest, FixedSizeAndInitialTexts) {
    EXPECT_EQ(dlg_.size(), QSize(321, 222));
    EXPECT_EQ(dlg_.minimumSize(), dlg_.maximumSize());
    EXPECT_TRUE(dlg_.OKBtn()->isDefault());
    EXPECT_TRUE(dlg_.Edit3()->isReadOnly());
    EXPECT_EQ(dlg_.Edit3()->text(), "higany");
    EXPECT_EQ(dlg_.Edit1()->text(), "0");
    EXPECT_EQ(dlg_.Edit2()->text(), "0");
}

TEST_F(KompDlgTest, TargetInItsBinShowsBinCoordinatesAndIsRefusedAsCollision) {
    ScopedMessageRecorder messages;
    const int result = Run([&] {
        EXPECT_EQ(dlg_.Edit1()->text(), "1105");
        EXPECT_EQ(dlg_.Edit2()->text(), "109");
        EXPECT_EQ(dlg_.Edit3()->text(), "Higany");
        dlg_.OKBtn()->click();
        EXPECT_TRUE(dlg_.isVisible());
    });
    EXPECT_EQ(result, kKompCancel);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "  Ütközés más komponenssel!!  ");
    EXPECT_EQ(messages.Messages()[0].caption, "*** Hiba ***");
    EXPECT_EQ(messages.Messages()[0].flags, 0);
}

TEST_F(KompDlgTest, LeadShieldRightLimit) {
    ScopedMessageRecorder messages;
    Edit(3);
    EXPECT_EQ(Run([&] {
                  EXPECT_EQ(dlg_.Edit3()->text(), QString::fromUtf8("Ólom"));
                  Type("1050", "100");
                  dlg_.OKBtn()->click();
                  EXPECT_TRUE(dlg_.isVisible());
                  Type("1049", "100");
                  dlg_.OKBtn()->click();
              }),
              kKompOk);
    EXPECT_EQ(dlg_.X(), 1049);
    EXPECT_EQ(dlg_.Y(), 100);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "  Ütközés más komponenssel!!  ");
}

TEST_F(KompDlgTest, OverlapWithAnotherComponentIsRefused) {
    ScopedMessageRecorder messages;
    items_[1].Left = field_.Left + 600;  // the target covers field x 600..656, y 100..156
    items_[1].Top = field_.Top + 100;
    Edit(2);
    EXPECT_EQ(Run([&] {
                  Type("656", "156");  // one pixel over the corner
                  dlg_.OKBtn()->click();
                  EXPECT_EQ(messages.Messages().size(), 1u);
                  Type("657", "100");  // edge to edge
                  dlg_.OKBtn()->click();
              }),
              kKompOk);
    EXPECT_EQ(dlg_.X(), 657);
}

TEST_F(KompDlgTest, WholeNumberParsing) {
    ScopedMessageRecorder messages;
    EXPECT_EQ(Run([&] {
                  Type("12 ", "100");
                  dlg_.OKBtn()->click();
                  ASSERT_EQ(messages.Messages().size(), 1u);
                  EXPECT_EQ(messages.Messages()[0].text, "Érvénytelen adat");
                  EXPECT_EQ(dlg_.focusWidget(), dlg_.Edit1());
                  EXPECT_TRUE(AllSelected(dlg_.Edit1()));
                  Type(" 12", "-3000");
                  dlg_.OKBtn()->click();
              }),
              kKompOk);
    EXPECT_EQ(dlg_.X(), 12);
    EXPECT_EQ(dlg_.Y(), -3000);

    EXPECT_EQ(Run([&] {
                  Type("$1F", "0x10");
                  dlg_.OKBtn()->click();
              }),
              kKompOk);
    EXPECT_EQ(dlg_.X(), 31);
    EXPECT_EQ(dlg_.Y(), 16);
}

TEST_F(KompDlgTest, InvalidYIsReportedAndSelected) {
    ScopedMessageRecorder messages;
    Run([&] {
        Type("500", "");
        dlg_.Edit1()->setFocus();
        dlg_.OKBtn()->click();
        EXPECT_TRUE(dlg_.isVisible());
        EXPECT_EQ(dlg_.focusWidget(), dlg_.Edit2());
        Type("500", "1e3");
        dlg_.Edit2()->deselect();
        dlg_.OKBtn()->click();
        EXPECT_TRUE(AllSelected(dlg_.Edit2()));
        EXPECT_FALSE(dlg_.Edit2()->selectedText().isEmpty());
    });
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(messages.Messages()[0].text, "  Érvénytelen adat!!  ");
    EXPECT_EQ(messages.Messages()[0].caption, "*** Hiba ***");
}

TEST_F(KompDlgTest, OnlyTheXMessageWhenBothAreInvalid) {
    ScopedMessageRecorder messages;
    Run([&] {
        Type("abc", "");
        dlg_.OKBtn()->click();
    });
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Érvénytelen adat");
}

TEST_F(KompDlgTest, CancelIsNeverRefused) {
    ScopedMessageRecorder messages;
    EXPECT_EQ(Run([&] {
                  Type("abc", "");
                  dlg_.CancelBtn()->click();
                  EXPECT_FALSE(dlg_.isVisible());
              }),
              kKompCancel);
    EXPECT_EQ(Run([&] {
                  Type("abc", "");
                  QTest::keyClick(dlg_.Edit1(), Qt::Key_Escape);
                  EXPECT_FALSE(dlg_.isVisible());
              }),
              kKompCancel);
    EXPECT_EQ(Run([&] {
                  Type("1105", "109");  // a colliding place
                  dlg_.close();
                  EXPECT_FALSE(dlg_.isVisible());
              }),
              kKompCancel);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(KompDlgTest, EnterPressesOk) {
    ScopedMessageRecorder messages;
    EXPECT_EQ(Run([&] {
                  Type("700", "50");
                  QTest::keyClick(dlg_.Edit2(), Qt::Key_Return);
              }),
              kKompOk);
    EXPECT_EQ(dlg_.X(), 700);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(KompDlgTest, PutBackIsValidatedToo) {
    ScopedMessageRecorder messages;
    EXPECT_EQ(Run([&] {
                  Type("x", "10");
                  dlg_.Button1()->click();
                  EXPECT_TRUE(dlg_.isVisible());
                  ASSERT_EQ(messages.Messages().size(), 1u);
                  EXPECT_EQ(messages.Messages()[0].text, "Érvénytelen adat");
                  Type("1105", "109");  // the bin place: a collision
                  dlg_.Button1()->click();
                  EXPECT_TRUE(dlg_.isVisible());
                  Type("700", "10");
                  dlg_.Button1()->click();
              }),
              kKompPutBack);
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(messages.Messages()[1].text, "  Ütközés más komponenssel!!  ");
}

TEST_F(KompDlgTest, PositionBeyondThePanelRangeIsRefused) {
    ScopedMessageRecorder messages;
    Run([&] {
        Type("700", "2147483647");  // panel bottom would overflow
        dlg_.OKBtn()->click();
        EXPECT_TRUE(dlg_.isVisible());
        EXPECT_EQ(dlg_.focusWidget(), dlg_.Edit2());
    });
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "  Érvénytelen adat!!  ");
    EXPECT_EQ(Run([&] {
                  Type("700", "2147483580");  // the last top that still fits
                  dlg_.OKBtn()->click();
              }),
              kKompOk);
}

TEST_F(KompDlgTest, TypedTextSurvivesItsOwnMessages) {
    ScopedMessageRecorder messages;
    Run([&] {
        Type("abc", "77");
        dlg_.OKBtn()->click();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&dlg_, &activate);
        QApplication::processEvents();
        EXPECT_EQ(dlg_.Edit1()->text(), "abc");
        EXPECT_EQ(dlg_.Edit2()->text(), "77");
    });
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST_F(KompDlgTest, TypedTextSurvivesTheRealMessageDialog) {
    bool messageSeen = false;
    Run([&] {
        Type("1105", "-4");
        QTimer::singleShot(0, [&] {
            TSMsg* msg = MessageDialog();
            ASSERT_NE(msg, nullptr);
            messageSeen = msg->isVisible();
            msg->OKBtn()->click();
        });
        dlg_.OKBtn()->click();
        QApplication::processEvents();
        EXPECT_TRUE(dlg_.isVisible());
        EXPECT_EQ(dlg_.Edit1()->text(), "1105");
        EXPECT_EQ(dlg_.Edit2()->text(), "-4");
    });
    EXPECT_TRUE(messageSeen);
    DestroyMessageDialog();
}

TEST_F(KompDlgTest, EveryShowingRefills) {
    Edit(2);
    Run([&] {
        EXPECT_EQ(dlg_.Edit3()->text(), "Detektor");
        Type("5", "6");
    });
    items_[2].Left = field_.Left + 640;
    items_[2].Top = field_.Top - 30;
    Run([&] {
        EXPECT_EQ(dlg_.Edit1()->text(), "640");
        EXPECT_EQ(dlg_.Edit2()->text(), "-30");
    });
    // A Tag outside 1..6 leaves the kind as it was.
    PanelItem odd{700, 100, 20, 20, 0};
    dlg_.EditedShape = &odd;
    Run([&] {
        EXPECT_EQ(dlg_.Edit1()->text(), "684");
        EXPECT_EQ(dlg_.Edit3()->text(), "Detektor");
    });
}

}  // namespace
}  // namespace sim
