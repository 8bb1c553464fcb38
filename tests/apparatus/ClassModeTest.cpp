// The class edition's toolkit-free parts: faster time, the log of the counts, the choice of
// the edition, and the physics page's figures.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "apparatus/core/MeasurementLog.h"
#include "apparatus/core/ProgramMode.h"
#include "common/Format.h"
#include "common/SpeedClock.h"
#include "common/VirtualClock.h"
#include "geometry/core/PanelLayout.h"
#include "tests/TestSupport.h"

namespace sim {
namespace {

// The logic on any clock, its field built, its log kept as the class window keeps it.
class LoggedForm : public TForm1Logic {
  public:
    LoggedForm(Clock& clock, const std::string& dir) : TForm1Logic(clock, dir) {
        FormCreate();
        Model.ParticipantId = "Brk2017_osztaly";
        for (auto [source, marker] : {std::pair{&Image2, &Shape2}, std::pair{&Image3, &Shape3}}) {
            source->Left = marker->Left;
            source->Top = marker->Top;
            source->Tag = marker->Tag;
        }
        for (auto [slot, x] : {std::pair{1, 470}, std::pair{2, 600}}) {
            Components[slot]->Left = kFieldLeft + x;
            Components[slot]->Top = kFieldTop + 150;
            Model.Slots[slot].Placed = true;
        }
        CheckBox1.Checked = true;
        Edit5.Text = "2";
    }
    MeasurementLog Log;

