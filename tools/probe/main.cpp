// zenlith-probe [--model classic|precise] [--events]: one case per input
// line, one JSON outcome per output line, from the chosen model (classic by
// default); with --events, the events of the case's local day instead.
// Lines are taken in blocks, and each block is shared among the cores, every
// core with a calculator of its own: an outcome depends only on its own case.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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

struct Options {
    zenlith::ModelKind model = zenlith::ModelKind::classic;
    bool events = false;
};

struct Worker {
    explicit Worker(const Options& options) : calculator(options.model), events(options.events) {}
    zenlith::SkyCalculator calculator;
    bool events;
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
#else
    void appendDayEvents(const zenlith::FieldTexts&) {}
#endif

    void run(const std::vector<std::string>& lines, std::size_t first, std::size_t last) {
        output.clear();
        for (std::size_t n = first; n < last; ++n) {
            const zenlith::FieldTexts fields = zenlith::probe::parseCase(lines[n]);
            if (events) {
                appendDayEvents(fields);
            } else {
                zenlith::probe::appendOutcomeJson(output, calculator.compute(fields, "."));
            }
            output += '\n';
        }
    }
};

bool readBlock(std::vector<std::string>& lines) {
    lines.clear();
    std::string line;
    while (lines.size() < linesPerBlock && std::getline(std::cin, line)) {
        lines.push_back(std::move(line));
    }
    return !lines.empty();
}

std::optional<zenlith::ModelKind> modelNamed(std::string_view name) {
    if (name == "classic") {
        return zenlith::ModelKind::classic;
    }
    if (name == "precise") {
        return zenlith::ModelKind::precise;
    }
    return std::nullopt;
}

// --events exists where the probe is built with the time-zone database.
std::optional<Options> optionsFrom(int argc, char** argv) {
    Options options;
    for (int k = 1; k < argc; ++k) {
        const std::string_view option = argv[k];
        if (option == "--model" && k + 1 < argc) {
            const std::optional<zenlith::ModelKind> model = modelNamed(argv[++k]);
            if (!model) {
                return std::nullopt;
            }
            options.model = *model;
#ifdef ZENLITH_PROBE_EVENTS
        } else if (option == "--events") {
            options.events = true;
#endif
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = optionsFrom(argc, argv);
    if (!options) {
        std::cerr << "usage: zenlith-probe [--model classic|precise] [--events] < cases\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    zenlith::BlockRunner<Worker> runner([options = *options] { return std::make_unique<Worker>(options); });
    std::vector<std::string> lines;
    while (readBlock(lines)) {
        runner.run(lines.size(), [&lines](Worker& worker, std::size_t first, std::size_t last) {
            worker.run(lines, first, last);
        });
        runner.forEachWorker([](const Worker& worker) { std::cout << worker.output; });
    }
    return std::cout.good() ? 0 : 1;
}
