#include "tests/PosixOnly.h"
#include "tests/physics/Rig.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sim {
namespace {

using test::Rig;

// A field given as a geometry file gives it: Left and Top of slots 1..6 in panel pixels; a
// Left of 1080 or more lies in the bins.
using Layout = std::array<int, 12>;

void Apply(Rig& rig, const Layout& layout) {
    for (int j = 1; j <= kSlotCount; ++j) {
        const auto k = 2 * static_cast<std::size_t>(j - 1);
        rig.Shapes[j].Left = layout[k];
        rig.Shapes[j].Top = layout[k + 1];
        rig.Model.Slots[j].Placed = rig.Shapes[j].Left < 1080;
    }
}

struct Reference {
    double Speed;
    bool DriveOn;
    double DetectorRate;
};

// Rates of an independent transcription of the physics, written apart from this program.
const Layout kTargetAndDetectorMid = {536,  160, 716,  160, 1095, 312,
                                      1125, 312, 1154, 312, 1183, 312};
const Reference kTargetAndDetectorMidRates[] = {
    {0, false, 58.48830291822252},     {350, false, 58.48791433183086},
    {1000, false, 58.45916257486788},  {1400, false, 58.423822087774234},
    {1650, false, 58.435905763661594}, {2000, false, 58.47396174265971},
    {0, true, 45.25452330776993},      {350, true, 45.25410790795849},
    {1000, true, 45.23256730282082},   {1400, true, 45.18031940727359},
    {1650, true, 45.14695718832115},   {2000, true, 45.117754021253255},
};
const Layout kAllSixSpread = {496, 30, 676, 50, 576, 210, 776, 130, 896, 270, 966, 20};
const Reference kAllSixSpreadRates[] = {
    {0, false, 46.682904502240135},    {350, false, 46.676946239168856},
    {1000, false, 46.22636974658666},  {1400, false, 45.739806437437025},
    {1650, false, 45.956004390024155}, {2000, false, 46.48741116603386},
    {0, true, 59.781783128382585},     {350, true, 59.77969686843804},
    {1000, true, 59.63231377346884},   {1400, true, 59.40278899470401},
    {1650, true, 59.3950787911286},    {2000, true, 59.53891426693433},
};

// One model goes through every speed, both drive states, and repeats each tick, as a series
// and its counting ticks do; each rate must be the independent one.
TEST(EvaluationReuse, ReferenceRatesHoldThroughASeriesOnOneModel) {
    const std::pair<const Layout*, const Reference*> cases[] = {
        {&kTargetAndDetectorMid, kTargetAndDetectorMidRates},
        {&kAllSixSpread, kAllSixSpreadRates},
    };
    for (const auto& [layout, rates] : cases) {
        Rig rig;
        rig.Mount(1, 9);
        Apply(rig, *layout);
        for (int n = 0; n < 12; ++n) {
            rig.Model.RotorDriveOn = rates[n].DriveOn;
            rig.Model.RotorSpeed = rates[n].Speed;
            for (int tick = 0; tick < 2; ++tick) {
                ASSERT_TRUE(rig.Evaluate());
                EXPECT_NEAR(rig.Model.DetectorRate, rates[n].DetectorRate,
                            rates[n].DetectorRate * 1e-9)
                    << "speed " << rates[n].Speed << " drive " << rates[n].DriveOn;
            }
        }
    }
}

// The bits the evaluation gave before it kept anything between calls (target in front of the
// detector from some positions, so the target's factor enters the detector's sweep).
TEST(EvaluationReuse, RatesKeepTheirBitsFromBeforeReuse) {
    struct Bits {
        double Speed;
        double DetectorRate;
        double TargetResonantRate;
    };
    SIM_SKIP_ON_WINDOWS("these are the bits of glibc's exp and atan2; the C runtime's differ in "
                        "the last bits (the counts do not: tests/platforms/compare-results.sh)");
    const Bits expected[] = {
        {350, 0x1.6a0869ba12b19p+5, 0x1.5e20ab21f93c6p-5},
        {1400, 0x1.69714b4d2897fp+5, 0x1.d5b2d820cb25ap+2},
        {1650, 0x1.692cf7e3ee03p+5, 0x1.01c464bf691e8p+3},
        {0, 0x1.6a09438417886p+5, 0x1.dc66a5c452acp-9},
        {2000, 0x1.68f12905320abp+5, 0x1.90f82dc8ec2acp+2},
        {1400, 0x1.69714b4d2897fp+5, 0x1.d5b2d820cb25ap+2},
    };
    Rig rig;
    rig.Mount(1, 9);
    rig.Model.RotorDriveOn = true;
    Apply(rig, kTargetAndDetectorMid);
    for (const Bits& b : expected) {
        rig.Model.RotorSpeed = b.Speed;
        ASSERT_TRUE(rig.Evaluate());
        EXPECT_EQ(std::bit_cast<std::uint64_t>(rig.Model.DetectorRate),
                  std::bit_cast<std::uint64_t>(b.DetectorRate))
            << b.Speed;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(rig.Model.TargetResonantRate),
                  std::bit_cast<std::uint64_t>(b.TargetResonantRate))
            << b.Speed;
    }
}

// Everything an evaluation writes, bit for bit.
struct Outcome {
    bool Evaluated;
    std::vector<std::uint64_t> Bits;
};

