#include "next_run.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <thread>

#include "coming_events.h"
#include "coverage.h"
#include "local_time.h"
#include "summer_time.h"
#include "table_columns.h"
#include "table_output.h"

namespace zenlith::cli {

namespace {

constexpr double daysPerYear = 365.25;

std::string number(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string bodiesText(const ComingEvent& event, std::string_view separator, bool quoted) {
    std::string text;
    for (const BodyIndex body : event.bodies) {
        if (!text.empty()) text += separator;
        text += quoted ? "\"" + std::string(bodyName(body)) + "\"" : std::string(bodyName(body));
    }
    return text;
}

// The figures as name and value, in the order every format writes them.
std::vector<std::pair<std::string, std::string>> figures(const ComingEvent& event, const ClockRules& rules,
                                                         bool json) {
    std::vector<std::pair<std::string, std::string>> out;
    if (event.separationDegrees) out.emplace_back("separation", number(*event.separationDegrees, 3));
    if (event.elongationDegrees) out.emplace_back("elongation", number(*event.elongationDegrees, 2));
    if (event.distanceKm) out.emplace_back("distanceKm", number(*event.distanceKm, 0));
    if (const auto& e = event.eclipse) {
        const auto text = [json](std::string_view s) { return json ? "\"" + std::string(s) + "\"" : std::string(s); };
        out.emplace_back("kind", text(eclipseKindName(e->kind)));
        if (e->kind != EclipseKind::none) {
            out.emplace_back("magnitude", number(e->magnitude, 3));
            if (event.kind == ComingKind::solarEclipse) out.emplace_back("obscuration", number(e->obscuration, 3));
            out.emplace_back("altitude", number(e->altitudeDegrees, 1));
        }
        out.emplace_back("seen", e->seen ? "true" : "false");
        for (const Contact& contact : e->contacts) {
            out.emplace_back(std::string(contactName(contact.kind)), text(isoTimeText(rules, contact.julianDate)));
        }
    }
    return out;
}

std::string jsonLine(const ComingEvent& event, const ClockRules& rules) {
    std::string line = "{\"event\":\"" + std::string(eventName(event.kind)) + "\",\"time\":\"" +
                       isoTimeText(rules, event.julianDate) + "\",\"bodies\":[" + bodiesText(event, ",", true) + "]";
    for (const auto& [name, value] : figures(event, rules, true)) line += ",\"" + name + "\":" + value;
    return line + "}\n";
}

// Text and CSV: time, event, bodies, then name=value figures.
std::string plainLine(const ComingEvent& event, const ClockRules& rules, bool csv) {
    const std::string separator = csv ? "," : "  ";
    std::string line = isoTimeText(rules, event.julianDate) + separator + std::string(eventName(event.kind)) + separator +
                       bodiesText(event, csv ? ";" : "+", false);
    std::string rest;
    for (const auto& [name, value] : figures(event, rules, false)) rest += (rest.empty() ? "" : " ") + name + "=" + value;
    return line + (csv || !rest.empty() ? separator + rest : "") + "\n";
}

unsigned groupsOf(const Options& options) {
    unsigned groups = 0;
    for (const EventGroup group : options.kinds) groups |= static_cast<unsigned>(group);
    return groups == 0 ? allEventGroups : groups;
}

}  // namespace

int runComingEvents(const Options& options, const RunSettings& settings, double nowJulianDate, std::ostream& errors) {
    const auto fail = [&errors](const std::string& message) {
        errors << "zenlith-ephemeris: " << message << '\n';
        return exitFailed;
    };
    const auto rules = settings.makeClockRules();
    const double from = options.nextFrom ? universalTimeOfReading(*rules, julianDateOf(*options.nextFrom)) : nowJulianDate;
    const double to = options.nextTo ? universalTimeOfReading(*rules, julianDateOf(*options.nextTo)) : from + daysPerYear;
    if (!(to > from)) return fail("--next: --to must come after --from");
    if (!precise::covers(from) || !precise::covers(to)) return fail("--next: the precise model covers the years 1000 to 2999 only");

    const std::vector<ComingEvent> events =
        findComingEvents(originalSite(), {from, to, groupsOf(options)}, static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    std::string error;
    std::optional<TableOutput> output =
        options.outputPath ? TableOutput::open(*options.outputPath, error) : std::optional<TableOutput>(std::in_place);
    if (!output) return fail(error);
    std::string text = options.columns.style == TableStyle::csv ? "time,event,bodies,figures\n" : "";
    for (const ComingEvent& event : events) {
        text += options.columns.style == TableStyle::json ? jsonLine(event, *rules)
                                                          : plainLine(event, *rules, options.columns.style == TableStyle::csv);
    }
    if (!output->write(text, error) || !output->commit(error)) return fail(error);
    return 0;
}

}  // namespace zenlith::cli
