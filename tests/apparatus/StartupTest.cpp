// The program's start: the work folder reaches the window, the About box and the dialogs; a
// folder that cannot be used is refused before any window; the installed machine's files are
// found when the work folder has none. Also the real program's command line.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>

#include <cstdlib>
#include <string>
#include <vector>

#include "apparatus/About.h"
#include "apparatus/Startup.h"
#include "common/VirtualClock.h"
#include "tests/TestSupport.h"
#include "widgets/MessageRecorder.h"

namespace sim {
namespace {

namespace fs = std::filesystem;

class Startup : public ::testing::Test {
  protected:
    void TearDown() override { DestroyMessageDialog(); }

    std::unique_ptr<TForm1> Open() {
        return OpenMainWindow(clock, {work.WithSlash(), std::nullopt},
                              {(system.Path() / "faktor.txt").string(), system.WithSlash()});
    }

    ScopedMessageRecorder messages;
    VirtualClock clock;
    testing::ScratchFolder work{"startup-work"};
    testing::ScratchFolder system{"startup-system"};
};

TEST_F(Startup, AFolderThatCannotBeUsedIsRefusedWithItsMessageAndNoWindow) {
    testing::WriteFile(work.Path() / "fajl", "x");
    WorkFolderRequest request;
    request.ExecutableDir = work.WithSlash();
    request.Option = (work.Path() / "fajl").string();
    EXPECT_EQ(OpenMainWindow(clock, ChooseWorkFolder(request), {}), nullptr);
    ASSERT_EQ(messages.Messages().size(), 1U);
    EXPECT_EQ(messages.Messages()[0].text,
              "A munkamappa nem használható:\r" + *request.Option + "\r(nem mappa)");
    EXPECT_EQ(messages.Messages()[0].caption, "*** HIBA ***");
    EXPECT_EQ(messages.Messages()[0].flags, kMsgOkOnly);
}

TEST_F(Startup, TheWindowWorksInTheFolderAndShowsItInTheAboutBox) {
    const auto form = Open();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(form->Logic().Model.ProgramDir, work.WithSlash());
    EXPECT_EQ(form->AboutBox->WorkFolderPath->text().toStdString(), work.WithSlash());
    EXPECT_EQ(form->AboutBox->WorkFolderCaption->text(), "Munkamappa:");
    EXPECT_EQ(form->AboutBox->ProgramVersion->text(), "Verzió: " SIM_PROJECT_VERSION);
    // Before any confirmed dialog, not wherever the program happened to be started from.
    const QString folder = QString::fromStdString(work.Path().string());
    EXPECT_EQ(form->SaveDialog1->directory().absolutePath(), folder);
    EXPECT_EQ(form->OpenDialog1->directory().absolutePath(), folder);
}

TEST_F(Startup, TheSystemFactorFileServesAFolderWithoutOne) {
    testing::WriteFile(system.Path() / "faktor.txt", "-300\n0\n");
    const auto form = Open();
    form->Logic().BitBtn5Click();
    EXPECT_EQ(form->Logic().Model.CountFactor, -300);
    form->Logic().BitBtn6Click();

    testing::WriteFile(work.Path() / "faktor.txt", "250\n");
    form->Logic().BitBtn5Click();
    EXPECT_EQ(form->Logic().Model.CountFactor, 250);
    form->Logic().BitBtn6Click();
}

TEST_F(Startup, HelpOpensTheWorkFoldersDocumentElseTheSystems) {
    const auto form = Open();
    std::vector<std::string> opened;
    form->OpenDocument = [&](const std::string& path) { opened.push_back(path); };
    form->Lers1->trigger();
    EXPECT_TRUE(opened.empty()) << "no document anywhere: nothing happens";

    testing::WriteFile(system.Path() / "Brenn2017.docx", "PK");
    form->Lers1->trigger();
    testing::WriteFile(work.Path() / "Brenn2017.docx", "PK");
    form->Lers1->trigger();
    EXPECT_EQ(opened, (std::vector<std::string>{(system.Path() / "Brenn2017.docx").string(),
                                                (work.Path() / "Brenn2017.docx").string()}));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(AboutBox, TheWholeFolderFitsAndAVeryLongOneGivesWayInTheMiddle) {
    TAboutBox box;
    box.SetWorkFolder("/home/v01/Brk2017/");
    EXPECT_EQ(box.size(), QSize(378, 205));
    EXPECT_EQ(box.WorkFolderPath->text(), "/home/v01/Brk2017/");

    const std::string deep = "/srv/verseny/" + std::string(60, 'm') + "/terem-12/gep-07/Brk2017/";
    box.SetWorkFolder(deep);
    EXPECT_EQ(box.WorkFolderPath->text().toStdString(), deep);
    const QRect shown(box.WorkFolderPath->mapTo(&box, QPoint(0, 0)), box.WorkFolderPath->size());
    EXPECT_GT(box.width(), 378);
    EXPECT_TRUE(box.rect().contains(shown)) << "widened to show it whole";
    EXPECT_GE(box.WorkFolderPath->width(),
              box.WorkFolderPath->fontMetrics().horizontalAdvance(QString::fromStdString(deep)));

    const std::string endless = "/" + std::string(400, 'x') + "/vege/";
    box.SetWorkFolder(endless);
    EXPECT_LE(box.width(), 1000);
    EXPECT_TRUE(box.rect().contains(
        QRect(box.WorkFolderPath->mapTo(&box, QPoint(0, 0)), box.WorkFolderPath->size())));
    EXPECT_TRUE(box.WorkFolderPath->text().endsWith("/vege/"));
    EXPECT_TRUE(box.WorkFolderPath->text().contains(QChar(0x2026)));
    EXPECT_EQ(box.WorkFolderPath->toolTip().toStdString(), endless);
}

// The program itself, started without a display as from a terminal.
class Program : public ::testing::Test {
  protected:
    int Start(const std::string& arguments, const std::string& environment = {}) {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                    environment + " '" + TRELKO_BINARY + "' " + arguments + " >'" +
                                    (scratch.Path() / "out").string() + "' 2>'" +
                                    (scratch.Path() / "err").string() + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Out() const { return testing::ReadFile(scratch.Path() / "out"); }
    std::string Err() const { return testing::ReadFile(scratch.Path() / "err"); }

    testing::ScratchFolder scratch{"program"};
    const std::string noDisplay =
        "Nincs grafikus kijelző: a program ablakot nyit, ehhez X vagy Wayland kijelző kell. "
        "(DISPLAY nincs beállítva)\n";
};

TEST_F(Program, VersionHelpAndABadOptionNeedNoDisplay) {
    EXPECT_EQ(Start("--version"), 0);
    EXPECT_EQ(Out(), "trelko " SIM_PROJECT_VERSION "\n");
    EXPECT_EQ(Start("--help"), 0);
    EXPECT_EQ(Out().rfind("Használat: trelko [opciók]\n", 0), 0U);
    EXPECT_EQ(Err(), "");
    EXPECT_EQ(Start("--dir"), 2);
    EXPECT_EQ(Err(), "trelko: a(z) --dir opció értéke hiányzik\n");
    EXPECT_EQ(Out(), "");
}

TEST_F(Program, AFolderThatCannotBeUsedIsNamedAtStartUp) {
    const std::string file = (scratch.Path() / "fajl").string();
    testing::WriteFile(file, "x");
    EXPECT_EQ(Start("--dir '" + file + "'"), 1);
    EXPECT_EQ(Err(), "A munkamappa nem használható:\n" + file + "\n(nem mappa)\n" + noDisplay);
    const std::string missing = (scratch.Path() / "nincs").string();
    EXPECT_EQ(Start("", "TRELKO_DIR='" + missing + "'"), 1);
    EXPECT_EQ(Err(), "A munkamappa nem használható:\n" + missing + "\n(nem létezik)\n" + noDisplay);
    EXPECT_EQ(Start("--dir '" + scratch.Path().string() + "'", "TRELKO_DIR='" + missing + "'"), 1);
    EXPECT_EQ(Err(), noDisplay) << "--dir outranks the variable";
}

}  // namespace
}  // namespace sim
