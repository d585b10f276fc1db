// The command line's cost per instant, on one core, for either model: the
// figures alone, and the figures with their CSV rows (nine bodies, every
// field), cut as the report cuts them or with every digit.
#include <benchmark/benchmark.h>

#include "instant_worker.h"

namespace {

using namespace zenlith;

// A month of hourly instants, so that the calendar's branches vary.
CivilDateTime instantNumber(std::int64_t n) {
    return {2026, 3, static_cast<int>(1 + n / 24 % 28), static_cast<int>(n % 24), 30};
}

void PlaceBodies(benchmark::State& state) {
    SkyCalculator calculator(static_cast<ModelKind>(state.range(0)));
    std::int64_t n = 0;
    for (auto _ : state) {
        const CivilDateTime when = instantNumber(n++);
        const FieldTexts fields{std::to_string(when.year), std::to_string(when.month), std::to_string(when.day),
                                std::to_string(when.hour), std::to_string(when.minute), false};
        benchmark::DoNotOptimize(calculator.place(fields));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlaceBodies)->Arg(static_cast<int>(ModelKind::classic))->Arg(static_cast<int>(ModelKind::precise))->ArgName("model");

void CsvRowsPerInstant(benchmark::State& state) {
    cli::TableColumns columns = cli::allColumns();
    columns.style = cli::TableStyle::csv;
    columns.full = state.range(0) != 0;
    const cli::TableWriter writer(columns);
    cli::InstantWorker worker(writer, cli::SummerMode::off, nullptr, static_cast<ModelKind>(state.range(1)), originalSite());
    std::string out;
    std::int64_t n = 0;
    for (auto _ : state) {
        out.clear();
        benchmark::DoNotOptimize(worker.appendRows(instantNumber(n++), out));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(out.size()));
}
BENCHMARK(CsvRowsPerInstant)
    ->ArgsProduct({{0, 1}, {static_cast<int>(ModelKind::classic), static_cast<int>(ModelKind::precise)}})
    ->ArgNames({"full", "model"});

}  // namespace
