#include <gtest/gtest.h>

#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "common/Format.h"
#include "runner/core/Runner.h"
#include "runner/core/RunnerOptions.h"
#include "common/Platform.h"
#include "tests/runner/RunnerTestSupport.h"

namespace sim {
namespace {

namespace fs = std::filesystem;
using testing::Invocation;
using testing::Invoke;
using testing::ReadFile;
using testing::WriteFile;

std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << "rows end in CR LF";
        line.pop_back();
        std::vector<std::string> cells;
        std::istringstream fields(line);
        std::string cell;
        while (std::getline(fields, cell, ',')) {
            cells.push_back(cell);
        }
        rows.push_back(cells);
    }
    return rows;
}

class Runner : public testing::RunnerFolder {
  protected:
    // The contestant in the window: the same geometry, sources and factor file, the same
    // handlers in the same order on a virtual clock. Returns the window's result file.
    std::string RunWindow(const std::string& geometryPath, int first, int second,
                          const std::string& factor, int seconds, bool autoStop,
                          std::int32_t* counter = nullptr) {
        const fs::path windowDir = dir / "window";
        fs::create_directories(windowDir);
        WriteFile(windowDir / "faktor.txt", factor);
        VirtualClock clock;
        testing::WindowForm form(clock, windowDir.string() + "/");
        form.Model.ParticipantId = "Brk2017_cmp";
        form.OpenAnswer = geometryPath;
        form.Button2Click();
        auto marker = [&](int place, FieldItem& bin) -> FieldItem& {
            return place == 1 ? form.Shape2 : place == 9 ? form.Shape3 : bin;
        };
        form.DragDrop(marker(first, form.Shape1), form.Image2, 3, 4);
        form.DragDrop(marker(second, form.Shape4), form.Image3, 3, 4);
        form.BitBtn8Click();
        form.BitBtn1Click();
        clock.RunUntil([&] { return form.BitBtn3.Enabled; });
        form.Edit5.Text = std::to_string(seconds);
        form.CheckBox1.Checked = autoStop;
        form.CheckBox1Click();
        form.BitBtn5Click();
        if (form.Model.SpeedStep == 0) {
            clock.RunUntil([&] { return !form.Model.MeasurementOn; });
        }
        if (counter != nullptr) {
            *counter = form.Model.CounterValue;
        }
        EXPECT_TRUE(form.Messages.empty());
        return ReadFile(windowDir / "Brk2017_cmp.txt");
    }

    // The exact expectation of one tick at a reached set point, evaluated directly.
    double RateAt(const GeometryValues& values, double speed) {
        VirtualClock clock;
        testing::WindowForm form(clock, {});
        ApplyGeometry(values, form.Components, form.Model.Slots);
        form.Shape2DragDrop(form.Shape2, form.Image2, 0, 0);
        form.Shape2DragDrop(form.Shape3, form.Image3, 0, 0);
        form.Model.RotorDriveOn = true;
        form.Model.RotorSpeed = speed;
        EXPECT_TRUE(form.Model.EvaluateApparatus());
        return form.Model.DetectorRate;
    }

    std::string Out() const { return (dir / "out").string(); }
    void SetUp() override {
        RunnerFolder::SetUp();
        fs::create_directories(dir / "out");
        geometry = SaveGeometry(testing::TargetAndDetector(), "minta.Brk2017_cmp");
    }
    std::string geometry;
};

TEST_F(Runner, WritesTheWindowsResultFileByteForByte) {
    struct Case {
        std::string Factor;
        std::vector<std::string> Options;
        int Seconds;
        int First, Second;
    };
    const std::vector<Case> cases = {
        {"200\n50\n", {"--factor", "200", "--step", "50"}, 1, 1, 9},
        {"-200\n50\n", {"--factor", "200", "--step", "50", "--exact"}, 1, 1, 9},
        {"75\n300\n2e-5\n", {"--factor", "75", "--step", "300", "--pressure", "2e-5"}, 2, 9, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Factor);
        const std::string window =
            RunWindow(geometry, c.First, c.Second, c.Factor, c.Seconds, true);
        std::vector<std::string> args = {geometry,
                                         "--sources",
                                         std::to_string(c.First) + "," + std::to_string(c.Second),
                                         "--time",
                                         std::to_string(c.Seconds),
                                         "--out",
                                         Out()};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const Invocation run = Invoke(args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Out, "Eredményfájl: " + platform::TextOf(dir / "out" / "Brk2017_cmp.txt") +
                               "\n");
        const std::string runner = ReadFile(dir / "out" / "Brk2017_cmp.txt");
        EXPECT_GT(runner.size(), 40U);
        EXPECT_EQ(runner, window);
    }

    // A factor file given as a file is read as the window reads it.
    WriteFile(dir / "given.txt", "$c8\r\n50\r\n");
    const std::string window = RunWindow(geometry, 1, 9, "$c8\r\n50\r\n", 1, true);
    const Invocation run = Invoke({geometry, "--sources", "1,9", "--time", "1", "--out", Out(),
                                   "--factor-file", (dir / "given.txt").string()});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReadFile(dir / "out" / "Brk2017_cmp.txt"), window);
    EXPECT_EQ(window.substr(0, 20), "Faktor=        200\r\n");
}

