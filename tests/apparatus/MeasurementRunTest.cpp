#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "common/Format.h"
#include "tests/PosixOnly.h"
#include "tests/TestSupport.h"
#include "tests/apparatus/TestForm.h"

namespace sim {
namespace {

namespace fs = std::filesystem;

// A form whose ticks can be watched: the hook runs after every timer tick.
class WatchedForm : public testing::TestForm {
  public:
    using TestForm::TestForm;
    std::function<void()> AfterTick;

  protected:
    void ControlsChanged() override {
        if (AfterTick) {
            AfterTick();
        }
    }
};

class MeasurementRun : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<WatchedForm>(clock, scratch.WithSlash());
        form->Model.ParticipantId = "Brk2017_abc";
    }
    void TearDown() override { form.reset(); }

    void WriteFactorFile(const std::string& content) {
        std::ofstream(dir / "faktor.txt", std::ios::binary) << content;
    }

    // Both sources on the rotor, the target and the detector on the field.
    void BuildField() {
        form->MountSource(form->Image2, form->Shape2);
        form->MountSource(form->Image3, form->Shape3);
        form->PlaceComponent(1, 470, 150);
        form->PlaceComponent(2, 600, 150);
    }

    // The exact counts the tick gives for a factor at a reached set point, from a second form
    // evaluated directly.
    std::int32_t ExactCounts(std::int32_t factor, double speed, bool driveOn = true) {
        VirtualClock otherClock;
        testing::TestForm other(otherClock);
        other.MountSource(other.Image2, other.Shape2);
        other.MountSource(other.Image3, other.Shape3);
        other.PlaceComponent(1, 470, 150);
        other.PlaceComponent(2, 600, 150);
        other.Model.RotorDriveOn = driveOn;
        other.Model.RotorSpeed = speed;
        EXPECT_TRUE(other.Model.EvaluateApparatus());
        return static_cast<std::int32_t>(static_cast<double>(factor) * other.Model.DetectorRate);
    }

    fs::path ResultPath() const { return dir / "Brk2017_abc.txt"; }

    testing::ScratchFolder scratch{"measure"};
    fs::path dir = scratch.Path();
    VirtualClock clock;
    std::unique_ptr<WatchedForm> form;
};

// An installed machine is configured by one system-wide file; the program's folder's own file
// comes first.
TEST_F(MeasurementRun, TheSystemFactorFileIsReadWhenTheFolderHasNone) {
    const testing::ScratchFolder etc("etc-trelko");
    testing::WriteFile(etc.Path() / "faktor.txt", "-300\n1900\n1e-6\n");
    form->SystemFactorFilePath = (etc.Path() / "faktor.txt").string();
    BuildField();
    form->BitBtn5Click();
    EXPECT_EQ(form->Model.CountFactor, -300);
    EXPECT_EQ(form->Model.SpeedStep, 1900);
    EXPECT_TRUE(testing::ReadFile(ResultPath()).starts_with("Faktor=       -300\r\n"));

    WriteFactorFile("250\n");
    form->BitBtn5Click();
    EXPECT_EQ(form->Model.CountFactor, 250);
    EXPECT_EQ(form->Model.SpeedStep, 0);
    form->BitBtn6Click();

    testing::WriteFile(etc.Path() / "faktor.txt", "x\n");
    fs::remove(dir / "faktor.txt");
    form->BitBtn5Click();
    ASSERT_EQ(form->Messages.size(), 1U);
    EXPECT_EQ(form->Messages[0].Text, "A faktor.txt 1. sora nem egész szám: \"x\"");
}

// The detector typed straight above the source on the top marker (field 172, 0: the dialog takes
// it, only other components can stop a typed place). Its band of directions crosses the
// vertical, where the path through it once came out negative and the rate NaN, counted as 0.
// Seen from the source it fills about 2.5 rad of 2 pi, so at most 16000 x 2.5 / 2 pi of the
// activity can reach it.
TEST_F(MeasurementRun, APlaceTypedAcrossTheVerticalGivesAFiniteRate) {
    form->MountSource(form->Image2, form->Shape2);
    form->PlaceComponent(2, 172, 0);
    EXPECT_FALSE(form->ComponentCollides(172, 0, form->Shape7)) << "the dialog takes this place";
    WriteFactorFile("-200\n");
    form->BitBtn5Click();
    clock.Advance(500);
    EXPECT_TRUE(form->Messages.empty());
    const double rate = form->Model.DetectorRate;
    EXPECT_TRUE(std::isfinite(rate));
    EXPECT_GT(rate, 0);
    EXPECT_LT(rate, 16000 * 2.6 / (2 * 3.14159));
    EXPECT_EQ(form->Model.CounterValue, static_cast<std::int32_t>(200 * rate));
}

