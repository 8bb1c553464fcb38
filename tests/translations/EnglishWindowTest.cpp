#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "apparatus/Bejel.h"
#include "apparatus/Leiras.h"
#include "apparatus/Main.h"
#include "assets/Pictures.h"
#include "common/VirtualClock.h"
#include "tests/TestSupport.h"
#include "tests/translations/LanguageTestSupport.h"
#include "widgets/MessageRecorder.h"
#include "widgets/Meter.h"

namespace sim {
namespace {

using testing::HasHungarianLetter;
using testing::ScopedLanguage;

struct ShownText {
    std::string Where;  // the widget's class and name, for the failure message
    QString Text;
    bool InToolkitDialog = false;  // inside one of Qt's own file dialogs
};

void Add(std::vector<ShownText>& texts, const QWidget* widget, const QString& text,
         bool inToolkitDialog) {
    texts.push_back(
        {std::string(widget->metaObject()->className()) + " " + widget->objectName().toStdString(),
         text, inToolkitDialog});
}

// Every text a person can see on the window and its dialogs, in the order of the widget tree:
// window titles, labels, buttons, text fields, list choices, menus and their items.
std::vector<ShownText> ShownTexts(TForm1& form) {
    form.Bejelentkez->FormActivate();  // the login sets its texts when it opens
    std::vector<ShownText> texts;
    QList<QWidget*> widgets = form.findChildren<QWidget*>();
    widgets.prepend(&form);
    for (const QWidget* w : widgets) {
        bool inDialog = false;
        for (const QWidget* up = w; up != nullptr; up = up->parentWidget()) {
            inDialog = inDialog || qobject_cast<const QFileDialog*>(up) != nullptr;
        }
        if (w->isWindow()) {
            Add(texts, w, w->windowTitle(), inDialog);
        }
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            Add(texts, w, label->text(), inDialog);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            Add(texts, w, button->text(), inDialog);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            Add(texts, w, edit->text(), inDialog);
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) {
                Add(texts, w, combo->itemText(i), inDialog);
            }
        } else if (const auto* memo = qobject_cast<const QPlainTextEdit*>(w)) {
            Add(texts, w, memo->toPlainText(), inDialog);
        } else if (const auto* browser = qobject_cast<const QTextBrowser*>(w)) {
            Add(texts, w, browser->toPlainText(), inDialog);
        }
        if (const auto* menu = qobject_cast<const QMenu*>(w)) {
            Add(texts, w, menu->title(), inDialog);
        }
        if (qobject_cast<const QMenu*>(w) != nullptr ||
            qobject_cast<const QMenuBar*>(w) != nullptr) {
            for (const QAction* action : w->actions()) {
                Add(texts, w, action->text(), inDialog);
            }
        }
    }
    return texts;
}

// Texts that read the same in both languages: numbers and units, the participant prefix, the
// words Hungarian shares with English on these buttons, the auxiliary window, the drag readout
// and the coordinate labels, which the Hungarian program shows in these words too, and the
// work folder's path in the About box (a name, not a text).
const QString kWorkFolder = "/nonexistent/";

bool SameInBothLanguages(const QString& text) {
    static const QRegularExpression numbersAndUnits(R"(^[\s\d.,x]*(\((1/s|mbar|s)\))?\s*$)");
    static const std::set<QString> shared = {"Start", "Stop",   "OK",   "Form2", "Memo1",
                                             "Clear", "Label8", "x = ", "y = "};
    return numbersAndUnits.match(text).hasMatch() || shared.count(text) > 0 ||
           text.startsWith("Brk2017_") || text == kWorkFolder;
}

std::vector<ShownText> WindowTexts(const std::string& language) {
    ScopedLanguage in(language);
    VirtualClock clock;
    TForm1 form(clock, kWorkFolder.toStdString());
    return ShownTexts(form);
}

TEST(EnglishEdition, NoTextOfTheWindowOrItsDialogsIsLeftHungarian) {
    const std::vector<ShownText> hungarian = WindowTexts("hu");
    const std::vector<ShownText> english = WindowTexts("en");
    ASSERT_EQ(english.size(), hungarian.size()) << "the same widgets in both languages";
    ASSERT_GT(english.size(), 60U);
    int translated = 0;
    for (std::size_t i = 0; i < english.size(); ++i) {
        const ShownText& shown = english[i];
        ASSERT_EQ(shown.Where, hungarian[i].Where);
        EXPECT_FALSE(HasHungarianLetter(shown.Text.toStdString()))
            << shown.Where << ": " << shown.Text.toStdString();
        if (shown.InToolkitDialog || shown.Text.isEmpty()) {
            continue;  // Qt's own words, and the folder it lists, are the toolkit's
        }
        if (shown.Text == hungarian[i].Text) {
            EXPECT_TRUE(SameInBothLanguages(shown.Text))
                << shown.Where << " left Hungarian: " << shown.Text.toStdString();
        } else {
            ++translated;
        }
    }
    EXPECT_GT(translated, 40);
}