TEST_F(Runner, SingleMeasurementPrintsCounterAndTimeLikeTheWindow) {
    std::int32_t counter = 0;
    RunWindow(geometry, 1, 9, "150\n", 3, true, &counter);
    EXPECT_GT(counter, 0);
    const std::string expected = "Számláló: " + std::to_string(counter) + "\nMérési idő (s): 3.0\n";
    for (const char* stop : {"--auto-stop", "--no-auto-stop"}) {
        const Invocation run =
            Invoke({geometry, "--sources", "1,9", "--factor", "150", "--time", "3", stop, "--out",
                    Out(), "--csv", (dir / "one.csv").string()});
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Out, expected) << stop;
        const auto rows = ReadCsv(ReadFile(dir / "one.csv"));
        ASSERT_EQ(rows.size(), 2U);
        EXPECT_EQ(rows[1][1], std::to_string(counter));
        EXPECT_EQ(rows[1][0], "0") << "the rotor was never started";
    }
    EXPECT_FALSE(fs::exists(dir / "out" / "Brk2017_cmp.txt")) << "no result file for one count";
}

TEST_F(Runner, ExactModeGivesTheEvaluatedRateAndCsvHasItsColumns) {
    const Invocation run = Invoke({geometry, "--sources", "1,9", "--factor", "200", "--step", "50",
                                   "--exact", "--out", Out(), "--csv", (dir / "e.csv").string()});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto rows = ReadCsv(ReadFile(dir / "e.csv"));
    ASSERT_EQ(rows.size(), 40U);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"alapjel (1/s)", "beütésszám",
                                                 "várható beütésszám", "szórás"}));
    std::string resultFile = "Faktor=       -200\r\n";
    for (int i = 1; i <= 39; ++i) {
        const double setpoint = 100 + 50 * (i - 1);
        const double expected = 200 * RateAt(testing::TargetAndDetector(), setpoint);
        ASSERT_EQ(rows[i].size(), 4U);
        EXPECT_EQ(rows[i][0], Format("%.0f", setpoint));
        EXPECT_EQ(rows[i][1], std::to_string(static_cast<std::int32_t>(expected)));
        EXPECT_NEAR(std::stod(rows[i][2]), expected, 1e-4);
        EXPECT_NEAR(std::stod(rows[i][3]), std::sqrt(expected), 1e-4);
        resultFile += Format("%10.0f, %10d\r\n", setpoint, static_cast<std::int32_t>(expected));
    }
    EXPECT_EQ(ReadFile(dir / "out" / "Brk2017_cmp.txt"), resultFile);
    EXPECT_NE(rows[1][1], rows[39][1]) << "the rate depends on the speed";
}

TEST_F(Runner, RandomCsvSumsTheExpectationOverEachPointsTicks) {
    const Invocation run =
        Invoke({geometry, "--sources", "1,9", "--factor", "200", "--step", "100", "--time", "2",
                "--out", Out(), "--csv", (dir / "r.csv").string()});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto rows = ReadCsv(ReadFile(dir / "r.csv"));
    const std::string result = ReadFile(dir / "out" / "Brk2017_cmp.txt");
    ASSERT_EQ(rows.size(), 21U);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const double setpoint = std::stod(rows[i][0]);
        const double expected = 4 * 200 * RateAt(testing::TargetAndDetector(), setpoint);
        EXPECT_NEAR(std::stod(rows[i][2]), expected, 1e-3) << "four ticks of 0.5 s";
        const double counts = std::stod(rows[i][1]);
        EXPECT_LT(std::fabs(counts - expected), 6 * std::sqrt(expected));
        EXPECT_NE(result.find(Format("%10.0f, %10d\r\n", setpoint, std::stoi(rows[i][1]))),
                  std::string::npos)
            << "the CSV counts are the result file's";
    }
}

