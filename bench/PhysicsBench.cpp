#include "physics/ApparatusModel.h"
#include "physics/Random.h"

#include <benchmark/benchmark.h>

namespace sim {
namespace {

constexpr int kFieldLeft = 16;
constexpr int kFieldTop = 10;

// The heaviest arrangement the drag rules allow (top-left corners at field x 450..1000,
// y <= 310, no overlaps), found by searching layouts for the most work per evaluation: the
// detector nearest the rotor at the height of its axis, so its bands are widest; the target
// against its right side and 2 px higher, so the target's lower-left corner lies on the
// detector's edge (every direction meets the detector, none can be passed over) and its lower
// corners see the detector across almost the full circle; the four shields in pairs directly
// above and below the detector, inside the bands of both.
struct Placement {
    int X, Y;  // field pixels, top-left corner
};
constexpr Placement kHeaviest[kSlotCount] = {{507, 187}, {450, 189}, {476, 132},
                                             {450, 246}, {476, 246}, {450, 132}};

// What changes between two evaluations decides their cost: the first evaluation of a field
// forms everything, one at another speed redoes only the resonant part, and the ticks of one
// count repeat their inputs exactly.
enum class Between { NewField, NewSpeed, Nothing };

void BM_EvaluateApparatus(benchmark::State& state, Between change) {
    PanelItem experiment{kFieldLeft, kFieldTop, 1064, 377, 0};
    PanelItem image2{0, 0, 33, 33, 1};
    PanelItem image3{0, 0, 33, 33, 9};
    IndexedArray<PanelItem, 1, kSlotCount> shapes;
    IndexedArray<const PanelItem*, 1, kSlotCount> pointers;
    for (int j = 1; j <= kSlotCount; ++j) {
        shapes[j] = {kHeaviest[j - 1].X + kFieldLeft, kHeaviest[j - 1].Y + kFieldTop,
                     j <= 2 ? 57 : 26, 57, j};
        pointers[j] = &shapes[j];
    }
    ApparatusModel model;
    model.Experiment = &experiment;
    model.Image2 = &image2;
    model.Image3 = &image3;
    model.SetDefaults(pointers, 33);
    for (int j = 1; j <= kSlotCount; ++j) {
        model.Slots[j].Placed = true;
    }
    model.RotorDriveOn = true;
    model.RotorSpeed = 1400;
    std::int64_t n = 0;
    for (auto _ : state) {
        if (change == Between::NewField) {
            // The outermost shield one pixel up and back: the rest of the field stays heaviest.
            shapes[6].Top = kHeaviest[5].Y + kFieldTop - static_cast<int>(n % 2);
        } else if (change == Between::NewSpeed) {
            // The set points of a series with step 50.
            model.RotorSpeed = kRotorSpeedMin + kRotorSpeedIncrement * static_cast<double>(n % 39);
        }
        ++n;
        benchmark::DoNotOptimize(model.EvaluateApparatus());
        benchmark::DoNotOptimize(model.DetectorRate);
    }
}
BENCHMARK_CAPTURE(BM_EvaluateApparatus, new_field, Between::NewField)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EvaluateApparatus, new_speed, Between::NewSpeed)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EvaluateApparatus, same_tick, Between::Nothing)->Unit(benchmark::kMicrosecond);

void BM_RandomCount(benchmark::State& state, double mean) {
    RandomSource random;
    for (auto _ : state) {
        benchmark::DoNotOptimize(random.RandomCount(mean));
    }
}
BENCHMARK_CAPTURE(BM_RandomCount, mean_5, 5.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RandomCount, mean_800, 800.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RandomCount, mean_999_9, 999.9)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RandomCount, mean_2000, 2000.0)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sim
