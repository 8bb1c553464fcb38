// Wall time from the pump start to the rotor Start being enabled, on the program's own precise
// 10 ms timers: 1,740 ticks should take about 17.4 s.

#include <benchmark/benchmark.h>

#include "apparatus/Main.h"
#include "apparatus/QtClock.h"

namespace {

void PumpDown(benchmark::State& state) {
    for (auto _ : state) {
        sim::QtClock clock;
        sim::TForm1 form(clock, "/nonexistent/");
        form.show();
        form.BitBtn8Click();
        form.BitBtn1Click();
        while (!form.BitBtn3.Enabled) {
            clock.ProcessPendingEvents();
        }
        state.counters["pressure_mbar"] = form.Model.Pressure;
    }
}
BENCHMARK(PumpDown)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
