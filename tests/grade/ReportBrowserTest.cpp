#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cstdlib>
#include <optional>
#include <regex>
#include <sstream>
#include <string>

#include "grade/core/GradeMain.h"
#include "tests/PosixOnly.h"
#include "tests/TestSupport.h"
#include "tests/grade/GeneratedClass.h"

namespace sim {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> OnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const fs::path candidate = fs::path(folder) / name;
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return std::nullopt;
}

// The browser, headless, with a profile of its own and nothing that reaches for the network.
int Browse(const fs::path& browser, const fs::path& scratch, const std::string& what,
           const fs::path& page) {
    const std::string command =
        "timeout 120 '" + browser.string() +
        "' --headless --no-sandbox --disable-gpu --disable-background-networking "
        "--disable-component-update --disable-sync --no-first-run --hide-scrollbars "
        "--user-data-dir='" +
        (scratch / "profile").string() + "' " + what + " 'file://" + page.string() + "' >'" +
        (scratch / "browser.log").string() + "' 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int CountPixels(const QImage& image, const std::function<bool(const QColor&)>& match) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += match(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return n;
}

// The report as organisers see it: opened in a real browser engine, on screen and printed.
TEST(ReportInABrowser, ShowsTheVerdictsPlotsAndFieldsAndPrintsOneContestantPerPage) {
    SIM_SKIP_ON_WINDOWS("the browser that renders the report is Debian's chromium");
    const auto browser = OnPath("chromium");
    if (!browser) {
        GTEST_SKIP() << "chromium is not installed (bash scripts/deps.sh installs it)";
    }
    testing::ScratchFolder scratch("grade-browser");
    const fs::path submissions = scratch.Path() / "beadasok";
    testing::SeriesRig rig;
    RandomSource random;
    testing::GeneratedContestant ok;
    ok.Id = "a";
    ok.Geometries = {testing::kNoTarget, testing::kDipBetweenShields, testing::kScatterBelow};
    ok.Generating = 1;
    testing::GeneratedContestant broken = ok;
    broken.Id = "b";
    broken.PointsWritten = 12;
    // The longest section: eight saved fields in the table.
    testing::GeneratedContestant eight = ok;
    eight.Id = "c";
    eight.Geometries = {testing::kDipClose,     testing::kDipFar,  testing::kNoTarget,
                        testing::kScatterBelow, testing::kDipHigh, testing::kDipBetweenShields,
                        testing::kDipLow,       testing::kDipWide};
    eight.Generating = 5;
    for (const auto& c : {ok, broken, eight}) {
        testing::WriteContestant(submissions / c.Id, c, rig, random);
    }
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(GradeMain({submissions.string(), "--out", (scratch.Path() / "jelentes").string(),
                         "--quiet"},
                        out, err),
              0)
        << err.str();
    const fs::path page = scratch.Path() / "jelentes" / "index.html";

    const fs::path shot = scratch.Path() / "shot.png";
    ASSERT_EQ(Browse(*browser, scratch.Path(),
                     "--window-size=1000,2600 --screenshot='" + shot.string() + "'", page),
              0)
        << testing::ReadFile(scratch.Path() / "browser.log");
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(shot.string()), "PNG"));
    EXPECT_EQ(image.width(), 1000);
    EXPECT_EQ(image.height(), 2600);
    const auto exactly = [](int r, int g, int b) {
        return [=](const QColor& c) { return c.red() == r && c.green() == g && c.blue() == b; };
    };
    EXPECT_GT(CountPixels(image, exactly(0xd3, 0xef, 0xd3)), 300) << "rendben, coloured";
    EXPECT_GT(CountPixels(image, exactly(0xff, 0xee, 0xb8)), 300) << "hiányos, coloured";
    EXPECT_GT(CountPixels(
                  image,
                  [](const QColor& c) { return c.red() > 150 && c.green() < 80 && c.blue() < 80; }),
              12 * 20)
        << "the measured points with their error bars";
    EXPECT_GT(CountPixels(image, exactly(192, 192, 192)), 40000) << "the rotor disc";
    EXPECT_GT(CountPixels(image, exactly(0, 0, 255)), 1500) << "the mercury target";
    EXPECT_GT(CountPixels(image, exactly(255, 0, 255)), 1500) << "the detector";

    // Printed: the class table on the first page, then one page per contestant.
    const fs::path pdf = scratch.Path() / "jelentes.pdf";
    ASSERT_EQ(Browse(*browser, scratch.Path(),
                     "--no-pdf-header-footer --print-to-pdf='" + pdf.string() + "'", page),
              0)
        << testing::ReadFile(scratch.Path() / "browser.log");
    const std::string document = testing::ReadFile(pdf);
    const std::regex pageObject("/Type\\s*/Page[^s]");
    EXPECT_EQ(std::distance(std::sregex_iterator(document.begin(), document.end(), pageObject),
                            std::sregex_iterator()),
              4);
}

}  // namespace
}  // namespace sim
