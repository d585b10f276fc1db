// The engine for one instant, and the compute action end to end.
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

}  // namespace
