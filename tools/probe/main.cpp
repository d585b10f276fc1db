// zenlith-probe [--model classic|precise] [--events [--zmanim]] [--site LAT,LON,HEIGHT,ZONE]:
// one case per input line, one JSON outcome per output line, from the chosen
// model (classic by default) at the site (the original one by default); with
// --events, the events of the case's local day instead, and with --zmanim
// its halachic times too, by the site's custom of candle lighting.
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
#include "candle_custom.h"
#include "day_calculator.h"
#include "entered_instant.h"
#include "day_sheet_json.h"
#include "coordinate_text.h"
#include "zone_clock_rules.h"
#endif

namespace {

constexpr std::size_t linesPerBlock = 8192;

struct Options {
    zenlith::ModelKind model = zenlith::ModelKind::classic;
    bool events = false;
    bool zmanim = false;
    zenlith::Place site = zenlith::originalSite();
};

struct Worker {
    explicit Worker(const Options& options) : calculator(options.model), events(options.events) {
#ifdef ZENLITH_PROBE_EVENTS
        if (options.zmanim) {
            zmanim = zenlith::ZmanimChoices{
                zenlith::candleLightingMinutes(zenlith::suggestedCandleCustom(options.site)),
                zenlith::HavdalahRule::atTzeit};
        }
        // Another site's zone was found when the options were read; the
        // original site's clock keeps universal time without the database.
        ownClock = zenlith::ZoneClockRules::open(options.site.timeZone);
        if (ownClock) {
            clock = ownClock.get();
        }
        calculator.standAt(options.site, *clock);
        days.standAt(options.site);
#endif
    }
    zenlith::SkyCalculator calculator;
    bool events;
    std::string output;
#ifdef ZENLITH_PROBE_EVENTS
    std::unique_ptr<zenlith::ZoneClockRules> ownClock;
    const zenlith::ClockRules* clock = &zenlith::israelClockRules();
    zenlith::DayCalculator days;
    std::optional<zenlith::ZmanimChoices> zmanim;

    // The local day of the entered date, or the refusal the compute action gives.
    void appendDayEvents(const zenlith::FieldTexts& fields) {
        const zenlith::ComputeOutcome outcome = calculator.compute(fields, ".");
        if (std::holds_alternative<zenlith::Refusal>(outcome)) {
            zenlith::probe::appendOutcomeJson(output, outcome);
            return;
        }
        // The classic calendar takes some dates the civil calendar has no day for.
        const std::optional<zenlith::CivilDateTime> entered = zenlith::enteredCivilTime(fields);
        const zenlith::ModelKind model = std::get<zenlith::ComputedSky>(outcome).model;
        const auto sheet =
            entered ? days.sheetFor(model, *clock, entered->year, entered->month, entered->day, zmanim) : std::nullopt;
        if (sheet) {
            zenlith::appendDaySheetJson(output, *sheet, *clock);
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

#ifdef ZENLITH_PROBE_EVENTS
// LAT,LON[,HEIGHT][,ZONE] with a zone the database has; Israel's clock by default.
std::optional<zenlith::Place> siteOf(std::string_view text) {
    const auto read = zenlith::readCoordinates(text);
    const auto* typed = std::get_if<zenlith::TypedCoordinates>(&read);
    if (!typed) {
        return std::nullopt;
    }
    zenlith::Place site{std::string(text), typed->latitudeDegrees, typed->longitudeDegrees,
                        typed->heightMetres.value_or(0), typed->timeZone.value_or("Asia/Jerusalem")};
    if (!zenlith::ZoneClockRules::open(site.timeZone)) {
        std::cerr << "zenlith-probe: the time-zone database has no zone " << site.timeZone << '\n';
        return std::nullopt;
    }
    return site;
}
#endif

// --events and --site exist where the probe is built with the time-zone database.
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
        } else if (option == "--zmanim") {
            options.zmanim = true;
        } else if (option == "--site" && k + 1 < argc) {
            const std::optional<zenlith::Place> site = siteOf(argv[++k]);
            if (!site) {
                return std::nullopt;
            }
            options.site = *site;
#endif
        } else {
            return std::nullopt;
        }
    }
    if (options.zmanim && !options.events) {
        return std::nullopt;
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = optionsFrom(argc, argv);
    if (!options) {
        std::cerr << "usage: zenlith-probe [--model classic|precise] [--events [--zmanim]] [--site LAT,LON,HEIGHT,ZONE]"
                     " < cases\n";
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
