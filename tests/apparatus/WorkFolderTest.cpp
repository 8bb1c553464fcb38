#include "apparatus/core/WorkFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "tests/TestSupport.h"
#include "tests/reliability/ChildProcess.h"

namespace sim {
namespace {

namespace fs = std::filesystem;

class WorkFolderChoice : public ::testing::Test {
  protected:
    WorkFolderRequest Request() const {
        WorkFolderRequest request;
        request.ExecutableDir = program.string();
        request.Home = home.string();
        return request;
    }
    static std::string Slash(const fs::path& folder) { return folder.string() + "/"; }

    testing::ScratchFolder scratch{"workfolder"};
    fs::path program = scratch.Path() / "bin";
    fs::path home = scratch.Path() / "home";
    fs::path other = scratch.Path() / "other";

    void SetUp() override {
        fs::create_directories(program);
        fs::create_directories(home);
        fs::create_directories(other);
    }
};

TEST_F(WorkFolderChoice, AWritableProgramFolderIsTheWorkFolderAsAlways) {
    const WorkFolder chosen = ChooseWorkFolder(Request());
    EXPECT_EQ(chosen.Error, std::nullopt);
    EXPECT_EQ(chosen.Path, Slash(program));
    EXPECT_FALSE(fs::exists(home / "Brk2017")) << "nothing made in the home";
}

// Root may write into /usr/bin, but an installed copy must not litter it.
TEST_F(WorkFolderChoice, AnInstalledCopyWorksInTheHomeEvenWhereItMayWrite) {
    WorkFolderRequest request = Request();
    request.InstalledDir = program.string() + "/";
    const WorkFolder chosen = ChooseWorkFolder(request);
    EXPECT_EQ(chosen.Error, std::nullopt);
    EXPECT_EQ(chosen.Path, Slash(home / "Brk2017"));
    EXPECT_TRUE(fs::is_directory(home / "Brk2017"));

    request.Home.reset();
    EXPECT_EQ(ChooseWorkFolder(request).Error,
              "A munkamappa nem használható:\r" + program.string() +
                  "\r(a telepített program mappája, és a HOME nincs beállítva; adj meg "
                  "munkamappát a --dir opcióval vagy a TRELKO_DIR változóval)");
    request.Home = home.string();
    // The system's folder above, spelt as Windows may spell it: the other separator, none at
    // its end.
    request.InstalledDir = scratch.Path().generic_string();
    EXPECT_EQ(ChooseWorkFolder(request).Path, Slash(home / "Brk2017"));
    request.InstalledDir = other.string();
    EXPECT_EQ(ChooseWorkFolder(request).Path, Slash(program)) << "a copy elsewhere is portable";
}

TEST_F(WorkFolderChoice, TheOptionComesBeforeTheVariableAndBothBeforeTheProgramFolder) {
    WorkFolderRequest request = Request();
    request.Environment = other.string();
    EXPECT_EQ(ChooseWorkFolder(request).Path, Slash(other));
    request.Option = home.string();
    EXPECT_EQ(ChooseWorkFolder(request).Path, Slash(home));
    request.Option = "";
    EXPECT_EQ(ChooseWorkFolder(request).Path, Slash(other)) << "an empty option names nothing";
}

TEST_F(WorkFolderChoice, ANamedFolderThatCannotBeUsedIsRefusedWithItsReason) {
    WorkFolderRequest request = Request();
    request.Option = (scratch.Path() / "missing").string();
    EXPECT_EQ(ChooseWorkFolder(request).Error,
              "A munkamappa nem használható:\r" + *request.Option + "\r(nem létezik)");
    EXPECT_FALSE(fs::exists(*request.Option)) << "a named folder is never made";

    testing::WriteFile(scratch.Path() / "file", "x");
    request.Option = (scratch.Path() / "file").string();
    EXPECT_EQ(ChooseWorkFolder(request).Error,
              "A munkamappa nem használható:\r" + *request.Option + "\r(nem mappa)");
}

// File permissions do not hold for root, so these run in a child without root's rights.
TEST_F(WorkFolderChoice, AReadOnlyProgramFolderSendsTheFilesHome) {
    fs::permissions(program, fs::perms(0555));
    fs::permissions(home, fs::perms(0777));
    const testing::ChildResult child =
        testing::RunInChild(testing::ChildOptions::AsUnprivileged(scratch.Path().string()), [&] {
            const WorkFolder chosen = ChooseWorkFolder(Request());
            struct stat info {};
            ::stat((home / "Brk2017").string().c_str(), &info);
            return chosen.Path + " " + (chosen.Error ? *chosen.Error : "") + " " +
                   std::to_string(info.st_mode & 0777);
        });
    if (child.Skipped) {
        GTEST_SKIP() << child.SkipReason;
    }
    ASSERT_TRUE(child.Exited) << child.Output;
    EXPECT_EQ(child.Output, Slash(home / "Brk2017") + "  " + std::to_string(0700));
}

TEST_F(WorkFolderChoice, AReadOnlyNamedFolderOrNoHomeIsRefused) {
    fs::permissions(program, fs::perms(0555));
    fs::permissions(other, fs::perms(0555));
    const testing::ChildResult child =
        testing::RunInChild(testing::ChildOptions::AsUnprivileged(scratch.Path().string()), [&] {
            WorkFolderRequest named = Request();
            named.Environment = other.string();
            WorkFolderRequest homeless = Request();
            homeless.Home.reset();
            return ChooseWorkFolder(named).Error.value_or("") + "|" +
                   ChooseWorkFolder(homeless).Error.value_or("");
        });
    if (child.Skipped) {
        GTEST_SKIP() << child.SkipReason;
    }
    ASSERT_TRUE(child.Exited) << child.Output;
    EXPECT_EQ(child.Output,
              "A munkamappa nem használható:\r" + other.string() + "\r(nem írható)|" +
                  "A munkamappa nem használható:\r" + program.string() +
                  "\r(nem írható, és a HOME nincs beállítva; adj meg munkamappát a --dir "
                  "opcióval vagy a TRELKO_DIR változóval)");
}

}  // namespace
}  // namespace sim
