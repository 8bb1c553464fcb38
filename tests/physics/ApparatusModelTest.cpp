#include "tests/physics/Rig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace sim {
namespace {

using test::Rig;

TEST(ApparatusDefaults, DerivedConstantsAndSlots) {
    Rig rig;
    const ApparatusModel& m = rig.Model;
    EXPECT_DOUBLE_EQ(m.SourceRadius, 149.1);  // 0.92 * 180 - 33 / 2
    EXPECT_NEAR(m.LineWidth, 2.16375e-4, 1e-9);
    const double mu[] = {0.02, 0.002, 0.2, 0.2, 0.2, 0.2};
    for (int j = 1; j <= kSlotCount; ++j) {
        EXPECT_EQ(m.Slots[j].Shape, &rig.Shapes[j]);
        EXPECT_EQ(m.Slots[j].Mu, mu[j - 1]) << j;
        EXPECT_EQ(m.Slots[j].Kind, j <= 2 ? ComponentKind(j) : ComponentKind::LeadShield) << j;
        EXPECT_FALSE(m.Slots[j].Placed) << j;
    }
}

TEST(SourcePositions, LieOnTheSourceCircleClockwiseFromTheTop) {
    Rig rig;
    rig.Mount(1);
    ASSERT_TRUE(rig.Model.ComputeSourcePositions());
    const auto& p = rig.Model.RotorPositions;
    EXPECT_NEAR(p[1].X, 200.0, 1e-9);
    EXPECT_NEAR(p[1].Y, 40.9, 1e-9);
    EXPECT_NEAR(p[5].X, 349.1, 1e-9);
    EXPECT_NEAR(p[5].Y, 190.0, 1e-9);
    EXPECT_NEAR(p[9].X, 200.0, 1e-9);
    EXPECT_NEAR(p[9].Y, 339.1, 1e-9);
    EXPECT_NEAR(p[13].X, 50.9, 1e-9);
    EXPECT_NEAR(p[3].Cos, std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(p[3].Sin, std::sqrt(0.5), 1e-15);
}

TEST(SourcePositions, ActivityFollowsDriveAndMountedSources) {
    struct Case {
        int a, b;
        bool drive;
        double at1, at9, elsewhere;
    };
    const Case cases[] = {
        {1, 0, false, 16000, 0, 0},
        {0, 9, false, 0, 16000, 0},
        {1, 9, false, 16000, 16000, 0},
        {1, 9, true, 2000, 2000, 2000},
        {0, 9, true, 1000, 1000, 1000},
        // A tag that names no rotor position emits nowhere while standing, but still counts as
        // a mounted source once the drive spreads the activity.
        {17, 0, false, 0, 0, 0},
        {-5, 0, true, 1000, 1000, 1000},
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), true,
         2000, 2000, 2000},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.Mount(c.a, c.b);
        rig.Model.RotorDriveOn = c.drive;
        ASSERT_TRUE(rig.Model.ComputeSourcePositions()) << c.a << ' ' << c.b;
        for (int i = 1; i <= kRotorPositionCount; ++i) {
            const double expected = i == 1 ? c.at1 : i == 9 ? c.at9 : c.elsewhere;
            EXPECT_EQ(rig.Model.RotorPositions[i].Activity, expected)
                << "tags " << c.a << ',' << c.b << " position " << i;
        }
    }
}

TEST(SourcePositions, TargetCornersInPanelPixelsEvenWhenNotPlaced) {
    Rig rig;
    rig.Mount(9);
    rig.Shapes[1].Left = 500;
    rig.Shapes[1].Top = 70;
    rig.Model.TargetCorners[2].AngleMax = 5;
    rig.Model.TargetCorners[3].Intensity = 5;
    ASSERT_TRUE(rig.Model.ComputeSourcePositions());
    const auto& c = rig.Model.TargetCorners;
    EXPECT_EQ(c[1].X, 500);
    EXPECT_EQ(c[1].Y, 70);
    EXPECT_EQ(c[2].X, 557);
    EXPECT_EQ(c[2].Y, 70);
    EXPECT_EQ(c[3].X, 557);
    EXPECT_EQ(c[3].Y, 127);
    EXPECT_EQ(c[4].X, 500);
    EXPECT_EQ(c[4].Y, 127);
    EXPECT_EQ(c[2].AngleMax, 0);
    EXPECT_EQ(c[3].Intensity, 0);

    // Corners of extreme rectangles are exact, not wrapped round.
    rig.Shapes[1] = {
        std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), 1};
    ASSERT_TRUE(rig.Model.ComputeSourcePositions());
    EXPECT_EQ(c[3].X, 2.0 * std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(c[3].Y, 2.0 * std::numeric_limits<std::int32_t>::min());
}

