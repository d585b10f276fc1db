// The day's events window's whole content for one date: every search, the
// Hebrew dates, Israel's clock and the text.
#include <benchmark/benchmark.h>

#include "day_calculator.h"
#include "day_sheet_text.h"
#include "day_table.h"
#include "zone_clock_rules.h"

namespace {

void DaySheet(benchmark::State& state, zenlith::ModelKind model) {
    zenlith::DayCalculator calculator;
    const zenlith::ClockRules& rules = zenlith::israelClockRules();
    for (auto _ : state) {
        const auto sheet = calculator.sheetFor(model, rules, 2024, 10, 3);
        benchmark::DoNotOptimize(zenlith::daySheetLines(*sheet, rules, 0));
    }
}
BENCHMARK_CAPTURE(DaySheet, Classic, zenlith::ModelKind::classic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DaySheet, Precise, zenlith::ModelKind::precise)->Unit(benchmark::kMillisecond);

// The same searches with the day's halachic times on their positions.
void DaySheetWithZmanim(benchmark::State& state, zenlith::ModelKind model) {
    zenlith::DayCalculator calculator;
    const zenlith::ClockRules& rules = zenlith::israelClockRules();
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculator.sheetFor(model, rules, 2024, 10, 3, zenlith::ZmanimChoices{}));
    }
}
BENCHMARK_CAPTURE(DaySheetWithZmanim, Classic, zenlith::ModelKind::classic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DaySheetWithZmanim, Precise, zenlith::ModelKind::precise)->Unit(benchmark::kMillisecond);

// A step within the same day: the window keeps the day's searches and only
// writes its table again, with the halachic times.
void DayTable(benchmark::State& state) {
    zenlith::DayCalculator calculator;
    const zenlith::ClockRules& rules = zenlith::israelClockRules();
    const auto sheet = calculator.sheetFor(zenlith::ModelKind::precise, rules, 2024, 10, 3, zenlith::ZmanimChoices{});
    for (auto _ : state) {
        benchmark::DoNotOptimize(zenlith::dayTableTitle(*sheet, rules));
        benchmark::DoNotOptimize(zenlith::dayTableRows(*sheet, rules, 50.0));
    }
}
BENCHMARK(DayTable)->Unit(benchmark::kMicrosecond);

}  // namespace