TEST_F(Runner, SvgPlotIsAWellFormedImageOfTheStatedSize) {
    const std::string svgPath = (dir / "g.SVG").string();
    ASSERT_EQ(Invoke({geometry, "--sources", "1,9", "--factor", "200", "--step", "100", "--time",
                      "1", "--out", Out(), "--plot", svgPath})
                  .Status,
              0);
    QXmlStreamReader xml(QByteArray::fromStdString(ReadFile(svgPath)));
    int circles = 0;
    bool sized = false;
    bool labelled = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QStringLiteral("svg")) {
            sized = xml.attributes().value("width") == QString::number(kPlotWidth) &&
                    xml.attributes().value("height") == QString::number(kPlotHeight);
        } else if (xml.isStartElement() && xml.name() == QStringLiteral("circle")) {
            ++circles;
        } else if (xml.isCharacters() && xml.text() == QString::fromUtf8(kPlotXLabel.Source)) {
            labelled = true;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(sized);
    EXPECT_TRUE(labelled);
    EXPECT_EQ(circles, 20 + 1) << "a dot per point and the legend's";
}

TEST_F(Runner, IncompleteFieldOrUnbalancedRotorEndsWithTheWindowsMessage) {
    struct Case {
        GeometryValues Geometry;
        std::string Sources;
        std::string Message;
        std::string Result;  // what the result file holds
    };
    const std::vector<Case> cases = {
        {testing::TargetAndDetector(), "0,0", "Nincs forrás elhelyezve\n",
         "Faktor=        100\r\n       100,          0\r\n"},
        {testing::AllInBins(), "1,9", "Nincs semmilyen elem a mérőhelyen\n",
         "Faktor=        100\r\n       100,          0\r\n"},
        {testing::TargetOnly(), "1,9", "Nincs detektor a mérőhelyen\n",
         "Faktor=        100\r\n       100,          0\r\n"},
        {testing::TargetAndDetector(), "1,0",
         "Kiegyensúlyozatlan a rotor!\n    Automatikus leállás!\n", "Faktor=        100\r\n"},
    };
    std::string previous;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const Case& c = cases[k];
        SCOPED_TRACE(c.Message);
        const std::string path = SaveGeometry(c.Geometry, "hibas.Brk2017_h");
        const Invocation run = Invoke({path, "--sources", c.Sources, "--factor", "100", "--step",
                                       "50", "--out", Out(), "--csv", (dir / "h.csv").string()});
        EXPECT_EQ(run.Status, 1);
        // Each series writes the file anew; the one before it is kept, numbered, and said.
        const fs::path kept = dir / "out" / ("Brk2017_h.txt." + std::to_string(k));
        EXPECT_EQ(run.Err, k == 0 ? c.Message
                                  : "trelko-runner: a korábbi sorozat eredményfájlja megmaradt: " +
                                        kept.string() + "\n" + c.Message);
        if (k > 0) {
            EXPECT_EQ(ReadFile(kept), previous);
        }
        previous = ReadFile(dir / "out" / "Brk2017_h.txt");
        EXPECT_EQ(ReadFile(dir / "out" / "Brk2017_h.txt"), c.Result) << "as the window leaves it";
        EXPECT_FALSE(fs::exists(dir / "h.csv"));
    }
    const Invocation single = Invoke({geometry, "--sources", "0,0", "--out", Out()});
    EXPECT_EQ(single.Status, 1);
    EXPECT_EQ(single.Err, "Nincs forrás elhelyezve\n");
    EXPECT_EQ(single.Out, "");
}

