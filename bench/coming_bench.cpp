// The coming events on the precise model: a year of every kind, as the
// window asks for it, and fifty years on two threads, as the command line.
#include <benchmark/benchmark.h>

#include "coming_events.h"

namespace {

constexpr double from2025 = 2460676.5;  // 2025-01-01 0h UT

void ComingEvents(benchmark::State& state) {
    const double years = static_cast<double>(state.range(0));
    const int threads = static_cast<int>(state.range(1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            zenlith::findComingEvents(zenlith::originalSite(), {from2025, from2025 + 365.25 * years}, threads));
    }
}
BENCHMARK(ComingEvents)->Args({1, 1})->Args({50, 2})->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
