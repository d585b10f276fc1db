#include "day_sheet_text.h"

#include <array>
#include <cstdio>

#include "body_names.h"
#include "hebrew_date_text.h"
#include "local_time.h"
#include "place_text.h"
#include "time_writer.h"

namespace zenlith {

namespace {

constexpr const auto& bodyNames = bodyHebrewNames;
constexpr std::array<std::string_view, twilightCount> twilightNames = {
    "דמדומים אזרחיים (6°)", "דמדומים ימיים (12°)", "דמדומים אסטרונומיים (18°)",
};
constexpr std::array<std::string_view, 4> phaseNames = {"ירח חדש", "רבע ראשון", "ירח מלא", "רבע אחרון"};

std::string riseText(const std::optional<HorizonEvent>& event, const TimeWriter& times, std::string_view word,
                     std::string_view absent) {
    if (!event) {
        return std::string(absent);
    }
    return std::string(word) + " " + times.clock(event->julianDate) + " (אזימוט " + angleText(event->azimuth) + ")";
}

std::string transitText(const std::optional<HorizonEvent>& event, const TimeWriter& times) {
    if (!event) {
        return "אינו עובר במרידיאן ביום זה";
    }
    return "שיא " + times.clock(event->julianDate) + " (גובה " + angleText(event->altitude) + ")";
}

std::string laterText(const LaterEvent& later, const TimeWriter& times) {
    switch (later.kind) {
        case HorizonKind::rise: return riseText(later.event, times, "זריחה", "");
        case HorizonKind::transit: return transitText(later.event, times);
        case HorizonKind::set: break;
    }
    return riseText(later.event, times, "שקיעה", "");
}

std::string eventsLine(std::string_view name, const BodyEvents& events, const TimeWriter& times) {
    if (events.upAllDay || events.downAllDay) {
        const std::string_view where = events.upAllDay ? "מעל האופק כל היממה" : "מתחת לאופק כל היממה";
        return std::string(name) + ": " + std::string(where) + ", " + transitText(events.transit, times);
    }
    std::string line = std::string(name) + ": " + riseText(events.rise, times, "זריחה", "אינו זורח ביום זה") + ", " +
                       transitText(events.transit, times) + ", " +
                       riseText(events.set, times, "שקיעה", "אינו שוקע ביום זה");
    for (std::size_t k = 0; k < events.also.size(); ++k) {
        line += (k == 0 ? "; ושוב: " : ", ") + laterText(events.also[k], times);
    }
    return line;
}

std::string dayLengthLine(const BodyEvents& sun) {
    const std::string length = dayLengthText(sun);
    return length.empty() ? length : "אורך היום: " + length;
}

std::string twilightLine(int k, const Twilight& twilight, const TimeWriter& times) {
    if (twilight.allNight) {
        return std::string(twilightNames[k]) + ": כל הלילה, השמש אינה יורדת לעומק זה";
    }
    const auto part = [&](const std::optional<double>& at, std::string_view word) {
        return std::string(word) + " " + (at ? times.clock(*at) : std::string("אין ביום זה"));
    };
    return std::string(twilightNames[k]) + ": " + part(twilight.dawn, "בוקר") + ", " + part(twilight.dusk, "ערב");
}

std::string hebrewText(const std::optional<HebrewDate>& date) { return date ? hebrewDateText(*date) : "—"; }

std::string headerLine(const DaySheet& sheet, const TimeWriter& times) {
    const std::string date = civilDateText(sheet.year, sheet.month, sheet.day);
    const std::string model(modelName(sheet.model));
    const std::string clock = times.clockChanges() ? "ביום זה משתנה השעון" : std::string(clockRegimeName(times.daySummer()));
    const std::string horizon = sheet.horizonDipped ? " — האופק מונמך לפי הגובה" : "";
    return std::string(daySheetTitle) + " " + date + " — " + placeText(sheet.place) + " — " + clock + " — " + model +
           horizon;
}

std::string phasesLine(const DaySheet& sheet, const TimeWriter& times) {
    std::string line = "מופעי הירח:";
    for (const PhaseEvent& phase : sheet.events.phases) {
        line.append(" ").append(moonPhaseName(phase.phase)).append(" ");
        line.append(times.isoDateAndClock(phase.julianDate)).append(";");
    }
    if (!sheet.events.phases.empty()) {
        line.pop_back();
    }
    return line;
}

// The day's halachic times, a line each: the time, or why it does not come;
// candle lighting and havdalah only on the days they belong to.
void appendZmanimLines(std::vector<std::string>& lines, const DayZmanim& zmanim, const TimeWriter& times) {
    lines.push_back("");
    lines.push_back("זמני היום:");
    forEachDayZman(zmanim, [&](ZmanIndex index, const Zman& zman) {
        const std::string when = zman.julianDate ? times.clock(*zman.julianDate) : std::string(zmanAbsenceText(zman.absence));
        lines.push_back(std::string(zmanName(index)) + ": " + when);
    });
}

}  // namespace

std::string_view moonPhaseName(MoonPhase phase) { return phaseNames[static_cast<int>(phase)]; }

std::string_view twilightName(int depth) { return twilightNames.at(static_cast<std::size_t>(depth)); }

std::string_view modelName(ModelKind model) { return model == ModelKind::classic ? "המודל המקורי" : "המודל המדויק"; }

std::string angleText(double degrees) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f°", degrees);
    return text;
}

