// zenlith-probe: one case per input line, one JSON outcome per output line.
// Lines are taken in blocks, and each block is shared among the cores, every
// core with a calculator of its own: an outcome depends only on its own case.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "block_runner.h"
#include "probe_format.h"
#include "sky_calculator.h"
#ifdef ZENLITH_PROBE_EVENTS
#include "day_calculator.h"
#include "entered_instant.h"
#include "events_json.h"
#include "israel_clock_rules.h"
#endif

namespace {

constexpr std::size_t linesPerBlock = 8192;

bool eventsWanted = false;

struct Worker {
    zenlith::SkyCalculator calculator;
    std::string output;
#ifdef ZENLITH_PROBE_EVENTS
    zenlith::DayCalculator days;
    zenlith::IsraelClockRules clockRules;

    // The local day of the entered date, or the refusal the compute action gives.
    void appendDayEvents(const zenlith::FieldTexts& fields) {
        const zenlith::ComputeOutcome outcome = calculator.compute(fields, ".");
        if (std::holds_alternative<zenlith::Refusal>(outcome)) {
            zenlith::probe::appendOutcomeJson(output, outcome);
            return;
        }
        // The classic calendar takes some dates the civil calendar has no day for.
        const std::optional<zenlith::CivilDateTime> entered = zenlith::enteredCivilTime(fields);
        const auto sheet = entered ? days.sheetFor(std::get<zenlith::ComputedSky>(outcome).model, clockRules,
                                                   entered->year, entered->month, entered->day)
                                   : std::nullopt;
        if (sheet) {
            zenlith::probe::appendDayEventsJson(output, *sheet, clockRules);
        } else {
            output += "null";
        }
    }
#endif

    void run(const std::vector<std::string>& lines, std::size_t first, std::size_t last) {
        output.clear();
        for (std::size_t n = first; n < last; ++n) {
            const zenlith::FieldTexts fields = zenlith::probe::parseCase(lines[n]);
#ifdef ZENLITH_PROBE_EVENTS
            if (eventsWanted) {
                appendDayEvents(fields);
                output += '\n';
                continue;
            }
#endif
            zenlith::probe::appendOutcomeJson(output, calculator.compute(fields, "."));
            output += '\n';
        }
    }
};

// --events: each case's local day instead of its instant (where the probe is
// built with the time-zone database).
bool readOptions(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        const std::string option = argv[k];
#ifdef ZENLITH_PROBE_EVENTS
        if (option == "--events") {
            eventsWanted = true;
            continue;
        }
#endif
        std::cerr << "zenlith-probe: unknown option " << option << '\n';
        return false;
    }
    return true;
}

bool readBlock(std::vector<std::string>& lines) {
    lines.clear();
    std::string line;
    while (lines.size() < linesPerBlock && std::getline(std::cin, line)) {
        lines.push_back(std::move(line));
    }
    return !lines.empty();
}

}  // namespace

int main(int argc, char** argv) {
    if (!readOptions(argc, argv)) {
        return 2;
    }
    std::ios::sync_with_stdio(false);
    zenlith::BlockRunner<Worker> runner([] { return std::make_unique<Worker>(); });
    std::vector<std::string> lines;
    while (readBlock(lines)) {
        runner.run(lines.size(), [&lines](Worker& worker, std::size_t first, std::size_t last) {
            worker.run(lines, first, last);
        });
        runner.forEachWorker([](const Worker& worker) { std::cout << worker.output; });
    }
    return std::cout.good() ? 0 : 1;
}