TEST(SightLines, BandAroundTheCentreMeasuredFromTheFieldOrigin) {
    Rig rig;
    rig.Mount(1);
    rig.Place(2, 450, 161);  // centre (478.5, 189.5) in field pixels
    ASSERT_TRUE(rig.Model.ComputeSourcePositions());
    rig.Model.ComputeSightLines();
    // Seen from position 5 at (349.1, 190).
    const double dx = 478.5 - 349.1;
    const double dy = -0.5;
    const double distance = std::hypot(dx, dy);
    const double centre = std::atan2(dy, dx);
    const double delta = std::atan2(28.5 / std::cos(centre), distance);
    const SightLine& s = rig.Model.SightLines[5][2];
    EXPECT_EQ(s.SlotIndex, 2);
    EXPECT_NEAR(s.Distance, distance, 1e-9);
    for (int j : {1, 3, 4, 5, 6}) {  // not placed
        const SightLine& none = rig.Model.SightLines[9][j];
        EXPECT_EQ(none.SlotIndex, j);
        EXPECT_EQ(none.Distance, -1.0);
        EXPECT_EQ(none.AngleFrom, -1.0);
        EXPECT_EQ(none.AngleTo, -1.0);
    }
    EXPECT_NEAR(s.AngleFrom, centre - delta, 1e-12);
    EXPECT_NEAR(s.AngleTo, centre + delta, 1e-12);

    // A second call with the same inputs gives the same table.
    const SightLine first = s;
    rig.Model.ComputeSightLines();
    EXPECT_EQ(s.Distance, first.Distance);
    EXPECT_EQ(s.AngleFrom, first.AngleFrom);
    EXPECT_EQ(s.AngleTo, first.AngleTo);

    // The offset comes from the field image's place in the panel.
    rig.Experiment.Left = 20;
    rig.Model.ComputeSightLines();
    EXPECT_NEAR(s.Distance, std::hypot(dx - 4, dy), 1e-9);
}

TEST(SightLines, SteepViewIsCappedAtTheHalfDiagonal) {
    Rig rig;
    rig.Mount(1);
    rig.Place(1, 172, 300);  // centre (200.5, 328.5): almost straight below position 1
    ASSERT_TRUE(rig.Model.ComputeSourcePositions());
    rig.Model.ComputeSightLines();
    const SightLine& s = rig.Model.SightLines[1][1];
    const double distance = std::hypot(0.5, 328.5 - 40.9);
    const double halfDiagonal = 0.5 * std::sqrt(57.0 * 57 + 57 * 57);
    EXPECT_NEAR(s.Distance, distance, 1e-9);
    EXPECT_NEAR(s.AngleTo - s.AngleFrom, 2 * std::atan2(halfDiagonal, distance), 1e-12);
}

TEST(SightLines, ComponentLeftOfAPositionHasAnEmptyBand) {
    Rig rig;
    rig.Mount(1);
    rig.Place(3, 0, 161);  // centre x 13, left of every rotor position
    ASSERT_TRUE(rig.Model.ComputeSourcePositions());
    rig.Model.ComputeSightLines();
    for (int i = 1; i <= kRotorPositionCount; ++i) {
        EXPECT_LT(rig.Model.SightLines[i][3].AngleTo, rig.Model.SightLines[i][3].AngleFrom) << i;
    }
}

}  // namespace
}  // namespace sim