TEST_F(MeasurementRun, WithoutFactorFileCountsWithFactor200AndWritesNothing) {
    BuildField();
    form->Model.AmbientPressure = 500;
    form->BitBtn5Click();
    EXPECT_EQ(form->Model.CountFactor, 200);
    EXPECT_EQ(form->Model.SpeedStep, 0);
    EXPECT_EQ(form->Model.AmbientPressure, 980.0);
    EXPECT_TRUE(form->Model.MeasurementOn);
    EXPECT_TRUE(form->Timer3->Enabled());
    EXPECT_TRUE(form->Model.LidClosed) << "Start closes the lid";
    EXPECT_TRUE(form->Model.PumpOn) << "and starts the pump";
    EXPECT_EQ(form->Form2Hidden, 1);
    EXPECT_FALSE(form->BitBtn5.Enabled);
    EXPECT_TRUE(form->BitBtn6.Enabled);
    EXPECT_FALSE(form->Edit5.Enabled);
    clock.Advance(500);
    EXPECT_FALSE(form->HgF.Draggable) << "the first tick's refresh fixes the components";
    EXPECT_GT(form->Model.CounterValue, 0);
    EXPECT_EQ(form->Edit7.Text, "     0.5");
    EXPECT_EQ(form->Edit6.Text, Format("%10d", form->Model.CounterValue));
    form->BitBtn6Click();
    EXPECT_TRUE(form->BitBtn5.Enabled);
    EXPECT_TRUE(form->Edit5.Enabled);
    EXPECT_FALSE(form->BitBtn6.Enabled);
    EXPECT_TRUE(form->HgF.Draggable);
    EXPECT_FALSE(fs::exists(ResultPath()));
    EXPECT_TRUE(form->Messages.empty());
}

TEST_F(MeasurementRun, FactorFileLinesAreReadAtEveryStart) {
    BuildField();
    WriteFactorFile("  50\r\n");
    form->Model.AmbientPressure = 500;
    form->BitBtn5Click();
    EXPECT_EQ(form->Model.CountFactor, 50);
    EXPECT_EQ(form->Model.SpeedStep, 0);
    EXPECT_EQ(form->Model.AmbientPressure, 980.0);
    EXPECT_EQ(form->Model.FactorLines, (std::vector<std::string>{"  50"}));
    form->BitBtn6Click();

    WriteFactorFile("$10\n0\n1e-6\nignored\n");
    form->BitBtn5Click();
    EXPECT_EQ(form->Model.CountFactor, 16);
    EXPECT_EQ(form->Model.AmbientPressure, 1e-6);
    form->BitBtn6Click();
    form->BitBtn2Click();  // the pump is not needed: the chamber took the new pressure
    form->Model.Pressure = form->Model.AmbientPressure;
    form->RefreshApparatus();
    EXPECT_TRUE(form->BitBtn3.Enabled) << "rotor start without pumping";

    WriteFactorFile("");
    form->BitBtn5Click();
    EXPECT_EQ(form->Model.CountFactor, 200) << "an empty file counts as missing";
    EXPECT_EQ(form->Model.AmbientPressure, 980.0);
}

TEST_F(MeasurementRun, LineThreeSetsThePressureAtOnce) {
    BuildField();
    WriteFactorFile("200\n0\n2e-5\n");
    form->Model.Pressure = 700;
    form->BitBtn5Click();
    // The pump tick has not run yet: the chamber holds the new ambient pressure.
    EXPECT_EQ(form->Model.Pressure, 2e-5);
    form->RefreshApparatus();
    EXPECT_TRUE(form->BitBtn3.Enabled);
}