  protected:
    void CountFinished(const FinishedCount& count) override { Log.Add(count, "12:00:00"); }
    void SeriesPointMeasured(const FinishedCount& point) override { Log.Add(point, "12:00:00"); }
};

// A random series of 2-second counts from a freshly started program; nothing but the clock
// differs between the runs.
std::string SeriesResult(Clock& clock, const std::function<void(const std::function<bool()>&)>& run,
                         std::string* csv = nullptr) {
    testing::ScratchFolder dir("class");
    testing::WriteFile(dir.Path() / "faktor.txt", "200\r\n300\r\n");
    LoggedForm form(clock, dir.WithSlash());
    form.BitBtn8Click();
    form.BitBtn1Click();
    run([&] { return form.BitBtn3.Enabled; });
    form.BitBtn5Click();
    if (csv != nullptr) {
        *csv = form.Log.Csv();
    }
    return testing::ReadFile(dir.Path() / "Brk2017_osztaly.txt");
}

TEST(SpeedClock, ASeriesGivesTheSameResultFileAtEverySpeedAsTheCompetitionsClock) {
    VirtualClock plain;
    const std::string competition =
        SeriesResult(plain, [&](const std::function<bool()>& done) { plain.RunUntil(done); });
    ASSERT_EQ(std::count(competition.begin(), competition.end(), '\n'), 9) << competition;
    for (const int speed : {1, 5, 20}) {
        VirtualClock wall;
        SpeedClock fast(wall);
        fast.SetSpeed(speed);
        const std::string result =
            SeriesResult(fast, [&](const std::function<bool()>& done) { wall.RunUntil(done); });
        EXPECT_EQ(result, competition) << "x" << speed;
        // The wall's virtual clock runs one tick per millisecond at most, which holds x20
        // back to about x5 here; the toolkit's timers are not held back so.
        const double ratio = double(fast.SimulatedMs()) / double(wall.NowMs());
        EXPECT_GT(ratio, speed == 1 ? 0.98 : 3.0) << "x" << speed;
        EXPECT_LT(ratio, speed * 1.01) << "x" << speed;
    }
}

TEST(MeasurementLog, TheCsvHoldsTheResultFilesNumbersAndEachCountsOwnCounts) {
    VirtualClock clock;
    std::string csv;
    const std::string result =
        SeriesResult(clock, [&](const std::function<bool()>& done) { clock.RunUntil(done); }, &csv);
    std::istringstream lines(result);
    std::istringstream rows(csv);
    std::string line;
    std::string row;
    std::getline(lines, line);
    std::getline(rows, row);
    EXPECT_EQ(row, "idő,fordulatszám (1/s),mérési idő (s),beütésszám,beütés/s,szórás (1/s),"
                   "sorozat,pont\r");
    int point = 0;
    while (std::getline(lines, line)) {
        ASSERT_TRUE(std::getline(rows, row)) << "a row for " << line;
        double setpoint = 0;
        int counts = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%lf, %d", &setpoint, &counts), 2);
        ++point;
        const double rate = counts / 2.0;
        EXPECT_EQ(row, Format("12:00:00,%.0f,2.0,%d,%.3f,%.3f,1,%d\r", setpoint, counts, rate,
                              std::sqrt(counts) / 2.0, point));
    }
    EXPECT_FALSE(std::getline(rows, row));

    // Two counts without "Törlés": the counter adds up, each row has its own counts.
    testing::ScratchFolder dir("class");
    LoggedForm form(clock, dir.WithSlash());
    for (int count = 0; count < 2; ++count) {
        form.BitBtn5Click();
        clock.RunUntil([&] { return !form.Model.MeasurementOn; });
    }
    ASSERT_EQ(form.Log.Rows().size(), 2U);
    const std::int32_t first = form.Log.Rows()[0].Count.Counts;
    EXPECT_GT(first, 0);
    EXPECT_EQ(first + form.Log.Rows()[1].Count.Counts, form.Model.CounterValue);
    EXPECT_EQ(form.Log.Rows()[1].Count.Seconds, 2.0);
}

TEST(ProgramMode, TheOptionThenTheVariableThenTheFirstFileDecide) {
    EXPECT_EQ(ParseModeWord("class"), ProgramMode::Class);
    EXPECT_EQ(ParseModeWord("\xEF\xBB\xBF  Competition \r\n"), ProgramMode::Competition);
    for (const char* bad : {"", "class\n\n", "class x", "tanóra", "cla ss", "class\r\nclass"}) {
        EXPECT_EQ(ParseModeWord(bad), std::nullopt) << bad;
    }
    testing::ScratchFolder dir("mode");
    const std::string work = (dir.Path() / "work.txt").string();
    const std::string system = (dir.Path() / "system.txt").string();
    testing::WriteFile(system, "class\n");
    EXPECT_EQ(ChooseProgramMode({false, std::nullopt, work, system}).Mode, ProgramMode::Class);
    testing::WriteFile(work, "competition\n");
    EXPECT_EQ(ChooseProgramMode({false, std::nullopt, work, system}).Mode,
              ProgramMode::Competition);
    EXPECT_EQ(ChooseProgramMode({false, "class", work, system}).Mode, ProgramMode::Class);
    EXPECT_EQ(ChooseProgramMode({true, "competition", work, system}).Mode, ProgramMode::Class);
    const ModeChoice unknown = ChooseProgramMode({false, "lesson", work, system});
    EXPECT_EQ(unknown.Mode, ProgramMode::Competition);
    EXPECT_NE(unknown.Problem.value_or("").find("\"lesson\""), std::string::npos);
    testing::WriteFile(work, std::string(1000, 'c'));
    EXPECT_EQ(ChooseProgramMode({false, std::nullopt, work, system}).Mode,
              ProgramMode::Competition)
        << "a bad file in the work folder is no reason to read the system's";
}

// The physics page states figures that follow from the model's own constants: the Doppler
// resonance is found on the model's line overlap itself.
TEST(PhysicsPage, ItsFiguresAreTheModelsInBothLanguages) {
    VirtualClock clock;
    testing::ScratchFolder dir("physics");
    LoggedForm form(clock, dir.WithSlash());
    ApparatusModel& model = form.Model;
    // A source at position 1 moves to the right: emitting straight along its velocity.
    double best = 0;
    double peak = 0;
    for (double f = 1000; f <= 1800; f += 0.1) {
        model.RotorSpeed = f;
        if (const double overlap = model.ResonanceOverlap(1, 0.0); overlap > peak) {
            peak = overlap;
            best = f;
        }
    }
    const double radius = model.PhysicalRotorRadius;
    const double tipSpeed = 2 * std::numbers::pi * radius * best;
    const double metresPerPixel = radius / model.SourceRadius;
    struct Figure {
        double value;
        const char* format;
        const char* unit;
    };
    const Figure figures[] = {
        {model.RecoilEnergy * 1000, "%.2f", " eV"},
        {2 * model.RecoilEnergy * 1000, "%.2f", " eV"},
        {model.GammaEnergy, "%.0f", " keV"},
        {radius * 100, "%.2f", " cm"},
        {best, "%.0f", " 1/s"},
        {tipSpeed, "%.0f", " m/s"},
        {2 * std::numbers::pi * radius * kRotorSpeedMax, "%.0f", " m/s"},
        {model.SourceRadius, "%.1f", " "},
        {metresPerPixel * 1000, "%.2f", " mm"},
        {kExperimentPlace.Width * metresPerPixel * 100, "%.0f", " cm"},
        {kExperimentPlace.Height * metresPerPixel * 100, "%.0f", " cm"},
    };
    EXPECT_NEAR(best, 1402.6, 0.1);
    for (const char* language : {"hu", "en"}) {
        const std::string page = testing::ReadFile(std::string(SIM_SOURCE_DIR) +
                                                   "/assets/guide/fizika_" + language + ".html");
        for (const Figure& figure : figures) {
            std::string text = Format(figure.format, figure.value) + figure.unit;
            if (std::string(language) == "hu") {
                std::replace(text.begin(), text.end(), '.', ',');
            }
            EXPECT_NE(page.find(text), std::string::npos) << language << ": " << text;
        }
    }
}

}  // namespace
}  // namespace sim
