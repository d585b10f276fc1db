// zenlith-ephemeris: the report's figures for many instants, as a table.
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <string_view>
#include <vector>

#include "almanac_run.h"
#include "ephemeris_run.h"
#include "events_run.h"
#include "next_run.h"
#include "interruption.h"
#include "zone_clock_rules.h"
#include "message_text.h"
#include "options.h"
#include "place_catalogue.h"
#include "world_cities.h"
#include "stars_run.h"

namespace {

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

// The places whose names start with the text, one a line.
int listPlaces(const zenlith::PlaceCatalogue& catalogue, const std::string& text) {
    const auto& entries = catalogue.entries();
    std::vector<const zenlith::PlaceEntry*> found;
    if (text.empty()) {
        for (const auto& entry : entries) found.push_back(&entry);
    } else {
        found = catalogue.search(text, entries.size());
    }
    for (const zenlith::PlaceEntry* entry : found) std::cout << zenlith::cli::placeListLine(*entry) << '\n';
    return std::cout.flush() ? 0 : zenlith::cli::exitFailed;
}

// The system clock as a Julian date in universal time.
double nowJulianDate() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return 2440587.5 + std::chrono::duration<double>(sinceEpoch).count() / 86400;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zenlith::cli;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    return std::visit(
        Overloaded{
            [](const ShowHelp&) {
                std::cout << helpText();
                return std::cout.flush() ? 0 : exitFailed;
            },
            [](const ShowVersion&) {
                std::cout << "zenlith-ephemeris " ZENLITH_VERSION "\n";
                return std::cout.flush() ? 0 : exitFailed;
            },
            [](const UsageError& error) {
                std::cerr << "zenlith-ephemeris: " << error.message << '\n';
                return exitUsage;
            },
            [](const Options& options) {
                const zenlith::PlaceCatalogue catalogue =
                    zenlith::PlaceCatalogue::standard(std::string(zenlith::zoneInfoFolder));
                if (options.listPlaces) return listPlaces(catalogue, *options.listPlaces);
                const auto chosen = choosePlace(options.place, catalogue);
                if (const auto* problem = std::get_if<PlaceProblem>(&chosen)) {
                    std::cerr << "zenlith-ephemeris: " << problem->message << '\n';
                    return exitUsage;
                }
                RunSettings settings;
                settings.place = std::get<zenlith::Place>(chosen);
                // Only the summer box given at the original site needs no clock.
                const bool needsClock = options.summer == SummerMode::automatic || options.events ||
                                        settings.place != zenlith::originalSite();
                if (needsClock && !zenlith::ZoneClockRules::open(settings.place.timeZone)) {
                    std::cerr << "zenlith-ephemeris: the time-zone database (/usr/share/zoneinfo) has no zone "
                              << quotedForMessage(settings.place.timeZone)
                              << ", so the place's civil time cannot be told; install tzdata or give --tz\n";
                    return exitFailed;
                }
                if (!options.next && !options.range && !options.almanac && options.at.empty() && ::isatty(STDIN_FILENO)) {
                    std::cerr << "zenlith-ephemeris: give instants with --at, with --from and --to, or on standard "
                                 "input (see --help)\n";
                    return exitUsage;
                }
                settings.makeClockRules = [zone = settings.place.timeZone] {
                    return zenlith::ZoneClockRules::open(zone);
                };
                settings.inputFd = STDIN_FILENO;
                settings.showProgress = ::isatty(STDERR_FILENO) != 0;
                // The coming events are written only once found: Ctrl+C before
                // then simply ends the program.
                if (options.next) {
                    return runComingEvents(options, settings, nowJulianDate(), std::cerr);
                }
                catchInterruptions();
                if (options.almanac) return runAlmanac(options, settings, std::cerr);
                if (options.stars) return runStars(options, settings, std::cerr);
                return options.events ? runDayEvents(options, settings, std::cerr)
                                      : runEphemeris(options, settings, std::cerr);
            },
        },
        parsed);
}