TEST_F(MeasurementRun, BadFactorLinesAbandonStartAtTheirStep) {
    BuildField();
    for (const auto& [content, expected] : std::vector<std::pair<std::string, std::string>>{
             {"abc\n", "A faktor.txt 1. sora nem egész szám: \"abc\""},
             {"10\n1.5\n", "A faktor.txt 2. sora nem egész szám: \"1.5\""},
             {"10\n-50\n", "A faktor.txt 2. sorában a lépésköz nem lehet negatív: \"-50\""},
             {"10\n0\n1,5\n", "A faktor.txt 3. sora nem valós szám: \"1,5\""},
             {"10\n0\n-5\n", "A faktor.txt 3. sorában a nyomás nem lehet negatív: \"-5\""}}) {
        form->Messages.clear();
        WriteFactorFile(content);
        form->BitBtn5Click();
        ASSERT_EQ(form->Messages.size(), 1U) << content;
        EXPECT_EQ(form->Messages[0].Text, expected);
        EXPECT_EQ(form->Messages[0].Caption, "*** HIBA ***");
        EXPECT_FALSE(form->Model.MeasurementOn);
        EXPECT_FALSE(form->Model.LidClosed) << "nothing moves";
        EXPECT_FALSE(form->Model.PumpOn);
        EXPECT_TRUE(form->BitBtn5.Enabled);
        EXPECT_FALSE(form->BitBtn6.Enabled);
    }
    EXPECT_EQ(form->Model.CountFactor, 10) << "lines before the bad one stay applied";
    EXPECT_FALSE(fs::exists(ResultPath()));
}

TEST_F(MeasurementRun, UnreadableFactorFileIsReported) {
    fs::create_directory(dir / "faktor.txt");
    form->BitBtn5Click();
    ASSERT_EQ(form->Messages.size(), 1U);
    EXPECT_NE(form->Messages[0].Text.find("nem olvasható"), std::string::npos);
    EXPECT_FALSE(form->Model.MeasurementOn);
    EXPECT_TRUE(form->BitBtn5.Enabled);
}

// A series starts the rotor again at every point, so the lid stays shut from its Start to
// its end, even where the pressure alone would free it (an ambient pressure below 10 mbar) and
// the rotor was stopped and stands.
TEST_F(MeasurementRun, TheLidStaysShutThroughAWholeSeries) {
    BuildField();
    WriteFactorFile("-200\n950\n9.5\n");
    int ticks = 0;
    bool lidFree = false;
    form->AfterTick = [&] {
        if (!form->SeriesRunning()) {
            return;
        }
        if (++ticks == 1) {
            form->BitBtn4Click();
        }
        lidFree = lidFree || form->BitBtn8.Enabled;
        form->BitBtn8Click();
        EXPECT_TRUE(form->Model.LidClosed) << "at tick " << ticks;
        if (ticks == 500) {
            form->BeginShutdown();
        }
    };
    form->BitBtn5Click();
    EXPECT_EQ(ticks, 500);
    EXPECT_EQ(form->Model.RotorSpeed, 0.0) << "the stopped rotor came to rest";
    EXPECT_FALSE(lidFree);
    form->AfterTick = nullptr;
    form->RefreshApparatus();
    EXPECT_TRUE(form->BitBtn8.Enabled) << "free again once the series is over";
}

TEST_F(MeasurementRun, BadTimeFieldAbandonsStart) {
    form->Edit5.Text = "tíz";
    form->BitBtn5Click();
    ASSERT_EQ(form->Messages.size(), 1U);
    EXPECT_FALSE(form->Model.MeasurementOn);
    EXPECT_TRUE(form->BitBtn5.Enabled);
}

TEST_F(MeasurementRun, AutomaticStopEndsTheCountOnTheTwentiethTickForTenSeconds) {
    BuildField();
    form->CheckBox1.Checked = true;
    form->BitBtn5Click();
    EXPECT_EQ(form->Model.MeasureLimit, 10.0);
    int ticks = 0;
    while (form->Model.MeasurementOn) {
        const double before = form->Model.MeasureElapsed;
        clock.ProcessPendingEvents();
        ticks += form->Model.MeasureElapsed != before ? 1 : 0;
    }
    EXPECT_EQ(ticks, 20);
    EXPECT_EQ(form->Edit7.Text, "    10.0");
    EXPECT_FALSE(form->Timer3->Enabled());
    EXPECT_TRUE(form->BitBtn5.Enabled);
    const std::int32_t counts = form->Model.CounterValue;

    // A second Start without clearing adds to the counter; the time restarts.
    form->BitBtn5Click();
    clock.Advance(500);
    EXPECT_EQ(form->Model.MeasureElapsed, 0.5);
    EXPECT_GE(form->Model.CounterValue, counts);
    form->BitBtn6Click();

    form->BitBtn7Click();
    EXPECT_EQ(form->Model.CounterValue, 0);
    EXPECT_EQ(form->Edit7.Text, "      0.00");
    EXPECT_EQ(form->Edit6.Text, "         0");
}

