#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/Platform.h"
#include "grade/core/Fit.h"
#include "grade/core/GradeMain.h"
#include "grade/core/Grading.h"
#include "grade/core/Submissions.h"
#include "runner/core/Runner.h"
#include "tests/TestSupport.h"
#include "tests/grade/GeneratedClass.h"

namespace sim {
namespace {

namespace fs = std::filesystem;
using testing::GeneratedContestant;
using testing::ReadFile;
using testing::WriteFile;

using testing::Invocation;

// A class written into a scratch folder, one subfolder per contestant.
class GradedClass : public ::testing::Test {
  protected:
    fs::path Submissions() const { return scratch.Path() / "beadasok"; }
    fs::path Report() const { return scratch.Path() / "jelentes"; }

    void Write(const std::vector<GeneratedContestant>& contestants) {
        for (const GeneratedContestant& c : contestants) {
            testing::WriteContestant(Submissions() / c.Id, c, rig, random);
        }
    }
    // Three saved fields that a series tells apart; the one with the resonant dip, at place
    // `measured`, measured the series.
    static GeneratedContestant Contestant(const std::string& id, std::size_t measured = 1) {
        GeneratedContestant c;
        c.Id = id;
        c.Geometries = {testing::kNoTarget, testing::kScatterBelow, testing::kDipClose};
        c.Geometries[measured] = testing::kDipBetweenShields;
        c.Generating = measured;
        return c;
    }

    // Every contestant's grade, by identifier.
    std::map<std::string, ContestantGrade> Grade(
        const std::optional<OrganiserFactor>& organiser = std::nullopt) {
        std::map<std::string, ContestantGrade> byId;
        for (ContestantGrade& g : GradeClass(
                 FindSubmissions(Submissions().string(), Report().string()), organiser, 2, {})) {
            byId[g.Files.Id] = std::move(g);
        }
        return byId;
    }

    static Invocation Run(const std::vector<std::string>& args) {
        return testing::InvokeMain(GradeMain, args);
    }

    static std::string Joined(const std::vector<std::string>& reasons) {
        std::string text;
        for (const std::string& r : reasons) {
            text += r + "\n";
        }
        return text;
    }