TEST_F(Runner, BadOptionsAndFilesEndWithOneLineAndStatusTwo) {
    WriteFile(dir / "short.Brk2017_x", std::string(47, '\0'));
    WriteFile(dir / "bad-factor.txt", "200\nötven\n");
    const std::string g = geometry;
    const std::vector<std::vector<std::string>> cases = {
        {},
        {g},
        {g, "--sources"},
        {g, "--sources", "1,5"},
        {g, "--sources", "1"},
        {g, "--sources", "1,9", "--bogus"},
        {g, "--sources", "1,9", "--exact=1"},
        {g, "--sources", "1,9", "extra"},
        {g, "--sources", "1,9", "--time", "0"},
        {g, "--sources", "1,9", "--time", "86401"},
        {g, "--sources", "1,9", "--speed", "99"},
        {g, "--sources", "1,9", "--factor", "1.5"},
        {g, "--sources", "1,9", "--pressure", "1,5"},
        {g, "--sources", "1,9", "--pressure", "-5"},
        {g, "--sources", "1,9", "--id", "../up"},
        {g, "--sources", "1,9", "--id", "a/b"},
        {g, "--sources", "1,9", "--id", "a\tb"},
        {g, "--sources", "1,9", "--id", "a:b"},
        {g, "--sources", "1,9", "--id", ""},
        {g, "--sources", "1,9", "--id", std::string(kMaxIdentifierLength + 1, 'a')},
        {g, "--sources", "1,9", "--plot", "x.gif"},
        {g, "--sources", "1,9", "--plot", "x.png"},  // no painter in-process
        {(dir / "nincs").string(), "--sources", "1,9", "--id", "x"},
        {(dir / "short.Brk2017_x").string(), "--sources", "1,9"},
        {(dir / "minta.txt").string(), "--sources", "1,9"},  // no key in the name, no --id
        {g, "--sources", "1,9", "--factor-file", (dir / "nincs.txt").string()},
        {g, "--sources", "1,9", "--factor-file", dir.string()},
        {g, "--sources", "1,9", "--factor-file", (dir / "bad-factor.txt").string()},
        {g, "--sources", "1,9", "--factor-file", (dir / "bad-factor.txt").string(), "--step", "5"},
        {g, "--sources", "1,9", "--step", "-50"},
        {g, "--sources", "1,9", "--step", "50", "--no-auto-stop"},
        {g, "--sources", "1,9", "--out", (dir / "nincs").string()},
    };
    for (auto args : cases) {
        if (std::find(args.begin(), args.end(), "--out") == args.end()) {
            args.insert(args.end(), {"--out", Out()});
        }
        std::string shown;
        for (const auto& a : args) {
            shown += a + " ";
        }
        SCOPED_TRACE(shown);
        const Invocation run = Invoke(args);
        EXPECT_EQ(run.Status, 2);
        EXPECT_TRUE(run.Err.starts_with("trelko-runner: ")) << run.Err;
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
        EXPECT_TRUE(run.Err.ends_with("\n"));
    }
    for (const fs::directory_entry& e : fs::directory_iterator(dir / "out")) {
        const std::string name = e.path().filename().string();
        EXPECT_TRUE(name.starts_with(".Brk2017_") && name.ends_with(".lock"))
            << name << ": nothing written but the identifiers' lock files, no work folder left";
    }
}