TEST_F(MeasurementRun, LimitBelowHalfASecondStopsAtTheFirstTick) {
    BuildField();
    form->CheckBox1.Checked = true;
    form->Edit5.Text = "0";
    form->BitBtn5Click();
    clock.Advance(500);
    EXPECT_FALSE(form->Model.MeasurementOn);
    EXPECT_EQ(form->Model.MeasureElapsed, 0.5);
}

TEST_F(MeasurementRun, ExactModeReplacesTheCounterInOneTick) {
    BuildField();
    WriteFactorFile("-200\n");
    form->Model.CounterValue = 12345;
    form->BitBtn5Click();
    clock.Advance(500);
    EXPECT_FALSE(form->Model.MeasurementOn);
    EXPECT_EQ(form->Model.CounterValue, ExactCounts(200, 0.0, false));
    EXPECT_GT(form->Model.CounterValue, 0);
}

TEST_F(MeasurementRun, FactorZeroKeepsTheCounterAtZeroUntilStopped) {
    BuildField();
    WriteFactorFile("0\n");
    form->BitBtn5Click();
    clock.Advance(5000);
    EXPECT_TRUE(form->Model.MeasurementOn);
    EXPECT_EQ(form->Model.MeasureElapsed, 5.0);
    EXPECT_EQ(form->Model.CounterValue, 0);
    EXPECT_EQ(form->Edit6.Text, "         0");
}

TEST_F(MeasurementRun, TimeFieldCheckNamesTheFaultAndSelectsTheField) {
    form->Edit5.Text = "abc";
    form->Edit5Exit();
    EXPECT_TRUE(form->Messages.empty()) << "only with the automatic stop ticked";

    form->CheckBox1.Checked = true;
    form->CheckBox1Click();
    ASSERT_EQ(form->Messages.size(), 1U);
    EXPECT_EQ(form->Messages[0].Text, "Érvénytelen számformátum");
    EXPECT_EQ(form->Messages[0].Caption, "*** HIBA ***");
    EXPECT_EQ(form->Selected, &form->Edit5);

    form->Edit5.Text = " -3";
    form->Edit5Exit();
    ASSERT_EQ(form->Messages.size(), 2U);
    EXPECT_EQ(form->Messages[1].Text, "Érvénytelen mérési idő");

    form->Edit5.Text = "";
    form->Edit5Exit();
    EXPECT_EQ(form->Messages.back().Text, "Érvénytelen számformátum");

    form->Edit5.Text = "15";
    form->Edit5Exit();
    EXPECT_EQ(form->Messages.size(), 3U);
    EXPECT_EQ(form->Model.MeasureLimit, 0.0) << "the check never sets the limit";

    form->CheckBox1.Checked = false;
    form->Edit5.Text = "x";
    form->CheckBox1Click();
    EXPECT_EQ(form->Messages.size(), 3U);
}

TEST_F(MeasurementRun, SeriesWritesOneLinePerSetPointToTheByte) {
    BuildField();
    WriteFactorFile("-200\n50\n1e-6\n");
    bool startEverEnabled = false;
    form->AfterTick = [&] { startEverEnabled = startEverEnabled || form->BitBtn5.Enabled; };
    form->BitBtn5Click();
    EXPECT_FALSE(startEverEnabled) << "Start stays disabled for the whole series";
    EXPECT_FALSE(form->SeriesRunning());
    EXPECT_TRUE(form->BitBtn5.Enabled);
    EXPECT_TRUE(form->BitBtn7.Enabled);
    EXPECT_TRUE(form->Messages.empty());
    EXPECT_EQ(form->Model.RotorSpeed, 2000.0) << "the rotor keeps turning";

    std::string expected = "Faktor=       -200\r\n";
    for (int setpoint = 100; setpoint <= 2000; setpoint += 50) {
        expected +=
            Format("%10.0f, %10d\r\n", static_cast<double>(setpoint), ExactCounts(200, setpoint));
    }
    EXPECT_EQ(testing::ReadFile(ResultPath()), expected);
}