    testing::ScratchFolder scratch{"grade"};
    testing::SeriesRig rig;
    RandomSource random;
};

TEST_F(GradedClass, EachVerdictInTheOrderTheyAreTried) {
    GeneratedContestant ok = Contestant("ok");
    GeneratedContestant broken = Contestant("broken", 2);
    broken.PointsWritten = 25;
    GeneratedContestant other = Contestant("other");
    other.Geometries.erase(other.Geometries.begin() + 1);  // the field measured on is not saved
    other.MeasuredOn = testing::kDipBetweenShields;
    GeneratedContestant none = Contestant("none");
    none.Geometries.clear();
    none.MeasuredOn = testing::kDipBetweenShields;
    GeneratedContestant onlyGeometry = Contestant("onlygeo");
    onlyGeometry.WriteResult = false;
    GeneratedContestant noDetector = Contestant("nodet");
    noDetector.Geometries = {testing::kDipBetweenShields};
    noDetector.Geometries[0][2] = 1123;  // the detector back in its bin
    noDetector.Geometries[0][3] = 215;
    noDetector.MeasuredOn = testing::kDipBetweenShields;
    // Two flat fields: the series fits both, and the report says so.
    GeneratedContestant twin = Contestant("twin", 0);
    twin.Geometries = {testing::kNoTarget, testing::kTargetOffThePath};
    GeneratedContestant malformed = Contestant("bad");
    // Malformed and broken off: the malformed file is reported, not the rest.
    malformed.PointsWritten = 10;
    Write({ok, broken, other, none, onlyGeometry, noDetector, twin, malformed});
    std::string text = ReadFile(Submissions() / "bad" / "Brk2017_bad.txt");
    const std::size_t line7 = [&] {
        std::size_t at = 0;
        for (int n = 1; n < 7; ++n) {
            at = text.find('\n', at) + 1;
        }
        return at;
    }();
    text.replace(line7 + 3, 1, "?");
    WriteFile(Submissions() / "bad" / "Brk2017_bad.txt", text);

    auto grades = Grade();
    ASSERT_EQ(grades.size(), 8u);
    EXPECT_EQ(grades["ok"].Result, Verdict::Ok) << Joined(grades["ok"].Reasons);
    ASSERT_NE(grades["ok"].BestFit(), nullptr);
    EXPECT_EQ(grades["ok"].BestFit()->File.Name, Format("g%zu.Brk2017_ok", ok.Generating + 1));
    EXPECT_EQ(grades["ok"].BestFit()->Ticks, 20);
    EXPECT_EQ(grades["ok"].BestFit()->Dof, 38);

    EXPECT_EQ(grades["broken"].Result, Verdict::Incomplete) << Joined(grades["broken"].Reasons);
    EXPECT_NE(Joined(grades["broken"].Reasons).find("1300 1/s-nál megszakadt"), std::string::npos)
        << Joined(grades["broken"].Reasons);

    EXPECT_EQ(grades["other"].Result, Verdict::NoFit) << Joined(grades["other"].Reasons);
    ASSERT_NE(grades["other"].BestFit(), nullptr);
    EXPECT_LT(*grades["other"].BestFit()->P, 0.001);

    EXPECT_EQ(grades["none"].Result, Verdict::NoGeometry);
    EXPECT_EQ(grades["onlygeo"].Result, Verdict::NoResult);
    EXPECT_EQ(grades["nodet"].Result, Verdict::NoGeometry);
    EXPECT_NE(Joined(grades["nodet"].Reasons).find("Nincs detektor a mérőhelyen"),
              std::string::npos);
    EXPECT_EQ(grades["twin"].Result, Verdict::Ok) << Joined(grades["twin"].Reasons);
    EXPECT_NE(Joined(grades["twin"].Reasons)
                  .find("Más elmentett geometria is illeszkedik, a mérés ezektől nem "
                        "különböztethető meg: g"),
              std::string::npos)
        << Joined(grades["twin"].Reasons);
    EXPECT_EQ(Joined(grades["ok"].Reasons).find("Más elmentett"), std::string::npos);
    EXPECT_EQ(grades["bad"].Result, Verdict::Malformed);
    EXPECT_EQ(grades["bad"].Reasons,
              std::vector<std::string>{
                  "Hibás eredményfájl: bad/Brk2017_bad.txt, 7. sor: nem „alapjel, beütésszám” "
                  "alakú, ahogy a program írja."});
}

TEST_F(GradedClass, TicksPerPointOfFiveTenAndTwentySecondCounts) {
    std::vector<GeneratedContestant> contestants;
    std::size_t measured = 0;
    for (const int seconds : {5, 10, 20}) {
        GeneratedContestant c = Contestant(Format("t%d", seconds), measured++);
        c.Seconds = seconds;
        contestants.push_back(c);
    }
    Write(contestants);
    auto grades = Grade();
    for (const GeneratedContestant& c : contestants) {
        const ContestantGrade& g = grades[c.Id];
        EXPECT_EQ(g.Result, Verdict::Ok) << Joined(g.Reasons);
        ASSERT_NE(g.BestFit(), nullptr);
        EXPECT_EQ(g.BestFit()->Ticks, 2 * c.Seconds) << c.Id;
        EXPECT_EQ(g.BestFit()->File.Name,
                  Format("g%zu.Brk2017_%s", c.Generating + 1, c.Id.c_str()));
    }
}

TEST_F(GradedClass, AContestantWithEightGeometriesIsMatchedToTheOneThatMeasured) {
    GeneratedContestant c = Contestant("eight");
    c.Geometries = {testing::kDipClose,     testing::kDipFar,  testing::kNoTarget,
                    testing::kScatterBelow, testing::kDipHigh, testing::kDipBetweenShields,
                    testing::kDipLow,       testing::kDipWide};
    c.Generating = 5;
    c.Seconds = 20;
    Write({c});
    const ContestantGrade g = Grade()["eight"];
    EXPECT_EQ(g.Result, Verdict::Ok) << Joined(g.Reasons);
    ASSERT_EQ(g.Fits.size(), 8u);
    ASSERT_NE(g.BestFit(), nullptr);
    EXPECT_EQ(g.BestFit()->File.Name, "g6.Brk2017_eight");
    EXPECT_EQ(g.BestFit()->Ticks, 40);
}

TEST_F(GradedClass, ExactModeMustEqualTheTruncatedExpectationWithinOne) {
    GeneratedContestant exact = Contestant("exact");
    exact.Factor = -10000000;
    GeneratedContestant nudged = exact;
    nudged.Id = "nudged";
    GeneratedContestant off = exact;
    off.Id = "off";
    Write({exact, nudged, off});
    // Point 3 (200 1/s) one count up in one file (rounding at a boundary), two up in the other.
    const auto bump = [&](const std::string& id, int by) {
        const fs::path path = Submissions() / id / ("Brk2017_" + id + ".txt");
        std::string text = ReadFile(path);
        const std::size_t at = text.find("       200, ") + 12;
        const int counts = std::stoi(text.substr(at, 10));
        text.replace(at, 10, Format("%10d", counts + by));
        WriteFile(path, text);
    };
    bump("nudged", 1);
    bump("off", 2);

    auto grades = Grade();
    EXPECT_EQ(grades["exact"].Result, Verdict::Ok) << Joined(grades["exact"].Reasons);
    EXPECT_EQ(grades["exact"].BestFit()->Ticks, 1);
    EXPECT_EQ(grades["nudged"].Result, Verdict::Ok) << Joined(grades["nudged"].Reasons);
    EXPECT_EQ(grades["off"].Result, Verdict::NoFit);
    EXPECT_NE(Joined(grades["off"].Reasons).find("Pontos mód: 200 1/s-nál a beütésszám"),
              std::string::npos)
        << Joined(grades["off"].Reasons);
}

TEST_F(GradedClass, TheOrganisersFactorFileFlagsAnotherFactorOrStep) {
    GeneratedContestant same = Contestant("same");
    GeneratedContestant factor = Contestant("factor");
    factor.Factor = 300;
    GeneratedContestant step = Contestant("step");
    step.Step = 100;
    Write({same, factor, step});
    auto grades = Grade(OrganiserFactor{200, 50});
    EXPECT_FALSE(grades["same"].FactorDiffers || grades["same"].StepDiffers);
    EXPECT_TRUE(grades["factor"].FactorDiffers);
    EXPECT_FALSE(grades["factor"].StepDiffers);
    EXPECT_EQ(grades["factor"].Reasons.front(),
              "A Faktor (300) eltér a szervezők faktor.txt fájljában megadottól (200).");
    EXPECT_TRUE(grades["step"].StepDiffers);
    EXPECT_EQ(grades["step"].Reasons.front(),
              "A lépésköz (100) eltér a szervezők faktor.txt fájljában megadottól (50).");
    // The flag does not change what the counts say.
    for (const char* id : {"same", "factor", "step"}) {
        EXPECT_EQ(grades[id].Result, Verdict::Ok) << id;
    }

    // Through the command: the file is read as the program reads faktor.txt.
    WriteFile(scratch.Path() / "faktor.txt", "200\r\n50\r\n1e-6\r\n");
    const Invocation run = Run({Submissions().string(), "--out", Report().string(), "--quiet",
                                "--faktor", (scratch.Path() / "faktor.txt").string()});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string html = ReadFile(Report() / "index.html");
    EXPECT_NE(html.find("<td class=\"differs\">300</td>"), std::string::npos);
    EXPECT_NE(html.find("<td class=\"differs\">100</td>"), std::string::npos);
}

TEST_F(GradedClass, MalformedFilesOfEveryKindNameTheirLine) {
    const std::string good = testing::SeriesText(Contestant("x"), rig, random);
    const std::map<std::string, std::pair<std::string, std::string>> files = {
        {"empty", {"", "1. sor: üres fájl"}},
        {"cut", {good.substr(0, good.size() - 5), "40. sor: a sor vége hiányzik"}},
        {"binary",
         {std::string("\x7f"
                      "ELF\x02\x01\x01\0\0\0",
                      10) +
              good,
          "1. sor: nem „Faktor="}},
        {"skipped",
         {good.substr(0, good.find("       250,")) + good.substr(good.find("       300,")),
          "5. sor: az alapjel 300, a sorozatban itt 250 következik"}},
        {"huge", {good + std::string(2 << 20, '7'), "41. sor: a fájl túl nagy"}},
        {"lonecr",
         {good.substr(0, 40) + "\r" + good.substr(40), "2. sor: a sorvég nem CR LF vagy LF"}},
    };
    for (const auto& [id, file] : files) {
        fs::create_directories(Submissions() / id);
        WriteFile(Submissions() / id / ("Brk2017_" + id + ".txt"), file.first);
        ASSERT_FALSE(SaveGeometryFile((Submissions() / id / ("g.Brk2017_" + id)).string(),
                                      testing::kDipBetweenShields));
    }
    auto grades = Grade();
    ASSERT_EQ(grades.size(), files.size());
    for (const auto& [id, file] : files) {
        EXPECT_EQ(grades[id].Result, Verdict::Malformed) << id;
        ASSERT_EQ(grades[id].Reasons.size(), 1u) << id;
        EXPECT_NE(grades[id].Reasons[0].find(file.second), std::string::npos)
            << id << ": " << grades[id].Reasons[0];
    }
}

// The files the program itself writes, through the window's own logic on the virtual clock.
TEST_F(GradedClass, TheProgramsOwnSeriesAreGradedAsMeasured) {
    const GeometryValues field = {536, 160, 716, 160, 1095, 312, 1125, 312, 1154, 312, 1183, 312};
    for (const std::string& id : {std::string("win"), std::string("winexact")}) {
        const fs::path folder = Submissions() / id;
        fs::create_directories(folder);
        const std::string geometry = (folder / ("minta.Brk2017_" + id)).string();
        ASSERT_FALSE(SaveGeometryFile(geometry, field));
        ASSERT_FALSE(
            SaveGeometryFile((folder / ("masik.Brk2017_" + id)).string(), testing::kNoTarget));
        std::vector<std::string> args = {geometry, "--sources", "1,9",   "--factor",     "200",
                                         "--step", "50",        "--out", folder.string()};
        if (id == "winexact") {
            args.push_back("--exact");
        } else {
            args.insert(args.end(), {"--time", "10"});
        }
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(RunnerMain(args, out, err), 0) << err.str();
    }
    auto grades = Grade();
    EXPECT_EQ(grades["win"].Result, Verdict::Ok) << Joined(grades["win"].Reasons);
    EXPECT_EQ(grades["win"].BestFit()->File.Name, "minta.Brk2017_win");
    EXPECT_EQ(grades["win"].BestFit()->Ticks, 20);
    EXPECT_EQ(grades["winexact"].Result, Verdict::Ok) << Joined(grades["winexact"].Reasons);
    EXPECT_EQ(grades["winexact"].BestFit()->File.Name, "minta.Brk2017_winexact");
    EXPECT_EQ(grades["winexact"].Series->Factor, -200);
    // The window's own exact counts are the grader's expectation truncated, to the count.
    const ContestantGrade& exact = grades["winexact"];
    ASSERT_EQ(exact.Series->Points.size(), 39u);
    for (std::size_t k = 0; k < exact.Series->Points.size(); ++k) {
        EXPECT_EQ(exact.Series->Points[k].Counts, ExactCount(exact.BestFit()->PerTick[k])) << k;
    }
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << "rows end in CR LF";
        line.pop_back();
        std::vector<std::string> cells(1);
        for (const char c : line) {
            if (c == ',') {
                cells.emplace_back();
            } else {
                cells.back() += c;
            }
        }
        rows.push_back(cells);
    }
    return rows;
}

// Three contestants: a broken-off series, a complete one measured on its third field, and
// geometry without a result file.
class SmallClass : public GradedClass {
  protected:
    void SetUp() override {
        GeneratedContestant a = Contestant("a");
        a.PointsWritten = 3;
        GeneratedContestant c = Contestant("c");
        c.WriteResult = false;
        Write({Contestant("b", 2), a, c});
    }
    // Every file and folder under the scratch folder with its size, but those under `skip`.
    std::vector<std::string> Tree(const fs::path& skip) const {
        std::vector<std::string> entries;
        for (const auto& e : fs::recursive_directory_iterator(scratch.Path())) {
            if (e.path().string().rfind(skip.string(), 0) != 0) {
                entries.push_back(e.path().string() + ":" +
                                  std::to_string(e.is_regular_file() ? e.file_size() : 0));
            }
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }
};

TEST_F(SmallClass, TheCommandWritesIntoItsReportFolderOnly) {
    // The report folder inside the submissions is left out of the search.
    const fs::path inside = Submissions() / "jelentes";
    const auto before = Tree(inside);
    Invocation run = Run({Submissions().string(), "--out", inside.string(), "--jobs", "2"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(Tree(inside), before);
    EXPECT_NE(run.Err.find("\rÉrtékelés: 3/3 versenyző"), std::string::npos) << run.Err;
    EXPECT_EQ(run.Out, "3 versenyző, 1 hiányos, 1 rendben, 1 nincs eredmény\nÖsszesítő: " +
                           (inside / "osszesito.csv").string() +
                           "\nJelentés: " + (inside / "index.html").string() + "\n");

    // Only the summary, and quietly.
    fs::remove_all(inside);
    run = Run({Submissions().string(), "--out", inside.string(), "--csv-only", "--quiet"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(Tree(inside), before);
    EXPECT_TRUE(fs::exists(inside / "osszesito.csv"));
    EXPECT_FALSE(fs::exists(inside / "index.html"));
}

TEST_F(SmallClass, OneRowAndOneSectionPerContestantInIdentifierOrder) {
    ASSERT_EQ(Run({Submissions().string(), "--out", Report().string(), "--quiet"}).Status, 0);
    const auto rows = CsvRows(ReadFile(Report() / "osszesito.csv"));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"azonosító", "ítélet", "geometria", "ütem/pont",
                                                 "faktor", "lépésköz", "pontok", "teljes", "khi2",
                                                 "szabadsági fok", "p", "megjegyzés"}));
    EXPECT_EQ(
        (std::vector<std::string>(rows[1].begin(), rows[1].begin() + 8)),
        (std::vector<std::string>{"a", "hiányos", "g2.Brk2017_a", "20", "200", "50", "3", "nem"}));
    EXPECT_EQ((std::vector<std::string>(rows[2].begin(), rows[2].begin() + 8)),
              (std::vector<std::string>{"b", "rendben", "g3.Brk2017_b", "20", "200", "50", "39",
                                        "igen"}));
    EXPECT_EQ(rows[2][9], "38");
    EXPECT_EQ(rows[3], (std::vector<std::string>{"c", "nincs eredmény", "", "", "", "", "", "", "",
                                                 "", "", ""}));

    const std::string html = ReadFile(Report() / "index.html");
    for (const char* anchor : {"v1", "v2", "v3"}) {
        EXPECT_NE(html.find(Format("<a href=\"#%s\">", anchor)), std::string::npos) << anchor;
        EXPECT_NE(html.find(Format("<section class=\"contestant\" id=\"%s\">", anchor)),
                  std::string::npos)
            << anchor;
    }
    EXPECT_EQ(html.find("http://"), html.find("http://www.w3.org/2000/svg")) << "no other link";
}

TEST_F(GradedClass, BadCommandLinesEndWithOneHungarianLineAndStatusTwo) {
    fs::create_directories(Submissions());
    const std::string s = Submissions().string();
    const std::string out = Report().string();
    WriteFile(scratch.Path() / "rossz.txt", "kétszáz\n");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "hiányzik a beadások mappája (lásd: trelko-grade --help)"},
        {{s}, "hiányzik az --out (a jelentés mappája)"},
        {{s, "--out"}, "a(z) --out opció értéke hiányzik"},
        {{s, "--out", out, "--verbose"}, "ismeretlen opció: --verbose (lásd: trelko-grade --help)"},
        {{s, s, "--out", out}, "egynél több beadásmappa: \"" + s + "\""},
        {{s, "--out", out, "--jobs", "0"},
         "--jobs: a szálak száma 1 és 256 közötti egész szám: \"0\""},
        {{s, "--out", out, "--jobs=két"},
         "--jobs: a szálak száma 1 és 256 közötti egész szám: \"két\""},
        {{(scratch.Path() / "nincs").string(), "--out", out},
         (scratch.Path() / "nincs").string() + ": nincs ilyen mappa"},
        {{s, "--out", out, "--faktor", (scratch.Path() / "nincs.txt").string()},
         (scratch.Path() / "nincs.txt").string() + ": nem található"},
        {{s, "--out", out, "--faktor", (scratch.Path() / "nagy.txt").string()},
         (scratch.Path() / "nagy.txt").string() + ": túl nagy fájl (legfeljebb 64 KiB lehet)"},
    };
    WriteFile(scratch.Path() / "nagy.txt", "200\r\n50\r\n" + std::string(64 * 1024, '\n'));
    for (const auto& [args, message] : cases) {
        const Invocation run = Run(args);
        EXPECT_EQ(run.Status, 2) << message;
        EXPECT_EQ(run.Err, "trelko-grade: " + message + "\n");
        EXPECT_EQ(run.Out, "");
    }
    const Invocation bad =
        Run({s, "--out", out, "--faktor", (scratch.Path() / "rossz.txt").string()});
    EXPECT_EQ(bad.Status, 2);
    EXPECT_EQ(bad.Err.rfind("trelko-grade: " + (scratch.Path() / "rossz.txt").string() + ": ", 0),
              0u)
        << bad.Err;
    EXPECT_FALSE(fs::exists(Report())) << "nothing is written for a bad command";

