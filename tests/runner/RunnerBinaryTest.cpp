#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "runner/core/Plot.h"
#include "tests/PosixOnly.h"
#include "tests/runner/RunnerTestSupport.h"

namespace sim {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;

// The installed program itself, as an organiser starts it.
class RunnerProgram : public testing::RunnerFolder {
  protected:
    // environment: assignments for env(1) placed before the program, if any.
    int Start(const std::string& arguments, const std::string& environment = {}) {
        const std::string command = environment + " '" + TRELKO_RUNNER + "' " + arguments + " >'" +
                                    (dir / "stdout").string() + "' 2>'" +
                                    (dir / "stderr").string() + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Stdout() const { return ReadFile(dir / "stdout"); }
    std::string Stderr() const { return ReadFile(dir / "stderr"); }
};

TEST_F(RunnerProgram, PngPlotIsAnImageOfTheStatedSizeWithThePointsDrawn) {
    SIM_SKIP_ON_WINDOWS("started through a POSIX shell; the Windows program has tests of its own");
    const std::string geometry = SaveGeometry(testing::TargetAndDetector(), "m.Brk2017_png");
    const std::string png = (dir / "grafikon.png").string();
    ASSERT_EQ(Start("'" + geometry + "' --sources 1,9 --factor 200 --step 100 --time 1 --out '" +
                    dir.string() + "' --plot '" + png + "'"),
              0)
        << Stderr();
    EXPECT_TRUE(Stderr().empty()) << Stderr();
    EXPECT_EQ(ReadFile(png).substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(png), "PNG"));
    EXPECT_EQ(image.width(), kPlotWidth);
    EXPECT_EQ(image.height(), kPlotHeight);
    int measured = 0;
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            measured += c.red() > 150 && c.green() < 80 && c.blue() < 80;
            dark += c.red() < 60 && c.green() < 60 && c.blue() < 60;
        }
    }
    EXPECT_GT(measured, 20 * 30) << "twenty dots with their error bars";
    EXPECT_GT(dark, 2000) << "axes and their labels";
}

// Without a session's runtime folder the toolkit once made one of its own for the PNG plot,
// /tmp/runtime-USER (under TMPDIR when that is set).
TEST_F(RunnerProgram, PngPlotWritesNothingOutsideTheOutputFolder) {
    SIM_SKIP_ON_WINDOWS("started through a POSIX shell; the Windows program has tests of its own");
    const std::string geometry = SaveGeometry(testing::TargetAndDetector(), "m.Brk2017_xdg");
    for (const char* folder : {"tmp", "home", "out"}) {
        fs::create_directory(dir / folder);
    }
    ASSERT_EQ(
        Start("'" + geometry + "' --sources 1,9 --step 500 --time 1 --out '" +
                  (dir / "out").string() + "' --plot '" + (dir / "out" / "abra.png").string() + "'",
              "env -u XDG_RUNTIME_DIR TMPDIR='" + (dir / "tmp").string() + "' HOME='" +
                  (dir / "home").string() + "'"),
        0)
        << Stderr();
    EXPECT_TRUE(fs::is_empty(dir / "tmp"));
    EXPECT_TRUE(fs::is_empty(dir / "home"));
    std::set<std::string> written;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir / "out")) {
        written.insert(e.path().filename().string());
    }
    EXPECT_EQ(written, (std::set<std::string>{".Brk2017_xdg.lock", "Brk2017_xdg.txt", "abra.png"}));
}

TEST_F(RunnerProgram, ExitStatusesReachTheShell) {
    SIM_SKIP_ON_WINDOWS("started through a POSIX shell; the Windows program has tests of its own");
    const std::string geometry = SaveGeometry(testing::TargetAndDetector(), "m.Brk2017_st");
    EXPECT_EQ(Start("'" + geometry + "' --sources 1,0 --factor -5 --step 50 --out '" +
                    dir.string() + "'"),
              1);
    EXPECT_EQ(Stderr(), "Kiegyensúlyozatlan a rotor!\n    Automatikus leállás!\n");
    testing::WriteFile(dir / "rovid.Brk2017_st", std::string(47, 'x'));
    EXPECT_EQ(Start("'" + (dir / "rovid.Brk2017_st").string() + "' --sources 1,9"), 2);
    EXPECT_EQ(Stderr(), "trelko-runner: " + (dir / "rovid.Brk2017_st").string() +
                            ": Read beyond end of file\n");
    EXPECT_EQ(Start("'" + geometry + "' --sources 1,9 --nope"), 2);
    EXPECT_EQ(Stderr(), "trelko-runner: ismeretlen opció: --nope (lásd: trelko-runner --help)\n");
    EXPECT_EQ(Start("--help"), 0);
    EXPECT_NE(Stdout().find("--plot"), std::string::npos);
    EXPECT_EQ(Start("--version"), 0);
    EXPECT_EQ(Stdout(), "trelko-runner " SIM_PROJECT_VERSION "\n");
}

}  // namespace
}  // namespace sim
