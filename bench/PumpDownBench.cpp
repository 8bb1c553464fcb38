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
        sim::TForm1Logic& logic = form.Logic();
        logic.BitBtn8Click();
        logic.BitBtn1Click();
        while (!logic.BitBtn3.Enabled) {
            clock.ProcessPendingEvents();
        }
        state.counters["pressure_mbar"] = logic.Model.Pressure;
    }
}
BENCHMARK(PumpDown)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
