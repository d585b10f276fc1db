// The whole content of the day's events for one date: every search.
#include <benchmark/benchmark.h>

#include "classic_sky_model.h"
#include "day_events.h"
#include "precise_sky_model.h"

namespace {

// 3 October 2024, local midnight to midnight in universal time.
constexpr zenlith::DaySpan day{2460586.375, 2460587.375};

void DayEventsClassic(benchmark::State& state) {
    zenlith::Engine engine;
    zenlith::ClassicSkyModel classic(engine);
    for (auto _ : state) {
        benchmark::DoNotOptimize(zenlith::findDayEvents(classic, day));
    }
}
BENCHMARK(DayEventsClassic)->Unit(benchmark::kMillisecond);

void DayEventsPrecise(benchmark::State& state) {
    zenlith::PreciseSkyModel precise;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zenlith::findDayEvents(precise, day));
    }
}
BENCHMARK(DayEventsPrecise)->Unit(benchmark::kMillisecond);

}  // namespace
