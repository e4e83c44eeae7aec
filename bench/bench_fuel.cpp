// Plans per second of the whole fuel computation: two trip-fuel passes, the
// reserve and the tank split, table rows rebuilt on every lookup.
#include "configurator/fuel/fuelplan.h"
#include "configurator/session/sessionstate.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PlanFuel(benchmark::State& state) {
    const AircraftType& aircraft = *aircraftOfCode(static_cast<std::int32_t>(state.range(0)));
    fuel::FuelPlanInput input{3000, 35000, 50, 170000, 200, 5, 1000};
    std::int32_t step = 0;
    for (auto _ : state) {
        // Vary the figures so that nothing is folded away between iterations.
        input.distance = 1000 + (step & 4095);
        input.altitude = 20000 + 7 * (step & 2047);
        ++step;
        benchmark::DoNotOptimize(fuel::PlanFuel(aircraft, input));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(aircraft.designation);
}

BENCHMARK(BM_PlanFuel)->Arg(kA330_200)->Arg(kA340_600);

} // namespace
