#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "grade/core/GradeMain.h"
#include "runner/core/Runner.h"
#include "tests/TestSupport.h"
#include "tests/grade/GeneratedClass.h"
#include "tests/runner/RunnerTestSupport.h"
#include "tests/translations/LanguageTestSupport.h"

namespace sim {
namespace {

namespace fs = std::filesystem;
using testing::HasHungarianLetter;
using testing::Invocation;
using testing::ReadFile;
using testing::ScopedLanguage;

// The same run in two languages, each in its own folder: what they write and what they say.
class BothLanguages : public testing::RunnerFolder {
  protected:
    struct Run {
        Invocation Said;
        fs::path Folder;
    };
    Run RunnerIn(const std::string& language, const std::vector<std::string>& options) {
        const fs::path folder = dir / language;
        fs::create_directories(folder);
        ScopedLanguage in(language);
        std::vector<std::string> args = {geometry, "--out", folder.string(), "--csv",
                                         (folder / "pontok.csv").string()};
        args.insert(args.end(), options.begin(), options.end());
        return {testing::Invoke(args), folder};
    }

    std::string geometry = SaveGeometry(testing::TargetAndDetector(), "m.Brk2017_nyelv");
};

TEST_F(BothLanguages, TheRunnersFilesAreTheSameBytesOnlyWhatItSaysIsEnglish) {
    const std::vector<std::string> series = {"--sources", "1,9", "--factor", "200",
                                             "--step",    "250", "--time",   "2"};
    const Run hungarian = RunnerIn("hu", series);
    const Run english = RunnerIn("en", series);
    ASSERT_EQ(hungarian.Said.Status, 0) << hungarian.Said.Err;
    ASSERT_EQ(english.Said.Status, 0) << english.Said.Err;

    const std::string result = ReadFile(hungarian.Folder / "Brk2017_nyelv.txt");
    ASSERT_EQ(result.substr(0, 8), "Faktor= ");
    EXPECT_EQ(ReadFile(english.Folder / "Brk2017_nyelv.txt"), result);
    const std::string csv = ReadFile(hungarian.Folder / "pontok.csv");
    EXPECT_EQ(csv.substr(0, csv.find('\r')), "alapjel (1/s),beütésszám,várható beütésszám,szórás");
    EXPECT_EQ(ReadFile(english.Folder / "pontok.csv"), csv);

    EXPECT_EQ(hungarian.Said.Out,
              "Eredményfájl: " + (hungarian.Folder / "Brk2017_nyelv.txt").string() + "\n");
    EXPECT_EQ(english.Said.Out,
              "Result file: " + (english.Folder / "Brk2017_nyelv.txt").string() + "\n");
}

TEST_F(BothLanguages, TheRunnersMessagesHelpAndPlotAreEnglish) {
    const Run unbalanced = RunnerIn("en", {"--sources", "1,0", "--speed", "500"});
    EXPECT_EQ(unbalanced.Said.Status, 1);
    EXPECT_EQ(unbalanced.Said.Err, "The rotor is unbalanced!\n    Automatic stop!\n");

    ScopedLanguage english("en");
    const Invocation bad = testing::Invoke({geometry, "--sources", "1,9", "--time", "0"});
    EXPECT_EQ(bad.Status, 2);
    EXPECT_EQ(
        bad.Err,
        "trelko-runner: --time: the counting time is a whole number from 1 to 86400: \"0\"\n");

    const Invocation help = testing::Invoke({"--help"});
    EXPECT_EQ(help.Out.rfind("Usage: trelko-runner [options] GEOMETRYFILE\n", 0), 0U) << help.Out;
    EXPECT_NE(
        help.Out.find("--time S               counting time, s, from 1 to 86400 (default 10)"),
        std::string::npos)
        << "the numbers are filled in the translation too";
    EXPECT_FALSE(HasHungarianLetter(help.Out)) << help.Out;

    const Invocation plotted =
        testing::Invoke({geometry, "--sources", "1,9", "--step", "500", "--time", "1", "--out",
                         dir.string(), "--plot", (dir / "g.svg").string()});
    ASSERT_EQ(plotted.Status, 0) << plotted.Err;
    const std::string svg = ReadFile(dir / "g.svg");
    for (const char* label : {">Rotor speed (1/s)<", ">Counts<", ">expected<",
                              "Brk2017_nyelv   (Faktor= 200, counting time 1 s)"}) {
        EXPECT_NE(svg.find(label), std::string::npos) << label;
    }
    EXPECT_FALSE(HasHungarianLetter(svg));
}

// A small class graded in both languages: the summary file the same, the report English.
TEST_F(BothLanguages, TheGradingSummaryIsTheSameFileTheReportIsEnglish) {
    testing::SeriesRig rig;
    RandomSource random;
    testing::GeneratedContestant ok;
    ok.Id = "jo";
    ok.Geometries = {testing::kNoTarget, testing::kDipBetweenShields};
    ok.Generating = 1;
    testing::GeneratedContestant cut = ok;
    cut.Id = "felbe";
    cut.PointsWritten = 5;
    testing::WriteContestant(dir / "beadasok" / ok.Id, ok, rig, random);
    testing::WriteContestant(dir / "beadasok" / cut.Id, cut, rig, random);

    std::string said[2];
    for (const char* language : {"hu", "en"}) {
        ScopedLanguage in(language);
        std::ostringstream out;
        std::ostringstream err;
        const int status = GradeMain({(dir / "beadasok").string(), "--out",
                                      (dir / language).string(), "--quiet", "--jobs", "2"},
                                     out, err);
        ASSERT_EQ(status, 0) << err.str();
        said[std::string(language) == "en" ? 1 : 0] = out.str();
    }
    const std::string csv = ReadFile(dir / "hu" / "osszesito.csv");
    EXPECT_EQ(csv.substr(0, csv.find('\r')),
              "azonosító,ítélet,geometria,ütem/pont,faktor,lépésköz,pontok,teljes,khi2,szabadsági "
              "fok,p,megjegyzés");
    EXPECT_NE(csv.find(",hiányos,"), std::string::npos) << csv;
    EXPECT_EQ(ReadFile(dir / "en" / "osszesito.csv"), csv);

    const std::string report = ReadFile(dir / "en" / "index.html");
    for (const char* part : {"<html lang=\"en\">", ">Summary</h3>", ">verdict</th>", ">incomplete<",
                             ">ok<", "Best fitting geometry: g2.Brk2017_jo",
                             "The series broke off at 300 1/s", ">back to the summary</a>"}) {
        EXPECT_NE(report.find(part), std::string::npos) << part;
    }
    EXPECT_NE(ReadFile(dir / "hu" / "index.html").find("<html lang=\"hu\">"), std::string::npos);
    EXPECT_EQ(said[1].substr(0, said[1].find('\n')), "2 contestants, 1 incomplete, 1 ok");
    EXPECT_EQ(said[0].substr(0, said[0].find('\n')), "2 versenyző, 1 hiányos, 1 rendben");
}

// The programs as an organiser starts them: --lang and TRELKO_LANG reach them, and the
// option is never taken for one of their own.
int Start(const std::string& command, const fs::path& out, const fs::path& err) {
    const int status =
        std::system((command + " >'" + out.string() + "' 2>'" + err.string() + "'").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(BothLanguages, TheCommandsTakeTheLanguageFromTheOptionOrTheVariable) {
    const fs::path out = dir / "stdout";
    const fs::path err = dir / "stderr";
    const std::string runner = std::string("'") + TRELKO_RUNNER + "'";
    const std::string grade = std::string("'") + TRELKO_GRADE + "'";

    EXPECT_EQ(Start(runner + " --lang en --bogus", out, err), 2);
    EXPECT_EQ(ReadFile(err),
              "trelko-runner: unknown option: --bogus (see: trelko-runner --help)\n");
    EXPECT_EQ(Start("env TRELKO_LANG=en " + grade, out, err), 2);
    EXPECT_EQ(ReadFile(err),
              "trelko-grade: the submissions folder is missing (see: trelko-grade --help)\n");
    EXPECT_EQ(Start("env TRELKO_LANG=en " + grade + " --lang=hu", out, err), 2);
    EXPECT_EQ(ReadFile(err),
              "trelko-grade: hiányzik a beadások mappája (lásd: trelko-grade --help)\n");

    EXPECT_EQ(Start(runner + " --lang xx --bogus", out, err), 2);
    EXPECT_EQ(ReadFile(err),
              "trelko-runner: ismeretlen nyelv (--lang): \"xx\" (választható: hu, de, en); a "
              "program magyarul szól\n"
              "trelko-runner: unknown language (--lang): \"xx\" (one of: hu, de, en); the "
              "program speaks Hungarian\n"
              "trelko-runner: ismeretlen opció: --bogus (lásd: trelko-runner --help)\n");
}

}  // namespace
}  // namespace sim
