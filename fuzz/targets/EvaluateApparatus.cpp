// One measurement tick's computation on arbitrary 32-bit component rectangles, field offset,
// source positions (the sources' Tags), rotor speed and count factor: EvaluateApparatus, then
// the random count added to the counter. No crash, no undefined behaviour, a bounded sweep; for
// the placements a drag can make, a finite, non-negative rate; and the radiation scattered from
// the target's corners exactly as a sweep that forms every direction's chord gives it.

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "common/Conversions.h"
#include "fuzz/FuzzSupport.h"
#include "geometry/core/PanelLayout.h"
#include "geometry/core/Placement.h"
#include "physics/ApparatusModel.h"
#include "physics/Random.h"

namespace {

// The default sizes, placed where the drop window lets a drag put them.
bool DragPlaceable(const sim::PanelItem& item, int slot, const sim::PanelItem& field) {
    const sim::ItemPlace& start = sim::kComponentStart[slot - 1];
    const std::int64_t x = std::int64_t{item.Left} - field.Left;
    const std::int64_t y = std::int64_t{item.Top} - field.Top;
    return item.Width == start.Width && item.Height == start.Height &&
           sim::ComponentDropAllowed(x, y) && y >= 0;
}

// The chord of the detector rectangle on the line through (px, py) with direction theta, the
// plain way: edges met left, right, top, bottom, points truncated to whole pixels, the first
// kept and the last replacing the second.
struct PlainRect {
    double Left, Top, Right, Bottom;
};

double PlainChord(const PlainRect& r, double px, double py, double theta) {
    const double t = std::tan(theta);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int found = 0;
    auto accept = [&](double x, double y) {
        (found == 0 ? x1 : x2) = std::trunc(x);
        (found == 0 ? y1 : y2) = std::trunc(y);
        ++found;
    };
    const double yLeft = t * (r.Left - px) + py;
    if (r.Top <= yLeft && yLeft <= r.Bottom) {
        accept(r.Left, yLeft);
    }
    const double yRight = t * (r.Right - px) + py;
    if (r.Top <= yRight && yRight <= r.Bottom) {
        accept(r.Right, yRight);
    }
    if (theta != 0) {
        const double xTop = (r.Top - py) / t + px;
        if (r.Left <= xTop && xTop <= r.Right) {
            accept(xTop, r.Top);
        }
        const double xBottom = (r.Bottom - py) / t + px;
        if (r.Left <= xBottom && xBottom <= r.Right) {
            accept(xBottom, r.Bottom);
        }
    }
    if (found >= 2) {
        return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    }
    return found == 0 && theta == 0 ? r.Right - r.Left : 0;
}

// The detector rate with the scattered part added the plain way: for every corner, every
// direction of its band in steps of 0.001 rad, the chord through the detector, its absorption
// summed. Starts from the direct part.
double PlainScatteredRate(const sim::ApparatusModel& m, double rate) {
    constexpr double kPi = std::numbers::pi;
    constexpr double kStep = 0.001;
    constexpr int kMaxSteps = 20000;
    const sim::PanelItem& d = *m.Slots[sim::kDetectorSlot].Shape;
    const double mu2 = m.Slots[sim::kDetectorSlot].Mu;
    const double left = d.Left;
    const double top = d.Top;
    const PlainRect r{left, top, left + d.Width, top + d.Height};
    for (const sim::TargetCorner& corner : m.TargetCorners) {
        double sum = 0;
        double theta = corner.AngleMin;
        for (int step = 0; theta <= corner.AngleMax && step < kMaxSteps; ++step) {
            theta = theta + kStep;
            const double chord = std::fabs(theta) == kPi / 2 ? d.Height
                                                              : PlainChord(r, corner.X, corner.Y, theta);
            sum = sum + (1 - std::exp(-mu2 * chord)) * kStep / (2 * kPi) * corner.Intensity;
        }
        rate = rate + sum;
    }
    return rate;
}

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sim::fuzz::ByteReader in(data, size);
    const std::uint8_t mode = in.Byte();
    // Bit 0: the sizes come from the input too; else the components keep their own sizes.
    const bool anySize = (mode & 1) != 0;

    sim::PanelItem field{sim::kFieldLeft, sim::kFieldTop, sim::kExperimentPlace.Width,
                         sim::kExperimentPlace.Height, 0};
    if ((mode & 2) != 0) {
        field.Left = in.Int32();
        field.Top = in.Int32();
    }
    std::array<sim::PanelItem, sim::kSlotCount> items{};
    sim::IndexedArray<const sim::PanelItem*, 1, sim::kSlotCount> shapes{};
    for (int i = 1; i <= sim::kSlotCount; ++i) {
        sim::PanelItem& item = items[static_cast<std::size_t>(i - 1)];
        const sim::ItemPlace& start = sim::kComponentStart[i - 1];
        item = {in.Int32(), in.Int32(), start.Width, start.Height, i};
        if (anySize) {
            item.Width = in.Int32();
            item.Height = in.Int32();
        }
        shapes[i] = &item;
    }
    sim::PanelItem image2{};
    sim::PanelItem image3{};
    image2.Tag = in.Int32();
    image3.Tag = in.Int32();
    const std::uint8_t placed = in.Byte();
    const std::int32_t speed = in.Int32();
    const std::int32_t factor = in.Int32();
    sim::ApparatusModel model;
    model.Random.Seed = static_cast<std::uint32_t>(in.Int32());
    model.SetDefaults(shapes, sim::kRotorMarkerSize);
    model.Experiment = &field;
    model.Image2 = &image2;
    model.Image3 = &image3;
    bool allDragPlaceable = field.Left == sim::kFieldLeft && field.Top == sim::kFieldTop;
    for (int i = 1; i <= sim::kSlotCount; ++i) {
        model.Slots[i].Placed = ((placed >> (i - 1)) & 1) != 0;
        if (model.Slots[i].Placed) {
            allDragPlaceable = allDragPlaceable && DragPlaceable(*shapes[i], i, field);
        }
    }
    model.RotorDriveOn = (mode & 4) != 0;
    model.RotorSpeed = speed;

    const bool evaluated = model.EvaluateApparatus();

    // The rest of the tick: the counts of a positive factor, the exact mode of a negative one.
    const double expected = static_cast<double>(factor) * model.DetectorRate;
    std::int32_t counter = static_cast<std::int32_t>(in.Int32());
    if (factor > 0) {
        counter = sim::SaturatingAdd(counter, model.Random.RandomCount(expected));
    } else {
        counter = sim::SaturateToInt32(-expected);
    }
    (void)counter;

    SIM_FUZZ_CHECK(evaluated == model.ErrorText.empty());
    SIM_FUZZ_CHECK(evaluated == ((image2.Tag != 0 || image3.Tag != 0) &&
                                 model.Slots[sim::kDetectorSlot].Placed));
    if (evaluated && model.Slots[sim::kTargetSlot].Placed) {
        // The direct part alone, from the same sight lines, then the plain scattered part.
        sim::ApparatusModel direct = model;
        direct.DetectorRate = 0;
        direct.SweepFromRotor(sim::kDetectorSlot);
        SIM_FUZZ_CHECK(Same(PlainScatteredRate(model, direct.DetectorRate), model.DetectorRate));
    }
    if (evaluated && allDragPlaceable) {
        SIM_FUZZ_CHECK(std::isfinite(model.DetectorRate) && model.DetectorRate >= 0);
        SIM_FUZZ_CHECK(std::isfinite(model.TargetResonantRate) && model.TargetResonantRate >= 0);
    }
    return 0;
}