TEST_F(MeasurementRun, SeriesWithALargeStepEndsAtTheFirstSetPointPast2000) {
    BuildField();
    WriteFactorFile("-1\n300\n1e-6\n");
    form->BitBtn5Click();
    std::vector<std::string> setpoints;
    std::istringstream lines(testing::ReadFile(ResultPath()));
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Faktor=         -1\r");
    while (std::getline(lines, line)) {
        setpoints.push_back(line.substr(0, 10));
    }
    EXPECT_EQ(setpoints,
              (std::vector<std::string>{"       100", "       400", "       700", "      1000",
                                        "      1300", "      1600", "      1900", "      2200"}));

    // One more Start must not throw the finished series away: each earlier one is kept,
    // numbered, and the new file is written as before.
    const std::string first = testing::ReadFile(ResultPath());
    WriteFactorFile("-2\n300\n1e-6\n");
    form->BitBtn5Click();
    const std::string second = testing::ReadFile(ResultPath());
    form->BitBtn5Click();
    EXPECT_EQ(testing::ReadFile(dir / "Brk2017_abc.txt.1"), first);
    EXPECT_EQ(testing::ReadFile(dir / "Brk2017_abc.txt.2"), second);
    EXPECT_EQ(testing::ReadFile(ResultPath()), second);
    EXPECT_TRUE(second.starts_with("Faktor=         -2\r\n"));
    EXPECT_TRUE(form->Messages.empty());
}

TEST_F(MeasurementRun, UnbalancedRotorLeavesOnlyTheFactorLine) {
    BuildField();
    form->MountSource(form->Image3, form->Shape4);  // back in the store: unbalanced
    WriteFactorFile("-200\n50\n1e-6\n");
    form->BitBtn5Click();
    ASSERT_EQ(form->Messages.size(), 1U);
    EXPECT_EQ(form->Messages[0].Caption, "*** HIBA! ***");
    EXPECT_EQ(testing::ReadFile(ResultPath()), "Faktor=       -200\r\n");
    EXPECT_TRUE(form->BitBtn5.Enabled);
    EXPECT_TRUE(form->BitBtn7.Enabled);
    EXPECT_FALSE(form->Model.SeriesAborted);
    EXPECT_FALSE(form->SeriesRunning());
}

TEST_F(MeasurementRun, IncompleteFieldEndsTheSeriesAfterThatPointsLine) {
    form->MountSource(form->Image2, form->Shape2);
    form->MountSource(form->Image3, form->Shape3);
    form->PlaceComponent(1, 470, 150);  // no detector
    WriteFactorFile("100\n50\n1e-6\n");
    form->BitBtn5Click();
    ASSERT_EQ(form->Messages.size(), 1U);
    EXPECT_EQ(form->Messages[0].Text, "Nincs detektor a mérőhelyen");
    EXPECT_EQ(testing::ReadFile(ResultPath()), "Faktor=        100\r\n       100,          0\r\n");
    EXPECT_EQ(form->Model.RotorSpeedSetpoint, 150.0) << "the next set point was commanded";
    EXPECT_TRUE(form->BitBtn5.Enabled);
}

TEST_F(MeasurementRun, EachPointReachesTheDiskAsItIsMeasured) {
    BuildField();
    WriteFactorFile("-200\n950\n1e-6\n");
    std::vector<std::string> seen;
    form->AfterTick = [&] {
        if (!form->Model.MeasurementOn && form->Model.RotorSpeed == 1049.0) {
            seen.push_back(testing::ReadFile(ResultPath()));
        }
    };
    form->BitBtn5Click();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(),
              Format("Faktor=       -200\r\n%10.0f, %10d\r\n", 100.0, ExactCounts(200, 100)));
}

TEST_F(MeasurementRun, ShutdownDuringASeriesClosesTheFileWithItsLines) {
    BuildField();
    WriteFactorFile("-200\n50\n1e-6\n");
    form->AfterTick = [&] {
        if (form->Model.RotorSpeed == 220.0) {
            form->BeginShutdown();
        }
    };
    form->BitBtn5Click();
    EXPECT_FALSE(form->SeriesRunning());
    const std::string content = testing::ReadFile(ResultPath());
    EXPECT_EQ(content, Format("Faktor=       -200\r\n%10.0f, %10d\r\n%10.0f, %10d\r\n", 100.0,
                              ExactCounts(200, 100), 150.0, ExactCounts(200, 150)) +
                           Format("%10.0f, %10d\r\n", 200.0, ExactCounts(200, 200)));
}

