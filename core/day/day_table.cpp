#include "day_table.h"

#include <algorithm>
#include <cstdio>

#include "day_sheet_text.h"
#include "local_time.h"
#include "place_text.h"
#include "time_writer.h"

namespace zenlith {

namespace {

constexpr std::string_view beforeTheDay = "לפני 00:00";
constexpr std::string_view afterTheDay = "אחרי 24:00";
constexpr std::string_view noneThisDay = "אין ביום זה";
constexpr std::string_view againName = "ושוב";

constexpr std::array<DayColumn, dayTableColumnCount> columns = {{
    {"גוף", ""},
    {"זריחה", "שפתו העליונה של הגוף עולה מעל האופק בגובה פני הים, בשבירת אור של 34′"},
    {"אזימוט", "כיוון הזריחה, במעלות מהצפון דרך המזרח"},
    {"שיא", "מעבר הגוף במרידיאן בדרום, בגובהו הרב ביותר"},
    {"גובה", "גובה הגוף מעל האופק בשיאו, במעלות"},
    {"שקיעה", "שפתו העליונה של הגוף יורדת מתחת לאופק בגובה פני הים, בשבירת אור של 34′"},
    {"אזימוט", "כיוון השקיעה, במעלות מהצפון דרך המזרח"},
}};

// Rise, culmination and set of one passage, by HorizonKind.
using Passage = std::array<std::optional<HorizonEvent>, 3>;

// The day's events in time order, cut where a kind does not follow the one
// before it (a set after a set, a rise after a culmination): each piece is
// one passage across the sky.
std::vector<Passage> passagesOf(const BodyEvents& events) {
    std::vector<LaterEvent> all = events.also;
    for (const auto& [kind, event] : {std::pair{HorizonKind::rise, events.rise},
                                      std::pair{HorizonKind::transit, events.transit},
                                      std::pair{HorizonKind::set, events.set}}) {
        if (event) all.push_back({kind, *event});
    }
    std::sort(all.begin(), all.end(),
              [](const LaterEvent& a, const LaterEvent& b) { return a.event.julianDate < b.event.julianDate; });
    std::vector<Passage> passages;
    int last = 0;
    for (const LaterEvent& event : all) {
        const int kind = static_cast<int>(event.kind);
        if (passages.empty() || kind <= last) passages.emplace_back();
        passages.back()[static_cast<std::size_t>(kind)] = event.event;
        last = kind;
    }
    return passages;
}

// What stands in a missing event's place: the side of the day it falls on,
// where the passage's other events tell it.
std::string_view missingText(const Passage& passage, HorizonKind kind) {
    const bool risen = passage[0].has_value(), set = passage[2].has_value();
    switch (kind) {
        case HorizonKind::rise: return beforeTheDay;
        case HorizonKind::transit: return risen && set ? noneThisDay : risen ? afterTheDay : beforeTheDay;
        case HorizonKind::set: break;
    }
    return afterTheDay;
}

std::vector<std::string> passageCells(std::string_view name, const Passage& passage, const TimeWriter& times) {
    std::vector<std::string> cells{std::string(name)};
    for (const HorizonKind kind : {HorizonKind::rise, HorizonKind::transit, HorizonKind::set}) {
        const std::optional<HorizonEvent>& event = passage[static_cast<std::size_t>(kind)];
        if (!event) {
            cells.emplace_back(missingText(passage, kind));
            cells.emplace_back();
            continue;
        }
        cells.push_back(times.clock(event->julianDate));
        cells.push_back(angleText(kind == HorizonKind::transit ? event->altitude : event->azimuth));
    }
    return cells;
}

void addBodyRows(std::vector<DayTableRow>& rows, int body, const BodyEvents& events, const TimeWriter& times) {
    const std::string_view name = hebrewBodyName(body);
    if (events.upAllDay || events.downAllDay) {
        const std::string_view where = events.upAllDay ? "מעל האופק כל היממה" : "מתחת לאופק כל היממה";
        std::vector<std::string> cells{std::string(name), std::string(where), ""};
        if (events.transit) {
            cells.push_back(times.clock(events.transit->julianDate));
            cells.push_back(angleText(events.transit->altitude));
        }
        rows.push_back({DayRowKind::cells, cells, {}});
        return;
    }
    const std::vector<Passage> passages = passagesOf(events);
    for (std::size_t k = 0; k < passages.size(); ++k) {
        rows.push_back({DayRowKind::cells, passageCells(k == 0 ? name : againName, passages[k], times), {}});
    }
}

void addTwilightRows(std::vector<DayTableRow>& rows, const DaySheet& sheet, const TimeWriter& times) {
    rows.push_back({DayRowKind::heading, {"השמש מתחת לאופק", "בוקר", "", "", "", "ערב", ""}, {}});
    if (const std::string length = dayLengthText(sheet.events.bodies[sunIndex]); !length.empty()) {
        rows.push_back({DayRowKind::wide, {"אורך היום", length}, "מהזריחה עד השקיעה"});
    }
    const auto at = [&](const std::optional<double>& when) {
        return when ? times.clock(*when) : std::string(noneThisDay);
    };
    for (int k = 0; k < twilightCount; ++k) {
        const Twilight& twilight = sheet.events.twilights[static_cast<std::size_t>(k)];
        char definition[96];
        std::snprintf(definition, sizeof definition, "מרכז השמש %.0f° מתחת לאופק, בלי שבירת אור",
                      twilightDepths[static_cast<std::size_t>(k)]);
        const std::string name(twilightName(k));
        if (twilight.allNight) {
            rows.push_back({DayRowKind::wide, {name, "כל הלילה: השמש אינה יורדת לעומק זה"}, definition});
        } else {
            rows.push_back({DayRowKind::cells, {name, at(twilight.dawn), "", "", "", at(twilight.dusk), ""}, definition});
        }
    }
}

void addMoonRows(std::vector<DayTableRow>& rows, const DaySheet& sheet, const TimeWriter& times,
                 std::optional<double> illumination) {
    rows.push_back({DayRowKind::heading, {"מופעי הירח"}, {}});
    if (illumination) {
        char percent[16];
        std::snprintf(percent, sizeof percent, "%.0f%%", *illumination);
        rows.push_back({DayRowKind::wide, {"חלק הירח המואר בשעה שהוזנה", percent}, {}});
    }
    for (const PhaseEvent& phase : sheet.events.phases) {
        rows.push_back({DayRowKind::wide, {std::string(moonPhaseName(phase.phase)), times.dateAndClock(phase.julianDate)},
                        "אורך הירח הנראה גדול מאורך השמש ב־0°, 90°, 180° או 270°"});
    }
}

void addZmanimRows(std::vector<DayTableRow>& rows, const DayZmanim& zmanim, const TimeWriter& times) {
    rows.push_back({DayRowKind::heading, {"זמני היום"}, {}});
    forEachDayZman(zmanim, [&](ZmanIndex index, const Zman& zman) {
        const std::string value =
            zman.julianDate ? times.clock(*zman.julianDate) : std::string(zmanAbsenceText(zman.absence));
        rows.push_back({DayRowKind::wide, {std::string(zmanName(index)), value}, std::string(zmanDefinition(index))});
    });
}

std::string clockLine(const ClockRules& rules, const DaySpan& span, const TimeWriter& times) {
    const std::string offset = utcOffsetText(rules.offsetSecondsAt(span.start));
    if (!rules.keepsSummerTime()) return offset;
    if (times.clockChanges()) {
        return "ביום זה משתנה השעון, " + offset + " ואחר כך " + utcOffsetText(rules.offsetSecondsAt(span.end));
    }
    return std::string(clockRegimeName(times.daySummer())) + ", " + offset;
}

}  // namespace

const std::array<DayColumn, dayTableColumnCount>& dayTableColumns() { return columns; }

std::vector<std::string> dayTableTitle(const DaySheet& sheet, const ClockRules& rules) {
    const TimeWriter times(rules, sheet.span);
    return {"אירועי היום " + civilDateText(sheet.year, sheet.month, sheet.day) + " — " + hebrewDateLine(sheet, times),
            "המקום: " + placeText(sheet.place) + (sheet.horizonDipped ? " — האופק מונמך לפי הגובה" : "") + " — " +
                clockLine(rules, sheet.span, times) + " — " + std::string(modelName(sheet.model))};
}

std::vector<DayTableRow> dayTableRows(const DaySheet& sheet, const ClockRules& rules,
                                      std::optional<double> illumination) {
    const TimeWriter times(rules, sheet.span);
    std::vector<DayTableRow> rows;
    // The two lights first, then the planets outward.
    addBodyRows(rows, sunIndex, sheet.events.bodies[sunIndex], times);
    addBodyRows(rows, moonIndex, sheet.events.bodies[moonIndex], times);
    for (int body = firstPlanet; body <= lastPlanet; ++body) {
        addBodyRows(rows, body, sheet.events.bodies[static_cast<std::size_t>(body)], times);
    }
    addTwilightRows(rows, sheet, times);
    addMoonRows(rows, sheet, times, illumination);
    if (sheet.zmanim) addZmanimRows(rows, *sheet.zmanim, times);
    return rows;
}

}  // namespace zenlith