Outcome OutcomeOf(Rig& rig) {
    Outcome o{rig.Evaluate(), {}};
    const ApparatusModel& m = rig.Model;
    auto add = [&](double v) { o.Bits.push_back(std::bit_cast<std::uint64_t>(v)); };
    add(m.TargetResonantRate);
    add(m.DetectorRate);
    for (const TargetCorner& c : m.TargetCorners) {
        add(c.X);
        add(c.Y);
        add(c.AngleMin);
        add(c.AngleMax);
        add(c.Intensity);
    }
    for (int i = 1; i <= kRotorPositionCount; ++i) {
        add(m.RotorPositions[i].Activity);
        for (int j = 1; j <= kSlotCount; ++j) {
            add(m.SightLines[i][j].Distance);
            add(m.SightLines[i][j].AngleFrom);
            add(m.SightLines[i][j].AngleTo);
        }
    }
    return o;
}

// The evaluation keeps no state of its own between calls: whatever changed since the last
// one, a model that has evaluated many fields must write what a brand-new one writes.
TEST(EvaluationReuse, EveryChangeOfTheInputsIsSeen) {
    Rig used;
    auto setUp = [](Rig& rig) {
        rig.Mount(1, 9);
        rig.Model.RotorDriveOn = true;
        rig.Model.RotorSpeed = 1400;
        Apply(rig, kAllSixSpread);
    };
    setUp(used);
    const std::vector<std::pair<std::string, std::function<void(Rig&)>>> changes = {
        {"nothing", [](Rig&) {}},
        {"speed", [](Rig& r) { r.Model.RotorSpeed = 1450; }},
        {"speed back", [](Rig& r) { r.Model.RotorSpeed = 1400; }},
        {"target one pixel", [](Rig& r) { r.Shapes[1].Left += 1; }},
        {"detector one pixel", [](Rig& r) { r.Shapes[2].Top -= 1; }},
        {"shield one pixel", [](Rig& r) { r.Shapes[5].Left += 1; }},
        {"shield taken off", [](Rig& r) { r.Model.Slots[3].Placed = false; }},
        {"target taken off", [](Rig& r) { r.Model.Slots[1].Placed = false; }},
        {"target back", [](Rig& r) { r.Model.Slots[1].Placed = true; }},
        {"target in front of the detector",
         [](Rig& r) {
             r.Shapes[1] = {400, 170, 57, 57, 1};
         }},
        {"drive off", [](Rig& r) { r.Model.RotorDriveOn = false; }},
        {"one source", [](Rig& r) { r.Image3.Tag = 0; }},
        {"sources swapped", [](Rig& r) { r.Mount(9, 1); }},
        {"field offset", [](Rig& r) { r.Experiment.Left = 17; }},
        {"shield size", [](Rig& r) { r.Shapes[4].Width = 30; }},
        {"attenuation", [](Rig& r) { r.Model.Slots[2].Mu = 0.003; }},
        {"line width", [](Rig& r) { r.Model.LineWidth *= 1.5; }},
        {"no detector", [](Rig& r) { r.Model.Slots[2].Placed = false; }},
        {"detector back", [](Rig& r) { r.Model.Slots[2].Placed = true; }},
    };
    std::vector<std::function<void(Rig&)>> done;
    for (const auto& [name, change] : changes) {
        change(used);
        done.push_back(change);
        Rig fresh;
        setUp(fresh);
        for (const auto& step : done) {
            step(fresh);
        }
        const Outcome a = OutcomeOf(used);
        const Outcome b = OutcomeOf(fresh);
        EXPECT_EQ(a.Evaluated, b.Evaluated) << name;
        EXPECT_EQ(used.Shown, fresh.Shown) << name;
        if (a.Evaluated) {  // a failed one leaves what the model held before, by design
            EXPECT_EQ(a.Bits, b.Bits) << name;
        }
        used.Shown.clear();
    }
}

// Hand-made tables swept directly are that call's alone: the next evaluation, at another
// speed, forms its own plan again.
TEST(EvaluationReuse, ADirectSweepOfTamperedTablesDoesNotLinger) {
    auto setUp = [](Rig& rig, double speed) {
        rig.Mount(1, 9);
        Apply(rig, kTargetAndDetectorMid);
        rig.Model.RotorSpeed = speed;
    };
    Rig rig;
    setUp(rig, 1400);
    ASSERT_TRUE(rig.Evaluate());
    for (int i = 1; i <= kRotorPositionCount; ++i) {
        rig.Model.SightLines[i][kDetectorSlot].AngleTo += 0.3;
        rig.Model.SightLines[i][kTargetSlot].AngleTo += 0.3;
    }
    rig.Model.SweepFromRotor(kTargetSlot);
    rig.Model.SweepFromRotor(kDetectorSlot);
    rig.Model.RotorSpeed = 1650;
    ASSERT_TRUE(rig.Evaluate());

    Rig fresh;
    setUp(fresh, 1650);
    ASSERT_TRUE(fresh.Evaluate());
    EXPECT_EQ(rig.Model.DetectorRate, fresh.Model.DetectorRate);
    EXPECT_EQ(rig.Model.TargetResonantRate, fresh.Model.TargetResonantRate);
}

}  // namespace
}  // namespace sim