class EnglishWindow : public ::testing::Test {
  protected:
    ScopedLanguage english{"en"};
    ScopedMessageRecorder messages;
    VirtualClock clock;
    TForm1 form{clock, "/nonexistent/"};
    TForm1Logic& logic = form.Logic();

    QStringList LabelsOf(const QWidget* panel) const {
        QStringList texts;
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            texts << label->text();
        }
        return texts;
    }
};

TEST_F(EnglishWindow, TitlePanelsMenusAndButtonsSpeakEnglish) {
    EXPECT_EQ(form.windowTitle(), "Simulation of the Trelko experiment, Brenn Competition 2017");
    const QStringList upperLeft = LabelsOf(form.Panel2);
    for (const char* caption : {"Vacuum pump", "Rotor speed  (1/s)", "Geometry"}) {
        EXPECT_TRUE(upperLeft.contains(caption)) << caption;
    }
    EXPECT_EQ(form.Muszer1->ECaption()->text().trimmed(), "Pressure (mbar)");
    EXPECT_EQ(form.Muszer2->ECaption()->text().trimmed(), "Rotor speed (1/s)");
    const QStringList measuring = LabelsOf(form.Panel4);
    for (const char* caption : {"MEASUREMENT", "Counter", "Counting time (s)"}) {
        EXPECT_TRUE(measuring.contains(caption)) << caption;
    }
    QStringList bins;
    for (const QLineEdit* box : form.Panel3->findChildren<QLineEdit*>()) {
        bins << box->text();
    }
    for (const char* caption : {" Au sources", " Hg target", "    Detector", " Lead shields"}) {
        EXPECT_TRUE(bins.contains(caption)) << caption;
    }
    EXPECT_EQ(form.Vge1->text(), "Exit");
    EXPECT_EQ(form.Lers1->text(), "Guide");
    EXPECT_EQ(form.BitBtn8Widget->text(), "Close lid");
    EXPECT_EQ(form.CheckBox1Widget->text(), "Auto stop (s)");
    EXPECT_EQ(form.Button1Widget->text(), "Save");
    EXPECT_EQ(form.Button2Widget->text(), "Load");

    // The lid's button says what it will do next, in English too.
    logic.BitBtn8Click();
    form.SyncControls();
    EXPECT_EQ(form.BitBtn8Widget->text(), "Open lid");
}

TEST_F(EnglishWindow, WhatAScreenReaderHearsIsEnglish) {
    int described = 0;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        if (accessible == nullptr) {
            continue;
        }
        for (const QAccessible::Text kind :
             {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
            const QString text = accessible->text(kind);
            described += text.isEmpty() ? 0 : 1;
            EXPECT_FALSE(HasHungarianLetter(text.toStdString()))
                << w->metaObject()->className() << " " << kind << ": " << text.toStdString();
        }
    }
    EXPECT_GT(described, 60);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Muszer1)->text(QAccessible::Value),
              "Pressure: 9.8·10² mbar");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.WidgetOf(logic.Shape7))
                  ->text(QAccessible::Name),
              "Detector, x 1107, y 205");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.BitBtn5Widget)
                  ->text(QAccessible::Description),
              "MEASUREMENT");
}

TEST_F(EnglishWindow, CaptionsStayOverTheirBoxes) {
    // A translation keeps the Hungarian caption's centre, so it stays inside its panel.
    for (const QWidget* panel :
         {static_cast<QWidget*>(form.Panel2), static_cast<QWidget*>(form.Panel4)}) {
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                continue;
            }
            EXPECT_GE(label->x(), 0) << label->text().toStdString();
            EXPECT_LE(label->x() + label->sizeHint().width(), panel->width())
                << label->text().toStdString();
        }
    }
}

TEST_F(EnglishWindow, TheLoginTitleAndTheApparatusMessagesAreEnglish) {
    form.Bejelentkez->FormActivate();
    EXPECT_EQ(form.Bejelentkez->Label1->text(), "Enter your identifier code");
    EXPECT_EQ(form.Bejelentkez->CancelBtn->text(), "Cancel");
    logic.Model.ParticipantId = "Brk2017_abc";
    form.FormActivate();
    EXPECT_EQ(form.windowTitle(),
              "Simulation of the Trelko experiment, Brenn Competition 2017  (Brk2017_abc)");

    // A count with no source placed stops with the physics' own message.
    logic.BitBtn5Click();
    clock.RunUntil([&] { return !messages.Messages().empty(); });
    ASSERT_EQ(messages.Messages().size(), 1U);
    EXPECT_EQ(messages.Messages()[0].text, "No source has been placed");
    EXPECT_EQ(messages.Messages()[0].caption, "*** ERROR! ***");

    // A composed message: the fixed words translated, the typed value kept as typed.
    messages.Clear();
    logic.Edit5.Text = "12a";
    logic.BitBtn5Click();
    ASSERT_EQ(messages.Messages().size(), 1U);
    EXPECT_EQ(messages.Messages()[0].text, "The measuring time is not a whole number: \"12a\"");
    EXPECT_EQ(messages.Messages()[0].caption, "*** ERROR ***");
}

