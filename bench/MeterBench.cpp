#include <benchmark/benchmark.h>

#include <QImage>

#include "widgets/Meter.h"

namespace {

// The main window gives the meters a reading on every 10 ms tick; each reading here differs
// from the one before, so every call retexts the edit boxes.
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

// One repaint of the dial after a new reading, as the screen gets it.
void BM_SetValueAndPaintDial(benchmark::State& state) {
    sim::TMuszer meter;
    meter.SetInverse(state.range(0) != 0);
    QImage screen(meter.Image1()->size(), QImage::Format_RGB32);
    const double readings[] = {980.0, 0.0015, 3.7e-5, 12.5};
    std::size_t i = 0;
    for (auto _ : state) {
        meter.SetValue(readings[i++ % 4]);
        meter.Image1()->render(&screen);
    }
    benchmark::DoNotOptimize(screen.constBits());
}
BENCHMARK(BM_SetValueAndPaintDial)->Arg(0)->Arg(1)->ArgName("inverse");

}  // namespace
