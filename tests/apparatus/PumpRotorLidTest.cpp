#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/apparatus/TestForm.h"

namespace sim {
namespace {

using testing::TestForm;

class PumpRotorLid : public ::testing::Test {
  protected:
    // Pumps down and starts the rotor to the set point in the speed field.
    void SpinUp() {
        form.PumpDown();
        form.BitBtn3Click();
        while (!form.Model.SpeedReached) {
            form.Timer2Timer();
        }
    }

    VirtualClock clock;
    TestForm form{clock};
};

TEST_F(PumpRotorLid, StartsWithLidEnabledAndEverythingElseLocked) {
    EXPECT_EQ(form.Model.Pressure, 980.0);
    EXPECT_EQ(form.Model.RotorSpeed, 0.0);
    EXPECT_GE(form.MeterUpdates, 1);
    EXPECT_TRUE(form.BitBtn8.Enabled);
    EXPECT_EQ(form.BitBtn8.Caption, "Fedél zár");
    EXPECT_FALSE(form.BitBtn1.Enabled);
    EXPECT_FALSE(form.BitBtn2.Enabled);
    EXPECT_FALSE(form.BitBtn3.Enabled);
    EXPECT_FALSE(form.BitBtn4.Enabled);
    EXPECT_TRUE(form.BitBtn5.Enabled);
    EXPECT_FALSE(form.BitBtn6.Enabled);
    EXPECT_EQ(form.MaskEdit1.Text, "100");
    EXPECT_FALSE(form.Timer1->Enabled());
    EXPECT_FALSE(form.Timer2->Enabled());
    EXPECT_FALSE(form.Timer3->Enabled());
    EXPECT_TRUE(form.Image2.Draggable);
    EXPECT_TRUE(form.HgF.Draggable);
}

TEST_F(PumpRotorLid, LaysOutMarkersLidAndSymbolAroundTheRotor) {
    EXPECT_EQ(form.Shape2.Left, 200);
    EXPECT_EQ(form.Shape2.Top, 25);
    EXPECT_EQ(form.Shape2.Tag, 1);
    EXPECT_EQ(form.Shape3.Left, 200);
    EXPECT_EQ(form.Shape3.Top, 339);
    EXPECT_EQ(form.Shape3.Tag, 9);
    EXPECT_EQ(form.Fedel.Left, 38);
    EXPECT_EQ(form.Fedel.Top, 22);
    EXPECT_EQ(form.Fedel.Width, 356);
    EXPECT_EQ(form.Fedel.Height, 356);
    EXPECT_FALSE(form.Fedel.Visible);
    EXPECT_EQ(form.Image4.Left, 159);
    EXPECT_EQ(form.Image4.Top, 143);
    EXPECT_NEAR(form.Model.SourceRadius, 149.1, 1e-9);

    const auto& stack = form.Stacking();
    ASSERT_GE(stack.size(), 4U);
    EXPECT_EQ(stack[0], &form.Image4);
    EXPECT_EQ(stack[1], &form.Experiment);
    EXPECT_EQ(stack.back(), &form.Fedel);
    auto at = [&](const FieldItem* item) { return std::find(stack.begin(), stack.end(), item); };
    EXPECT_LT(at(&form.HgF), at(&form.Image2));
    EXPECT_LT(at(&form.Shape17), at(&form.Shape8));
}

TEST_F(PumpRotorLid, ClosingTheLidShowsItAndFixesTheSources) {
    form.BitBtn8Click();
    EXPECT_TRUE(form.Model.LidClosed);
    EXPECT_EQ(form.BitBtn8.Caption, "Fedél nyit");
    EXPECT_TRUE(form.Fedel.Visible);
    EXPECT_EQ(form.Stacking().back(), &form.Image4);
    EXPECT_TRUE(form.BitBtn1.Enabled);
    EXPECT_FALSE(form.Image2.Draggable);
    EXPECT_FALSE(form.Image3.Draggable);
}

TEST_F(PumpRotorLid, FirstPumpTickLeavesTheLidEnabledForExactlyThatTick) {
    form.BitBtn8Click();
    form.BitBtn1Click();
    EXPECT_FALSE(form.BitBtn8.Enabled);
    EXPECT_TRUE(form.BitBtn2.Enabled);
    EXPECT_TRUE(form.Timer1->Enabled());
    form.Timer1Timer();
    EXPECT_NEAR(form.Model.Pressure, 970.2, 1e-3);
    EXPECT_TRUE(form.BitBtn8.Enabled);
    form.Timer1Timer();
    EXPECT_FALSE(form.BitBtn8.Enabled);
}

TEST_F(PumpRotorLid, RotorStartUnlocksOnlyBelowTheVacuumLimit) {
    form.BitBtn8Click();
    form.BitBtn1Click();
    int ticks = 0;
    double before = form.Model.Pressure;
    while (!form.BitBtn3.Enabled) {
        before = form.Model.Pressure;
        form.Timer1Timer();
        ++ticks;
        ASSERT_LT(ticks, 5000);
    }
    EXPECT_GE(ticks, 1730);
    EXPECT_LE(ticks, 1750);
    EXPECT_GE(before, 5e-5);
    EXPECT_LT(form.Model.Pressure, 5e-5);

    // Exactly the limit is not enough.
    form.Model.Pressure = 5e-5;
    form.RefreshApparatus();
    EXPECT_FALSE(form.BitBtn3.Enabled);

    form.Model.Pressure = 1e-5;
    form.BitBtn3Click();
    form.RefreshApparatus();
    EXPECT_FALSE(form.BitBtn3.Enabled) << "never while the drive is on";
    EXPECT_FALSE(form.BitBtn2.Enabled) << "the pump cannot stop while the rotor turns";
}

TEST_F(PumpRotorLid, StoppedPumpVentsWithin21Ticks) {
    form.PumpDown();
    form.BitBtn2Click();
    EXPECT_TRUE(form.BitBtn1.Enabled);
    EXPECT_TRUE(form.Timer1->Enabled()) << "the chamber vents on the pump tick";
    for (int i = 0; i < 20; ++i) {
        form.Timer1Timer();
    }
    EXPECT_LT(form.Model.Pressure, 970.0);
    EXPECT_FALSE(form.BitBtn8.Enabled);
    form.Timer1Timer();
    EXPECT_GT(form.Model.Pressure, 970.0);
    EXPECT_TRUE(form.BitBtn8.Enabled);
}

TEST_F(PumpRotorLid, RotorRampsByOnePerTickAndHoldsAtTheSetPoint) {
    form.PumpDown();
    form.UpDown1Click(true);
    form.UpDown1Click(true);
    EXPECT_EQ(form.MaskEdit1.Text, "200");
    form.BitBtn3Click();
    EXPECT_EQ(form.Model.RotorSpeedSetpoint, 200.0);
    for (int i = 1; i <= 200; ++i) {
        form.Timer2Timer();
        ASSERT_EQ(form.Model.RotorSpeed, i);
        ASSERT_FALSE(form.Model.SpeedReached);
    }
    form.Timer2Timer();
    EXPECT_TRUE(form.Model.SpeedReached);
    EXPECT_EQ(form.Model.RotorSpeed, 200.0);

    // A lowered set point slows the rotor by one a tick.
    form.UpDown1Click(false);
    form.Timer2Timer();
    EXPECT_EQ(form.Model.RotorSpeed, 199.0);
    EXPECT_FALSE(form.Model.SpeedReached);
    for (int i = 0; i < 49; ++i) {
        form.Timer2Timer();
    }
    EXPECT_EQ(form.Model.RotorSpeed, 150.0);
    EXPECT_FALSE(form.Model.SpeedReached);
    form.Timer2Timer();
    EXPECT_TRUE(form.Model.SpeedReached);
    EXPECT_EQ(form.Model.RotorSpeed, 150.0);
}

TEST_F(PumpRotorLid, UpDownStaysWithinItsRangeWithoutWrapping) {
    form.UpDown1Click(false);
    EXPECT_EQ(form.MaskEdit1.Text, "100");
    for (int i = 0; i < 60; ++i) {
        form.UpDown1Click(true);
    }
    EXPECT_EQ(form.MaskEdit1.Text, "2000");
    form.MaskEdit1.Text = "2200";  // as a series with step 300 leaves it
    form.UpDown1Click(false);
    EXPECT_EQ(form.MaskEdit1.Text, "1950");
}

TEST_F(PumpRotorLid, RunDownSkipsOneAndOnlyThenFreesThePumpStop) {
    for (int i = 0; i < 8; ++i) {
        form.UpDown1Click(true);
    }
    ASSERT_EQ(form.MaskEdit1.Text, "500");
    SpinUp();
    form.BitBtn4Click();
    EXPECT_TRUE(form.BitBtn3.Enabled);
    EXPECT_FALSE(form.BitBtn4.Enabled);
    std::vector<double> speeds;
    while (form.Timer2->Enabled()) {
        EXPECT_FALSE(form.BitBtn2.Enabled);
        form.Timer2Timer();
        speeds.push_back(form.Model.RotorSpeed);
    }
    ASSERT_GE(speeds.size(), 4U);
    EXPECT_EQ(speeds.front(), 499.0);
    EXPECT_EQ((std::vector<double>(speeds.end() - 3, speeds.end())),
              (std::vector<double>{3, 2, 0}));
    EXPECT_EQ(speeds.size(), 499U);
    EXPECT_TRUE(form.BitBtn2.Enabled);
}

TEST_F(PumpRotorLid, OneSourceOnTheRotorStopsItAtSpeedNine) {
    form.MountSource(form.Image2, form.Shape2);
    form.PumpDown();
    form.BitBtn3Click();
    int ticks = 0;
    while (form.Messages.empty() && ticks < 50) {
        form.Timer2Timer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(form.Model.RotorSpeed, 9.0);
    ASSERT_EQ(form.Messages.size(), 1U);
    EXPECT_EQ(form.Messages[0].Text, "Kiegyensúlyozatlan a rotor!\r    Automatikus leállás!");
    EXPECT_EQ(form.Messages[0].Caption, "*** HIBA! ***");
    EXPECT_EQ(form.Messages[0].Flags, 0);
    EXPECT_FALSE(form.Model.RotorDriveOn);
    EXPECT_TRUE(form.Model.SpeedReached);
    EXPECT_TRUE(form.Model.SeriesAborted);
    EXPECT_TRUE(form.Model.ErrorText.empty());
}

TEST_F(PumpRotorLid, BalancedSourcesPassTheCheck) {
    // Both in the store (57 apart), then both on the rotor.
    SpinUp();
    EXPECT_TRUE(form.Messages.empty());
    EXPECT_EQ(form.Model.RotorSpeed, 100.0);

    form.MountSource(form.Image2, form.Shape2);
    form.MountSource(form.Image3, form.Shape3);
    form.BitBtn4Click();
    while (form.Timer2->Enabled()) {
        form.Timer2Timer();
    }
    form.BitBtn3Click();
    while (!form.Model.SpeedReached) {
        form.Timer2Timer();
    }
    EXPECT_TRUE(form.Messages.empty());
}

TEST_F(PumpRotorLid, LidOpensOnlyWithTheRotorAtRestAndVentsAtOnce) {
    SpinUp();
    form.BitBtn8Click();
    EXPECT_TRUE(form.Model.LidClosed) << "refused while the rotor turns";

    form.BitBtn4Click();
    while (form.Timer2->Enabled()) {
        form.Timer2Timer();
    }
    form.BitBtn8Click();
    EXPECT_FALSE(form.Model.LidClosed);
    EXPECT_EQ(form.Model.Pressure, 980.0);
    EXPECT_FALSE(form.Timer1->Enabled());
    EXPECT_FALSE(form.BitBtn1.Enabled);
    EXPECT_FALSE(form.BitBtn2.Enabled);
    EXPECT_FALSE(form.Fedel.Visible);
    EXPECT_EQ(form.Stacking().front(), &form.Image4);
    EXPECT_TRUE(form.Image2.Draggable);

    // Closing again leaves the pressure until the pump starts.
    form.Model.Pressure = 500;
    form.BitBtn8Click();
    EXPECT_EQ(form.Model.Pressure, 500.0);
}

// The rotor never turns under the open lid: not at an ambient pressure already below the
// rotor's limit (faktor.txt's third line), nor when the lid is opened right after a rotor start.
TEST_F(PumpRotorLid, TheRotorNeverStartsUnderTheOpenLid) {
    form.Model.AmbientPressure = 1e-6;
    form.Model.Pressure = 1e-6;
    form.RefreshApparatus();
    EXPECT_TRUE(form.BitBtn8.Enabled);
    EXPECT_FALSE(form.BitBtn3.Enabled) << "the lid is open";

    form.BitBtn8Click();
    form.RefreshApparatus();
    EXPECT_TRUE(form.BitBtn3.Enabled) << "closed and evacuated";
    EXPECT_TRUE(form.BitBtn8.Enabled) << "at the ambient pressure the lid may open";
    form.BitBtn3Click();
    form.BitBtn8Click();
    EXPECT_TRUE(form.Model.LidClosed) << "refused while the drive is on, before the first tick";
    form.Timer2Timer();
    EXPECT_EQ(form.Model.RotorSpeed, 1.0);

    form.BitBtn4Click();
    while (form.Timer2->Enabled()) {
        form.Timer2Timer();
    }
    form.BitBtn8Click();
    EXPECT_FALSE(form.Model.LidClosed) << "at rest with the drive off it opens";
    EXPECT_FALSE(form.BitBtn3.Enabled);
}

// An error switches the drive off but leaves the rotor's Stop enabled; the lid then opens at
// rest. Stop must not enable Start under the open lid (it turned the rotor there).
TEST_F(PumpRotorLid, StopAfterAnErrorDoesNotEnableStartUnderTheOpenLid) {
    form.Model.AmbientPressure = 1e-6;
    form.Model.Pressure = 1e-6;
    form.BitBtn8Click();
    form.RefreshApparatus();
    form.BitBtn3Click();
    form.Model.ErrorText = "Nincs forrás elhelyezve";
    form.RefreshApparatus();
    ASSERT_EQ(form.Messages.size(), 1U);
    ASSERT_FALSE(form.Model.RotorDriveOn);
    ASSERT_TRUE(form.BitBtn4.Enabled);

    form.BitBtn8Click();
    ASSERT_FALSE(form.Model.LidClosed);
    form.BitBtn4Click();
    EXPECT_FALSE(form.BitBtn3.Enabled);

    // Closed again, Stop leaves Start enabled as before.
    form.BitBtn8Click();
    form.BitBtn3Click();
    form.BitBtn4Click();
    EXPECT_TRUE(form.BitBtn3.Enabled);
}

// The lid opens with the pump still on where the chamber stands near its ambient pressure
// (faktor.txt's third line reset it, or the ambient pressure is below 10 mbar). The pump stops
// with it, so that the measurement Start starts it again.
TEST_F(PumpRotorLid, OpeningTheLidStopsThePump) {
    form.BitBtn8Click();
    form.BitBtn1Click();
    form.Model.Pressure = form.Model.AmbientPressure;
    form.RefreshApparatus();
    ASSERT_TRUE(form.BitBtn8.Enabled);
    form.BitBtn8Click();
    ASSERT_FALSE(form.Model.LidClosed);
    EXPECT_FALSE(form.Model.PumpOn);
    EXPECT_FALSE(form.Timer1->Enabled());

    form.BitBtn5Click();
    EXPECT_TRUE(form.Model.PumpOn);
    EXPECT_TRUE(form.Timer1->Enabled());
    EXPECT_TRUE(form.BitBtn2.Enabled) << "the pump's Stop";
    form.BitBtn6Click();
}

TEST_F(PumpRotorLid, TicksRunOnTheClock) {
    form.BitBtn8Click();
    form.BitBtn1Click();
    clock.RunUntil([&] { return form.BitBtn3.Enabled; });
    EXPECT_GE(clock.NowMs(), 17300);
    EXPECT_LE(clock.NowMs(), 17500);
}

}  // namespace
}  // namespace sim
