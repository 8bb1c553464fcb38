#include <benchmark/benchmark.h>

#include "widgets/Meter.h"

namespace {

// The main window refreshes the meters on every 10 ms tick; each reading here differs from
// the one before, so every call redraws the dial and retexts the edit boxes.
void BM_SetValue(benchmark::State& state) {
    sim::TMuszer meter;
    meter.SetCaption("Nyomás (mbar)");
    meter.SetInverse(state.range(0) != 0);
    const double readings[] = {980.0, 0.0015, 3.7e-5, 12.5};
    std::size_t i = 0;
    for (auto _ : state) {
        meter.SetValue(readings[i++ % 4]);
    }
    benchmark::DoNotOptimize(meter.NeedleAngle());
}
BENCHMARK(BM_SetValue)->Arg(0)->Arg(1)->ArgName("inverse");

}  // namespace
