// The month's table: every day's Sun and Moon events, followed from day to
// day, the Hebrew dates and the phases, for one civil month; and the same
// with the day's halachic times.
#include <benchmark/benchmark.h>

#include "almanac_days.h"
#include "classic_sky_model.h"
#include "zone_clock_rules.h"
#include "precise_sky_model.h"

namespace {

void Month(benchmark::State& state, zenlith::ModelKind kind, bool withZmanim) {
    zenlith::Engine engine;
    zenlith::ClassicSkyModel classic(engine);
    zenlith::PreciseSkyModel precise;
    zenlith::SkyModel& model = kind == zenlith::ModelKind::precise ? static_cast<zenlith::SkyModel&>(precise) : classic;
    const zenlith::ClockRules& rules = zenlith::israelClockRules();
    const auto zmanim = withZmanim ? std::optional(zenlith::ZmanimChoices{}) : std::nullopt;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zenlith::almanacMonth(model, rules, 2026, 3, zmanim));
    }
}
BENCHMARK_CAPTURE(Month, Classic, zenlith::ModelKind::classic, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Month, Precise, zenlith::ModelKind::precise, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Month, ClassicWithZmanim, zenlith::ModelKind::classic, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Month, PreciseWithZmanim, zenlith::ModelKind::precise, true)->Unit(benchmark::kMillisecond);

}  // namespace
