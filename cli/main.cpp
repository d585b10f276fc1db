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
#include "israel_clock_rules.h"
#include "options.h"
#include "stars_run.h"

namespace {

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

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
                if (!options.next && !options.range && !options.almanac && options.at.empty() && ::isatty(STDIN_FILENO)) {
                    std::cerr << "zenlith-ephemeris: give instants with --at, with --from and --to, or on standard "
                                 "input (see --help)\n";
                    return exitUsage;
                }
                RunSettings settings;
                settings.makeClockRules = [] { return std::make_unique<zenlith::IsraelClockRules>(); };
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
