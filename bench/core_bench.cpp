// The engine for one instant, the compute action end to end, and the precise
// model for one instant.
#include <benchmark/benchmark.h>

#include "sky_calculator.h"

namespace {

void EngineAllBodies(benchmark::State& state) {
    zenlith::Engine engine;
    engine.setConstants();
    zenlith::CivilInstant instant{2024, 3, 1, 12, 0, false};
    engine.convertCalendar(instant);
    engine.formDayNumber();
    for (auto _ : state) {
        engine.computeAllBodies();
        benchmark::DoNotOptimize(engine.bodyResult);
    }
}
BENCHMARK(EngineAllBodies);

void ComputeActionWithReport(benchmark::State& state) {
    zenlith::SkyCalculator calculator;
    const zenlith::FieldTexts fields{"2024", "03", "01", "12", "00", false};
    for (auto _ : state) {
        auto outcome = calculator.compute(fields, ".");
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(ComputeActionWithReport);

// The precise model for all nine bodies at one instant, the search for the
// last new Moon included: a fresh model each time, so nothing is kept.
void PreciseAllBodies(benchmark::State& state) {
    const double julianDate = 2460371.0;  // 2024 March 1, 12h UT
    for (auto _ : state) {
        zenlith::PreciseSkyModel model;
        auto places = model.placesAt(julianDate);
        benchmark::DoNotOptimize(places);
    }
}
BENCHMARK(PreciseAllBodies);

// Minute after minute, as a search for rising or setting asks: the model
// keeps the lunation's new Moon.
void PreciseMinuteAfterMinute(benchmark::State& state) {
    zenlith::PreciseSkyModel model;
    double julianDate = 2460371.0;
    for (auto _ : state) {
        auto places = model.placesAt(julianDate);
        benchmark::DoNotOptimize(places);
        julianDate += 1.0 / 1440;
    }
}
BENCHMARK(PreciseMinuteAfterMinute);

}  // namespace
