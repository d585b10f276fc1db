// The month's table: every day's Sun and Moon events, followed from day to
// day, the Hebrew dates and the phases, for one civil month.
#include <benchmark/benchmark.h>

#include "almanac_days.h"
#include "classic_sky_model.h"
#include "zone_clock_rules.h"
#include "precise_sky_model.h"

namespace {

void Month(benchmark::State& state, zenlith::ModelKind kind) {
    zenlith::Engine engine;
    zenlith::ClassicSkyModel classic(engine);
    zenlith::PreciseSkyModel precise;
    zenlith::SkyModel& model = kind == zenlith::ModelKind::precise ? static_cast<zenlith::SkyModel&>(precise) : classic;
    const zenlith::ClockRules& rules = zenlith::israelClockRules();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zenlith::almanacMonth(model, rules, 2026, 3));
    }
}
BENCHMARK_CAPTURE(Month, Classic, zenlith::ModelKind::classic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Month, Precise, zenlith::ModelKind::precise)->Unit(benchmark::kMillisecond);

}  // namespace
