// The Hebrew date of a civil day, by the calendar's arithmetic, over a span of
// days so that no year's New Year is reused from the last call.
#include <benchmark/benchmark.h>

#include "hebrew_calendar.h"

namespace {

void HebrewDateOfCivilDay(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zenlith::hebrewDateOf(1000 + day % 2000, 1 + day % 12, 1 + day % 28));
        ++day;
    }
}
BENCHMARK(HebrewDateOfCivilDay);

}  // namespace