    // The report folder is made, but nothing above it, and a file is not a folder.
    const fs::path noParent = scratch.Path() / "nincs" / "jelentes";
    const fs::path file = scratch.Path() / "rossz.txt";
    EXPECT_EQ(Run({s, "--out", noParent.string()}).Err,
              "trelko-grade: " + noParent.string() + ": a mappa nem hozható létre (nem létezik)\n");
    EXPECT_EQ(Run({s, "--out", file.string()}).Err,
              "trelko-grade: " + file.string() +
                  ": ezen a néven már egy fájl áll, nem mappa; adj meg másik --out mappát\n");
    const std::string device = platform::kWindows ? "NUL" : "/dev/null";
    EXPECT_EQ(Run({s, "--out", device}).Err,
              "trelko-grade: " + device +
                  ": ezen a néven már áll valami, ami nem mappa (ez egy eszköz, nem közönséges "
                  "fájl)\n");
    EXPECT_FALSE(fs::exists(scratch.Path() / "nincs"));

    const Invocation help = Run({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_EQ(help.Out.rfind("Használat: trelko-grade [opciók] BEADÁSOK\n", 0), 0u);
    const Invocation version = Run({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, "trelko-grade " SIM_PROJECT_VERSION "\n");
}

}  // namespace
}  // namespace sim