TEST_F(MeasurementRun, ResultFileThatCannotBeCreatedIsReported) {
    BuildField();
    WriteFactorFile("-200\n50\n1e-6\n");
    form->Model.ParticipantId = "Brk2017_missing/sub";
    form->BitBtn5Click();
    ASSERT_EQ(form->Messages.size(), 1U);
    EXPECT_NE(form->Messages[0].Text.find("nem hozható létre"), std::string::npos);
    EXPECT_TRUE(form->Model.MeasurementOn);
    EXPECT_TRUE(form->BitBtn6.Enabled);
    form->BitBtn6Click();
    EXPECT_FALSE(form->Model.MeasurementOn);
    EXPECT_TRUE(form->BitBtn5.Enabled);
}

// A result file prepared as a link (to another contestant's file, to a device) must not
// write through it: the link is replaced by a file of the series' own.
TEST_F(MeasurementRun, ALinkInPlaceOfTheResultFileIsReplacedNotWrittenThrough) {
    SIM_SKIP_ON_WINDOWS("std::filesystem of MinGW-w64 makes no links");
    BuildField();
    WriteFactorFile("-200\n1900\n1e-6\n");
    testing::WriteFile(dir / "masik.txt", "Faktor=        200\r\n");
    fs::create_symlink(dir / "masik.txt", ResultPath());
    form->BitBtn5Click();
    EXPECT_TRUE(form->Messages.empty());
    EXPECT_EQ(testing::ReadFile(dir / "masik.txt"), "Faktor=        200\r\n");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(ResultPath())));
    EXPECT_TRUE(testing::ReadFile(ResultPath()).starts_with("Faktor=       -200\r\n"));
}

// A pipe in its place is neither waited on nor written: the series does not start.
TEST_F(MeasurementRun, APipeInPlaceOfTheResultFileIsRefused) {
    SIM_SKIP_ON_WINDOWS("no pipe can take a file's name (they live under \\\\.\\pipe\\)");
    BuildField();
    WriteFactorFile("-200\n50\n1e-6\n");
    ASSERT_EQ(::mkfifo(ResultPath().string().c_str(), 0644), 0);
    form->BitBtn5Click();
    ASSERT_EQ(form->Messages.size(), 1U);
    EXPECT_EQ(form->Messages[0].Text,
              "Az eredményfájl nem hozható létre:\r" + ResultPath().string() +
                  " (ez egy csővezeték (FIFO), nem közönséges fájl)");
    EXPECT_FALSE(form->SeriesRunning());
    EXPECT_TRUE(fs::is_fifo(ResultPath()));
}

TEST_F(MeasurementRun, CounterSaturatesInsteadOfOverflowing) {
    BuildField();
    WriteFactorFile("2147483647\n");
    form->Model.CounterValue = std::numeric_limits<std::int32_t>::max() - 5;
    form->BitBtn5Click();
    clock.Advance(1500);
    EXPECT_EQ(form->Model.CounterValue, std::numeric_limits<std::int32_t>::max());
    form->BitBtn6Click();

    WriteFactorFile("-2147483648\n");
    form->BitBtn5Click();
    clock.Advance(500);
    EXPECT_EQ(form->Model.CounterValue, std::numeric_limits<std::int32_t>::max());
}

TEST_F(MeasurementRun, WholeRandomSeriesWithTenSecondCounts) {
    BuildField();
    WriteFactorFile("200\n50\n");
    form->CheckBox1.Checked = true;
    const auto started = std::chrono::steady_clock::now();
    form->BitBtn5Click();
    const auto wall = std::chrono::steady_clock::now() - started;
    const std::string content = testing::ReadFile(ResultPath());
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 40);
    EXPECT_TRUE(form->Messages.empty());
    RecordProperty(
        "wall_ms",
        std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(wall).count()));
    std::printf(
        "whole series, step 50, 10 s counts: %lld ms of wall time, %lld ticks\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(wall).count()),
        static_cast<long long>(clock.EventsRun()));
}

}  // namespace
}  // namespace sim