std::string dayLengthText(const BodyEvents& sun) {
    if (!sun.rise || !sun.set || sun.set->julianDate < sun.rise->julianDate) {
        return {};
    }
    return durationText(sun.set->julianDate - sun.rise->julianDate);
}

std::string hebrewDateLine(const DaySheet& sheet, const TimeWriter& times) {
    const std::optional<HorizonEvent>& sunset = sheet.events.bodies[sunIndex].set;
    std::string line = "התאריך העברי: " + hebrewText(sheet.hebrewBeforeSunset);
    // The clock may carry its regime in brackets of its own.
    line += sunset ? "; משקיעת החמה, " + times.clock(sunset->julianDate) + ": " : "; משקיעת החמה: ";
    return line + hebrewText(sheet.hebrewAfterSunset);
}

std::string_view hebrewBodyName(int body) { return bodyNames.at(static_cast<std::size_t>(body)); }

std::string horizonEventsLine(std::string_view name, const BodyEvents& events, const ClockRules& rules,
                              const DaySpan& span) {
    return eventsLine(name, events, TimeWriter(rules, span));
}

std::vector<std::string> daySheetLines(const DaySheet& sheet, const ClockRules& rules,
                                       std::optional<double> illumination) {
    const TimeWriter times(rules, sheet.span);
    std::vector<std::string> lines = {headerLine(sheet, times), hebrewDateLine(sheet, times), ""};
    lines.push_back(eventsLine(bodyNames[sunIndex], sheet.events.bodies[sunIndex], times));
    if (std::string length = dayLengthLine(sheet.events.bodies[sunIndex]); !length.empty()) {
        lines.push_back(length);
    }
    for (int k = 0; k < twilightCount; ++k) {
        lines.push_back(twilightLine(k, sheet.events.twilights[k], times));
    }
    lines.push_back("");
    for (int body = firstPlanet; body <= lastPlanet; ++body) {
        lines.push_back(eventsLine(bodyNames[body], sheet.events.bodies[body], times));
    }
    lines.push_back("");
    lines.push_back(eventsLine(bodyNames[moonIndex], sheet.events.bodies[moonIndex], times));
    if (illumination) {
        char percent[32];
        std::snprintf(percent, sizeof percent, "%.0f%%", *illumination);
        lines.push_back(std::string("חלק הירח המואר בשעה שהוזנה: ") + percent);
    }
    lines.push_back(phasesLine(sheet, times));
    if (sheet.zmanim) appendZmanimLines(lines, *sheet.zmanim, times);
    return lines;
}

}  // namespace zenlith