TEST_F(Runner, FaktorTxtBesideTheResultsIsUsedButNeverOverwritten) {
    WriteFile(dir / "out" / "faktor.txt", "-7\n300\n");
    const Invocation beside = Invoke({geometry, "--sources", "1,9", "--out", Out()});
    ASSERT_EQ(beside.Status, 0) << beside.Err;
    EXPECT_TRUE(ReadFile(dir / "out" / "Brk2017_cmp.txt").starts_with("Faktor=         -7\r\n"));

    const Invocation given =
        Invoke({geometry, "--sources", "1,9", "--factor", "9", "--step", "900", "--out", Out()});
    ASSERT_EQ(given.Status, 0) << given.Err;
    EXPECT_TRUE(ReadFile(dir / "out" / "Brk2017_cmp.txt").starts_with("Faktor=          9\r\n"));
    EXPECT_EQ(ReadFile(dir / "out" / "faktor.txt"), "-7\n300\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), fs::directory_iterator()), 4)
        << "only faktor.txt, the result file, the earlier series and the identifier's lock file";
    EXPECT_TRUE(ReadFile(dir / "out" / "Brk2017_cmp.txt.1").starts_with("Faktor=         -7\r\n"));
    EXPECT_TRUE(fs::exists(dir / "out" / ".Brk2017_cmp.lock"));
}

TEST(RunnerOptions, IdentifierComesFromTheGeometryFilesKey) {
    EXPECT_EQ(IdentifierFromGeometryName("/x/minta.Brk2017_abc"), "abc");
    EXPECT_EQ(IdentifierFromGeometryName("m.Brk2017_a.b"), "a.b");
    EXPECT_EQ(IdentifierFromGeometryName("a.Brk2017_x.Brk2017_y"), "y");
    EXPECT_EQ(IdentifierFromGeometryName("minta.Brk2017_"), std::nullopt);
    EXPECT_EQ(IdentifierFromGeometryName("Brk2017_abc"), std::nullopt);
    const auto parsed = ParseRunnerOptions({"g.Brk2017_abc", "--sources=9,0", "--id=Kovács"});
    ASSERT_TRUE(parsed.Options) << parsed.Error;
    EXPECT_EQ(parsed.Options->Identifier, "Kovács") << "an explicit --id wins";
    EXPECT_EQ(parsed.Options->FirstSource, 9);
    EXPECT_EQ(parsed.Options->SecondSource, 0);
}

TEST(RunnerOptions, TheFirstMistakeOnTheLineIsReported) {
    const std::string g = "g.Brk2017_a";
    const std::string unknown = " (lásd: trelko-runner --help)";
    const std::string time0 = "--time: a mérési idő 1 és 86400 közötti egész szám: \"0\"";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{g, "--sources", "1,9", "--bogus", "--time", "0"}, "ismeretlen opció: --bogus" + unknown},
        {{g, "--sources", "1,9", "--time", "0", "--bogus"}, time0},
        {{"--bogus=3", "7", g, "--sources", "1,9"}, "ismeretlen opció: --bogus=3" + unknown},
        {{g, "extra", "--time", "0"}, "egynél több geometriafájl: \"extra\""},
        {{"", "--time", "0"}, "üres geometriafájl-név"},
        {{g, "--sources", "1,9", "--", "--time"}, "egynél több geometriafájl: \"--time\""},
        {{"--bogus", "--sources"}, "ismeretlen opció: --bogus" + unknown},
        {{g, "--sources", "1,9", "--time"}, "a(z) --time opció értéke hiányzik"},
        {{g, "--no-auto-stop=false", "--time", "0"}, "a(z) --no-auto-stop opciónak nincs értéke"},
        {{g, "--time", "0", "--help"}, time0},
        {{"--bogus", "--help"}, "ismeretlen opció: --bogus" + unknown},
        {{g, "--help=1"}, "ismeretlen opció: --help=1" + unknown},
        {{"--time", "5", "--bogus"}, "ismeretlen opció: --bogus" + unknown},
        {{"--time", "5", "--id", "x"}, "hiányzik a geometriafájl" + unknown},
        {{g, "--time", "5"},
         "hiányzik a --sources (a két forrás rotorpozíciója, pl. --sources 1,9)"},
    };
    for (const auto& [args, error] : cases) {
        SCOPED_TRACE(args.size());
        const auto parsed = ParseRunnerOptions(args);
        EXPECT_FALSE(parsed.Options);
        EXPECT_EQ(parsed.Error, error);
    }
    // Help stops the reading: what follows it is not looked at.
    const auto help = ParseRunnerOptions({g, "-h", "--time", "0", "--bogus"});
    ASSERT_TRUE(help.Options) << help.Error;
    EXPECT_TRUE(help.Options->Help);
    const auto version = ParseRunnerOptions({"--version", "--bogus"});
    ASSERT_TRUE(version.Options) << version.Error;
    EXPECT_TRUE(version.Options->Version);
    EXPECT_EQ(ParseRunnerOptions({"--bogus", "--version"}).Error,
              "ismeretlen opció: --bogus" + unknown);
}

TEST(RunnerOptions, ValuesFollowTheOptionOrItsEqualsSign) {
    const auto parsed =
        ParseRunnerOptions({"--sources=1,0", "--time", "7", "--id", "--time", "--no-auto-stop",
                            "--plot=a.PNG", "--auto-stop", "--exact", "--", "-g.Brk2017_x"});
    ASSERT_TRUE(parsed.Options) << parsed.Error;
    const RunnerOptions& o = *parsed.Options;
    EXPECT_EQ(o.GeometryPath, "-g.Brk2017_x") << "after \"--\" an argument is the file";
    EXPECT_EQ(o.Identifier, "--time") << "a value may begin with dashes";
    EXPECT_EQ(o.CountTime, 7);
    EXPECT_EQ(o.FirstSource, 1);
    EXPECT_EQ(o.SecondSource, 0);
    EXPECT_TRUE(o.AutoStop) << "the last of the two switches counts";
    EXPECT_TRUE(o.Exact);
    EXPECT_EQ(o.PlotPath, "a.PNG");
    EXPECT_EQ(o.Plot, PlotFormat::Png);
    EXPECT_FALSE(o.Help);
}

TEST(RunnerOptions, HelpStatesThePlotSize) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunnerMain({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find(std::to_string(kPlotWidth) + " x " + std::to_string(kPlotHeight)),
              std::string::npos);
    EXPECT_EQ(out.str().find('{'), std::string::npos) << "every placeholder filled";
    EXPECT_TRUE(err.str().empty());
}

}  // namespace
}  // namespace sim