TEST_F(EnglishWindow, TheCloseQuestionIsEnglish) {
    messages.QueueAnswer(kMsgNo);
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);
    EXPECT_FALSE(close.isAccepted());
    ASSERT_EQ(messages.Messages().size(), 1U);
    EXPECT_EQ(messages.Messages()[0].text, "Has all your data been saved?");
    EXPECT_EQ(messages.Messages()[0].caption, "***CONFIRMATION***");
    EXPECT_EQ(messages.Messages()[0].flags, kMsgYesNo);
}

TEST_F(EnglishWindow, TheHelpIsTheEnglishGuide) {
    form.Lers1->trigger();
    ASSERT_TRUE(form.Leiras->isVisible());
    EXPECT_EQ(form.Leiras->windowTitle(), "Guide");
    const std::string guide = form.Leiras->Browser->toPlainText().toStdString();
    for (const char* part : {"Placing the items", "Lid, pump, rotor", "Measuring",
                             "The automatic series and faktor.txt",
                             "Saving and loading the geometry", "The program's files"}) {
        EXPECT_NE(guide.find(part), std::string::npos) << part;
    }
    EXPECT_FALSE(HasHungarianLetter(guide));
    form.Leiras->close();
}

// Every link of a guide's table of contents leads to a section of the same page.
TEST(UserGuide, EveryLinkLeadsToASectionAndAGuidelessLanguageGetsHungarian) {
    for (const char* language : {"hu", "en"}) {
        const QString page = UserGuide(language);
        const QRegularExpression link(R"re(href="#([a-z]+)")re");
        int links = 0;
        for (auto it = link.globalMatch(page); it.hasNext();) {
            const QString anchor = it.next().captured(1);
            EXPECT_TRUE(page.contains("name=\"" + anchor + "\""))
                << language << " #" << anchor.toStdString();
            ++links;
        }
        EXPECT_GE(links, 8) << language;
    }
    EXPECT_EQ(UserGuide("de"), UserGuide("hu"));
    EXPECT_NE(UserGuide("en"), UserGuide("hu"));
}

// The buttons and labels of a file dialog that is showing.
QStringList DialogWords(QFileDialog& dialog) {
    dialog.show();
    QApplication::processEvents();
    QStringList words;
    for (const QAbstractButton* button :
         dialog.findChild<QDialogButtonBox*>()->findChildren<QAbstractButton*>()) {
        if (button->isVisible()) {
            words << button->text().remove('&');
        }
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        words << label->text().remove('&');
    }
    dialog.hide();
    return words;
}

TEST(FileDialogs, SpeakHungarianByDefault) {
    ScopedLanguage hungarian("hu");
    VirtualClock clock;
    TForm1 form(clock, "/nonexistent/");
    const QStringList save = DialogWords(*form.SaveDialog1);
    for (const char* word : {"Mentés", "Mégse", "Keresés itt:", "Fájl neve:", "Fájlok típusa:"}) {
        EXPECT_TRUE(save.contains(QString::fromUtf8(word)))
            << word << " in " << save.join('|').toStdString();
    }
    EXPECT_TRUE(DialogWords(*form.OpenDialog1).contains("Megnyitás"));
    EXPECT_EQ(form.SaveDialog1->nameFilters(), QStringList{"Minden fájl (*)"});
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), "Mappa");
}

TEST(FileDialogs, SpeakEnglishInTheEnglishEdition) {
    ScopedLanguage english("en");
    VirtualClock clock;
    TForm1 form(clock, "/nonexistent/");
    const QStringList save = DialogWords(*form.SaveDialog1);
    for (const char* word : {"Save", "Cancel", "Look in:", "File name:", "Files of type:"}) {
        EXPECT_TRUE(save.contains(word)) << word << " in " << save.join('|').toStdString();
    }
    EXPECT_TRUE(DialogWords(*form.OpenDialog1).contains("Open"));
    EXPECT_EQ(form.SaveDialog1->nameFilters(), QStringList{"All files (*)"});
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), "Folder");
}

}  // namespace
}  // namespace sim
