// zenlith-ephemeris: the report's figures for many instants, as a table.
#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "ephemeris_run.h"
#include "events_run.h"
#include "interruption.h"
#include "zone_clock_rules.h"
#include "message_text.h"
#include "options.h"
#include "place_catalogue.h"
#include "world_cities.h"

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
                if (!options.range && options.at.empty() && ::isatty(STDIN_FILENO)) {
                    std::cerr << "zenlith-ephemeris: give instants with --at, with --from and --to, or on standard "
                                 "input (see --help)\n";
                    return exitUsage;
                }
                catchInterruptions();
                settings.makeClockRules = [zone = settings.place.timeZone] {
                    return zenlith::ZoneClockRules::open(zone);
                };
                settings.inputFd = STDIN_FILENO;
                settings.showProgress = ::isatty(STDERR_FILENO) != 0;
                return options.events ? runDayEvents(options, settings, std::cerr)
                                      : runEphemeris(options, settings, std::cerr);
            },
        },
        parsed);
}
