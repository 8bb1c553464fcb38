#include "tests/physics/Rig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

namespace sim {
namespace {

using test::Rig;

constexpr double kPi = std::numbers::pi;
constexpr double kStepWeight = 0.001 / (2 * kPi);

// Sums f over the directions a rotor sweep samples: from + 0.001 onwards while the previous
// direction lies below `to`.
template <typename F>
double SumOverBand(const SightLine& band, F f) {
    double sum = 0;
    for (double theta = band.AngleFrom; theta < band.AngleTo;) {
        theta += 0.001;
        sum += f(theta);
    }
    return sum;
}

TEST(ResonanceOverlap, PeaksWhereTheDopplerShiftMakesUpForBothRecoils) {
    Rig rig;
    ApparatusModel& m = rig.Model;
    const double peak = 1 / (std::sqrt(2 * kPi) * m.LineWidth);
    EXPECT_NEAR(peak, 1843.76, 0.01);
    EXPECT_NEAR(ApparatusModel::GaussLine(0, m.LineWidth), peak, peak * 1e-12);

    EXPECT_NEAR(m.ResonanceOverlap(1, 0.0), 0.2188, 1e-4);  // at rest
    m.RotorSpeed = 1402.6;
    // Position 1 moves right (direction 0), position 5 moves down (direction pi/2).
    EXPECT_NEAR(m.ResonanceOverlap(1, 0.0), peak, peak * 1e-4);
    EXPECT_NEAR(m.ResonanceOverlap(5, kPi / 2), peak, peak * 1e-4);
    EXPECT_LT(m.ResonanceOverlap(1, kPi), 1e-3);  // emitted backwards: shifted away
    // The line is wide: a line width corresponds to about 330 rev/s.
    m.RotorSpeed = 1100;
    const double below = m.ResonanceOverlap(1, 0.0);
    m.RotorSpeed = 1700;
    EXPECT_LT(below, 0.7 * peak);
    EXPECT_LT(m.ResonanceOverlap(1, 0.0), 0.7 * peak);
}

// One source standing at position 1, the target straight to its right, the detector far off
// the target's band and behind it.
struct TargetRig : Rig {
    TargetRig() {
        Mount(1);
        Place(1, 450, 12);  // centre (478.5, 40.5)
        Place(2, 900, 300);
    }
    double ExpectedTargetRate(double muEff) {
        const double mu1 = 0.02;
        return SumOverBand(Model.SightLines[1][1], [&](double theta) {
            const double path = 57 / std::cos(theta);
            return 16000 * kStepWeight * (std::exp(-mu1 * path) - std::exp(-muEff * path));
        });
    }
};

TEST(TargetResonance, EffectiveCoefficientAtRestAndAtResonance) {
    TargetRig rig;
    rig.Evaluate();
    ASSERT_EQ(rig.Shown.size(), 0u);
    const double atRest = rig.Model.TargetResonantRate;
    EXPECT_NEAR(atRest, rig.ExpectedTargetRate(0.02 * (1 + 1.094e-5)), atRest * 1e-3);

    rig.Model.RotorSpeed = 1402.6;
    rig.Evaluate();
    const double atResonance = rig.Model.TargetResonantRate;
    EXPECT_NEAR(atResonance, rig.ExpectedTargetRate(0.02 * 1.0922), atResonance * 2e-3);
    EXPECT_GT(atResonance, 5000 * atRest);
    for (const TargetCorner& c : rig.Model.TargetCorners) {
        EXPECT_EQ(c.Intensity, atResonance / 4);
    }
}

// One source standing at position 1 (200, 40.9), the detector straight to its right.
struct DetectorRig : Rig {
    DetectorRig() {
        Mount(1);
        Place(2, 600, 12);  // centre (628.5, 40.5)
    }
    double Evaluate() {
        Rig::Evaluate();
        EXPECT_EQ(Shown.size(), 0u);
        return Model.DetectorRate;
    }
    // The direct part with each direction through component j weakened by exp(-mu w / cos).
    double ExpectedDirect(int j, double mu) {
        const SightLine& shield = Model.SightLines[1][j];
        return SumOverBand(Model.SightLines[1][2], [&](double theta) {
            const double c = std::cos(theta);
            double part = 16000 * kStepWeight * (1 - std::exp(-0.002 * 57 / c));
            if (shield.AngleFrom <= theta && theta < shield.AngleTo) {
                part *= std::exp(-mu * Shapes[j].Width / c);
            }
            return part;
        });
    }
};

TEST(DirectRate, LeadShieldInFrontWeakensEachDirection) {
    DetectorRig rig;
    const double open = rig.Evaluate();
    EXPECT_NEAR(open, rig.ExpectedDirect(3, 0.0), open * 1e-12);

    rig.Place(3, 450, 12);  // in front of the detector and covering its whole band
    const double shielded = rig.Evaluate();
    EXPECT_NEAR(shielded, rig.ExpectedDirect(3, 0.2), shielded * 1e-12);
    EXPECT_NEAR(shielded / open, std::exp(-0.2 * 26), std::exp(-0.2 * 26) * 0.01);

    rig.Place(3, 800, 12);  // behind the detector: no effect
    EXPECT_EQ(rig.Evaluate(), open);
}

TEST(DirectRate, TargetInFrontAbsorbsResonantly) {
    DetectorRig rig;
    rig.Place(1, 450, 12);
    auto directPart = [&] {
        rig.Evaluate();
        rig.Model.DetectorRate = 0;
        rig.Model.SweepFromRotor(kDetectorSlot);
        return rig.Model.DetectorRate;
    };
    const double atRest = directPart();
    EXPECT_NEAR(atRest, rig.ExpectedDirect(1, 0.02 * (1 + 1.094e-5)), atRest * 1e-6);
    rig.Model.RotorSpeed = 1402.6;
    const double atResonance = directPart();
    EXPECT_NEAR(atResonance, rig.ExpectedDirect(1, 0.02 * 1.0922), atResonance * 1e-3);
    EXPECT_LT(atResonance, 0.92 * atRest);
}

TEST(DirectRate, ComponentBandsThatAreEmptyShadowNothing) {
    Rig rig;
    rig.Mount(13);           // standing at (50.9, 190)
    rig.Place(2, 450, 161);  // straight to the right
    rig.Evaluate();
    const double open = rig.Model.DetectorRate;
    EXPECT_GT(open, 0);
    // Across the path of direction 0, but its centre (45, 189.5) lies left of the position.
    rig.Place(3, 32, 161);
    rig.Evaluate();
    EXPECT_LT(rig.Model.SightLines[13][3].AngleTo, rig.Model.SightLines[13][3].AngleFrom);
    EXPECT_EQ(rig.Model.DetectorRate, open);

    // A detector left of the only active position receives nothing.
    rig.Model.Slots[3].Placed = false;
    rig.Place(2, 0, 161);
    rig.Evaluate();
    EXPECT_EQ(rig.Shown.size(), 0u);
    EXPECT_EQ(rig.Model.DetectorRate, 0.0);
}

TEST(ScatteredRate, TargetOffThePathAddsOnlyItsCornersRadiation) {
    DetectorRig rig;
    rig.Model.RotorSpeed = 1402.6;
    const double direct = rig.Evaluate();
    EXPECT_EQ(rig.Model.TargetResonantRate, 0.0);

    rig.Place(1, 450, 250);  // seen from position 1 at about 0.7 rad, far from the detector's band
    const double total = rig.Evaluate();
    const double resonant = rig.Model.TargetResonantRate;
    ASSERT_GT(resonant, 0);
    const double scattered = total - direct;
    EXPECT_GT(scattered, 0);

    rig.Model.DetectorRate = 0;
    rig.Model.SweepFromRotor(kDetectorSlot);
    EXPECT_EQ(rig.Model.DetectorRate, direct);

    // Each corner sees the far detector under about area / distance radians, and a thin
    // detector absorbs about mu * chord.
    double expected = 0;
    for (const TargetCorner& c : rig.Model.TargetCorners) {
        const double d = std::hypot(600 + 16 + 28.5 - c.X, 12 + 10 + 28.5 - c.Y);
        expected += resonant / 4 * 0.002 * 57 * 57 / (2 * kPi * d);
    }
    EXPECT_NEAR(scattered, expected, expected * 0.1);
}

TEST(ScatteredRate, DetectorBehindACornerIsFoundAlongTheOppositeDirections) {
    // Corner 1 alone radiates; the detector straddles its horizontal line, once on the left
    // (a band of almost the whole circle) and once mirrored on the right (a narrow band).
    auto scatterFrom = [](int detectorLeft) {
        Rig rig;
        rig.Place(2, detectorLeft - 16, 100 - 10);
        for (TargetCorner& c : rig.Model.TargetCorners) {
            c = TargetCorner{1000, 1000, 0, 0, 0};
        }
        rig.Model.TargetCorners[1] = TargetCorner{300, 130, 0, 0, 1000};
        rig.Model.DetectorRate = 0;
        rig.Model.ScatterToDetector();
        return std::pair{rig.Model.DetectorRate, rig.Model.TargetCorners[1]};
    };
    const auto [left, leftCorner] = scatterFrom(100);
    const auto [right, rightCorner] = scatterFrom(443);
    EXPECT_GT(leftCorner.AngleMin, -kPi);
    EXPECT_LT(leftCorner.AngleMin, -2.9);
    EXPECT_GT(leftCorner.AngleMax, 2.9);
    EXPECT_LT(leftCorner.AngleMax, kPi);
    EXPECT_LT(rightCorner.AngleMax - rightCorner.AngleMin, 0.4);
    EXPECT_GT(right, 0);
    // The whole line through the corner meets the detector near direction 0 as well, so the
    // wide band gets all of the narrow band's radiation, plus what its ends overlap the
    // detector's true directions.
    EXPECT_GT(left, right);
    EXPECT_LT(left, 1.25 * right);
}

// The corner sweep as written out step by step, every direction computed.
double PlainScatter(double px, double py, const PanelItem& d, double intensity) {
    const double left = d.Left, top = d.Top, right = left + d.Width, bottom = top + d.Height;
    const double qx[] = {left, right, left, right};
    const double qy[] = {top, top, bottom, bottom};
    double lo = 4 * kPi, hi = -4 * kPi;
    for (int q = 0; q < 4; ++q) {
        const double dx = qx[q] - px, dy = qy[q] - py;
        const double angle = dx != 0  ? std::atan2(dy, dx)
                             : dy > 0 ? kPi / 2
                             : dy < 0 ? -kPi / 2
                                      : 0;
        lo = std::min(lo, angle);
        hi = std::max(hi, angle);
    }
    double sum = 0;
    for (double theta = lo; theta <= hi;) {
        theta = theta + 0.001;
        double chord = 0;
        if (std::fabs(theta) == kPi / 2) {
            chord = d.Height;
        } else {
            const double t = std::tan(theta);
            std::pair<double, double> points[4];
            int found = 0;
            auto test = [&](double x, double y, bool onEdge) {
                if (onEdge) {
                    points[found++] = {std::trunc(x), std::trunc(y)};
                }
            };
            const double yl = t * (left - px) + py, yr = t * (right - px) + py;
            test(left, yl, top <= yl && yl <= bottom);
            test(right, yr, top <= yr && yr <= bottom);
            if (theta != 0) {
                const double xt = (top - py) / t + px, xb = (bottom - py) / t + px;
                test(xt, top, left <= xt && xt <= right);
                test(xb, bottom, left <= xb && xb <= right);
            }
            if (found >= 2) {
                const double dx = points[found - 1].first - points[0].first;
                const double dy = points[found - 1].second - points[0].second;
                chord = std::sqrt(dx * dx + dy * dy);
            } else if (found == 0 && theta == 0) {
                chord = d.Width;
            }
        }
        sum = sum + (1 - std::exp(-0.002 * chord)) * 0.001 / (2 * kPi) * intensity;
    }
    return sum;
}

TEST(ScatteredRate, PassingOverMissedDirectionsChangesNothing) {
    Rig rig;
    rig.Place(2, 500 - 16, 200 - 10);  // panel rectangle (500, 200)-(557, 257)
    std::vector<double> xs, ys;
    for (int v = 430; v <= 640; v += 9) {
        xs.push_back(v);
        ys.push_back(v - 300);
    }
    for (double v : {499.0, 500.0, 501.0, 556.0, 557.0, 558.0}) {  // on and beside the edges
        xs.push_back(v);
        ys.push_back(v - 300);
    }
    for (double x : xs) {
        for (double y : ys) {
            for (TargetCorner& c : rig.Model.TargetCorners) {
                c = TargetCorner{x, y, 0, 0, 0};
            }
            rig.Model.TargetCorners[1].Intensity = 1000;
            rig.Model.DetectorRate = 0;
            rig.Model.ScatterToDetector();
            ASSERT_EQ(rig.Model.DetectorRate, PlainScatter(x, y, rig.Shapes[2], 1000))
                << "corner at " << x << ',' << y;
        }
    }
}

TEST(Evaluation, ErrorsInOrderLeaveTheRatesOfTheLastSuccess) {
    Rig rig;
    ApparatusModel& m = rig.Model;
    m.TargetResonantRate = 7.5;
    m.DetectorRate = 12.5;
    m.RotorPositions[4].X = -99;
    m.TargetCorners[2].AngleMax = 3;
    m.TargetCorners[2].Intensity = 4;

    rig.Evaluate();
    ASSERT_EQ(rig.Shown, std::vector<std::string>{"Nincs forrás elhelyezve"});
    EXPECT_EQ(m.RotorPositions[4].X, -99);
    EXPECT_EQ(m.TargetCorners[2].AngleMax, 3);

    rig.Mount(9);
    rig.Evaluate();
    ASSERT_EQ(rig.Shown.size(), 2u);
    EXPECT_EQ(rig.Shown[1], "Nincs semmilyen elem a mérőhelyen");
    EXPECT_NE(m.RotorPositions[4].X, -99);
    EXPECT_EQ(m.TargetCorners[2].AngleMax, 0);
    EXPECT_EQ(m.TargetCorners[2].Intensity, 0);

    rig.Place(1, 450, 100);
    rig.Evaluate();
    ASSERT_EQ(rig.Shown.size(), 3u);
    EXPECT_EQ(rig.Shown[2], "Nincs detektor a mérőhelyen");
    EXPECT_EQ(m.TargetResonantRate, 7.5);
    EXPECT_EQ(m.DetectorRate, 12.5);

    // Until someone shows it, the message stays for the caller to read, until the next
    // evaluation starts.
    EXPECT_FALSE(m.EvaluateApparatus());
    EXPECT_EQ(m.ErrorText, "Nincs detektor a mérőhelyen");
    rig.Place(2, 600, 100);
    EXPECT_TRUE(m.EvaluateApparatus());
    EXPECT_EQ(m.ErrorText, "");
    EXPECT_NE(m.DetectorRate, 12.5);
}

TEST(Evaluation, ExtremeInputsStayDefined) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const PanelItem layouts[][kSlotCount] = {
        {{kMax, kMax, kMax, kMax, 1},
         {kMin, kMin, kMin, kMin, 2},
         {kMin, kMax, kMax, kMin, 3},
         {0, 0, kMin, kMax, 4},
         {-1, 5, 0, 0, 5},
         {-kMax / 2 + 300, 0, kMax, kMax, 6}},  // almost straight below position 1
        {{400, 300, 57, 57, 1},
         {kMin, 300, kMax, 57, 2},
         {466, 0, 26, 57, 3},
         {466, 0, 0, kMin, 4},
         {200, 200, 0, 0, 5},
         {216, 200, 1, kMax, 6}},
        {{216, 200, 0, 0, 1},
         {216, 200, 0, 0, 2},
         {216, 200, 0, 0, 3},
         {216, 200, 0, 0, 4},
         {216, 200, 0, 0, 5},
         {216, 200, 0, 0, 6}},
    };
    for (const auto& layout : layouts) {
        Rig rig;
        rig.Mount(kMin, 9);
        rig.Model.RotorDriveOn = true;
        rig.Model.RotorSpeed = 1400;
        for (int j = 1; j <= kSlotCount; ++j) {
            rig.Shapes[j] = layout[j - 1];
            rig.Model.Slots[j].Placed = true;
        }
        rig.Evaluate();
        EXPECT_EQ(rig.Shown.size(), 0u);
        // Every band stays within half a turn (corner bands within a turn): the sweeps end.
        for (int i = 1; i <= kRotorPositionCount; ++i) {
            for (int j = 1; j <= kSlotCount; ++j) {
                const SightLine& s = rig.Model.SightLines[i][j];
                EXPECT_TRUE(std::isfinite(s.Distance)) << i << ',' << j;
                EXPECT_LE(std::fabs(s.AngleTo - s.AngleFrom), kPi + 1e-12) << i << ',' << j;
            }
        }
        for (const TargetCorner& c : rig.Model.TargetCorners) {
            EXPECT_LE(c.AngleMax - c.AngleMin, 2 * kPi);
        }
    }
    // The half diagonal of the steep one, from an exact 64-bit sum of squares.
    Rig steep;
    steep.Mount(1);
    steep.Shapes[2] = layouts[0][5];
    steep.Model.Slots[2].Placed = true;
    steep.Evaluate();
    const SightLine& s = steep.Model.SightLines[1][2];
    EXPECT_NEAR(s.AngleTo - s.AngleFrom, 2 * std::atan2(0.5 * std::sqrt(2.0) * kMax, s.Distance),
                1e-12);

    // A hand-made table with absurd bands still ends its sweeps.
    Rig rig;
    rig.Mount(1);
    rig.Place(2, 600, 100);
    rig.Evaluate();
    for (int i = 1; i <= kRotorPositionCount; ++i) {
        rig.Model.SightLines[i][2].AngleFrom = 1e300;
        rig.Model.SightLines[i][2].AngleTo = std::numeric_limits<double>::infinity();
    }
    rig.Model.DetectorRate = 0;
    rig.Model.SweepFromRotor(kDetectorSlot);
    EXPECT_FALSE(std::isnan(rig.Model.DetectorRate));
}

}  // namespace
}  // namespace sim
