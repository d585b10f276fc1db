#include "almanac_columns.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "day_sheet_text.h"
#include "hebrew_date_text.h"
#include "local_time.h"

namespace zenlith {

namespace {

using enum AlmanacColumn;

// The columns before the halachic times'.
constexpr std::array<AlmanacColumnInfo, static_cast<std::size_t>(alotHaShachar)> columns = {{
    {weekday, AlmanacGroup::date, "weekday", "יום", "יום השבוע"},
    {date, AlmanacGroup::date, "date", "תאריך", "התאריך האזרחי"},
    {hebrewDate, AlmanacGroup::date, "hebrewDate", "תאריך עברי", "התאריך העברי של שעות היום (הבא מתחיל בשקיעה)"},
    {holidays, AlmanacGroup::date, "holidays", "מועד", "החג, המועד או הצום, כפי שהם נוהגים בארץ ישראל"},
    {sunrise, AlmanacGroup::sun, "sunrise", "זריחה", "שפת השמש העליונה עולה מעל האופק (שבירה 34′)"},
    {sunset, AlmanacGroup::sun, "sunset", "שקיעה", "שפת השמש העליונה יורדת מתחת לאופק (שבירה 34′)"},
    {dayLength, AlmanacGroup::sun, "dayLength", "אורך היום", "מהזריחה עד השקיעה"},
    {civilDawn, AlmanacGroup::twilight, "civilDawn", "שחר 6°", "בוקר: מרכז השמש 6° מתחת לאופק (דמדומים אזרחיים)"},
    {nauticalDawn, AlmanacGroup::twilight, "nauticalDawn", "שחר 12°", "בוקר: מרכז השמש 12° מתחת לאופק (דמדומים ימיים)"},
    {astronomicalDawn, AlmanacGroup::twilight, "astronomicalDawn", "שחר 18°",
     "בוקר: מרכז השמש 18° מתחת לאופק (דמדומים אסטרונומיים)"},
    {civilDusk, AlmanacGroup::twilight, "civilDusk", "ערב 6°", "ערב: מרכז השמש 6° מתחת לאופק (דמדומים אזרחיים)"},
    {nauticalDusk, AlmanacGroup::twilight, "nauticalDusk", "ערב 12°", "ערב: מרכז השמש 12° מתחת לאופק (דמדומים ימיים)"},
    {astronomicalDusk, AlmanacGroup::twilight, "astronomicalDusk", "ערב 18°",
     "ערב: מרכז השמש 18° מתחת לאופק (דמדומים אסטרונומיים)"},
    {moonrise, AlmanacGroup::moon, "moonrise", "זריחת הירח", "שפת הירח העליונה עולה מעל האופק"},
    {moonset, AlmanacGroup::moon, "moonset", "שקיעת הירח", "שפת הירח העליונה יורדת מתחת לאופק"},
    {moonIllumination, AlmanacGroup::moon, "moonIllumination", "הארת הירח", "חלק הירח המואר בחצות שבתחילת היום"},
    {phases, AlmanacGroup::moon, "phases", "מופע", "מולד, רבע ראשון, ירח מלא ורבע אחרון, ביום שבו הם חלים"},
}};

struct ZmanColumn {
    AlmanacColumn column;
    ZmanIndex zman;
    std::string_view heading;
};

constexpr std::array<ZmanColumn, almanacColumnCount - columns.size()> zmanColumns = {{
    {alotHaShachar, ZmanIndex::alotHaShachar, "עלות השחר"},
    {misheyakir, ZmanIndex::misheyakir, "משיכיר"},
    {sofZmanShmaMGA, ZmanIndex::sofZmanShmaMGA, "ק״ש מג״א"},
    {sofZmanShma, ZmanIndex::sofZmanShma, "ק״ש גר״א"},
    {sofZmanTfillaMGA, ZmanIndex::sofZmanTfillaMGA, "תפילה מג״א"},
    {sofZmanTfilla, ZmanIndex::sofZmanTfilla, "תפילה גר״א"},
    {chatzot, ZmanIndex::chatzot, "חצות"},
    {minchaGedola, ZmanIndex::minchaGedola, "מנחה גדולה"},
    {minchaKetana, ZmanIndex::minchaKetana, "מנחה קטנה"},
    {plagHaMincha, ZmanIndex::plagHaMincha, "פלג המנחה"},
    {tzeit, ZmanIndex::tzeit, "צאת הכוכבים"},
    {candleLighting, ZmanIndex::candleLighting, "הדלקת נרות"},
    {havdalah, ZmanIndex::havdalah, "הבדלה"},
}};

const ZmanColumn* zmanColumnOf(AlmanacColumn column) {
    const auto n = static_cast<std::size_t>(column) - columns.size();
    return n < zmanColumns.size() ? &zmanColumns[n] : nullptr;
}

constexpr std::string_view noEvent = "אין ביום זה";

constexpr std::array<std::string_view, 7> weekdayNames = {"ראשון", "שני", "שלישי", "רביעי", "חמישי", "שישי", "שבת"};
constexpr std::array<std::string_view, 12> monthNames = {"ינואר", "פברואר", "מרץ",    "אפריל",   "מאי",    "יוני",
                                                         "יולי",  "אוגוסט", "ספטמבר", "אוקטובר", "נובמבר", "דצמבר"};

std::string clock(const ClockRules& rules, const std::optional<double>& julianDate) {
    return julianDate ? clockText(localTimeOf(rules, *julianDate)) : std::string();
}

std::string dayLengthText(const AlmanacDay& day) {
    if (!day.sunrise || !day.sunset || *day.sunset < *day.sunrise) {
        return {};
    }
    return durationText(*day.sunset - *day.sunrise);
}

std::string phasesText(const AlmanacDay& day, const ClockRules& rules) {
    std::string text;
    for (const PhaseEvent& phase : day.phases) {
        text += (text.empty() ? "" : ", ") + std::string(moonPhaseName(phase.phase)) + " " + clock(rules, phase.julianDate);
    }
    return text;
}

std::string holidaysText(const AlmanacDay& day) {
    std::string text;
    for (const std::string_view name : holidayNames(day)) text += (text.empty() ? "" : ", ") + std::string(name);
    return text;
}

std::string percentText(double percent) {
    char text[16];
    std::snprintf(text, sizeof text, "%.0f%%", percent);
    return text;
}

}  // namespace

// The halachic times' keys and definitions are the core's own.
const std::array<AlmanacColumnInfo, almanacColumnCount>& almanacColumns() {
    static const std::array<AlmanacColumnInfo, almanacColumnCount> all = [] {
        std::array<AlmanacColumnInfo, almanacColumnCount> all{};
        std::copy(columns.begin(), columns.end(), all.begin());
        for (std::size_t n = 0; n < zmanColumns.size(); ++n) {
            const ZmanColumn& z = zmanColumns[n];
            all[columns.size() + n] = {z.column, AlmanacGroup::zmanim, zmanKey(z.zman), z.heading, zmanDefinition(z.zman)};
        }
        return all;
    }();
    return all;
}

std::vector<std::string_view> holidayNames(const AlmanacDay& day) {
    std::vector<std::string_view> names;
    if (day.hebrew) {
        for (const Observance observance : day.hebrew->observances) names.push_back(observanceName(observance));
    }
    return names;
}

const AlmanacColumnInfo& almanacColumnInfo(AlmanacColumn column) {
    return almanacColumns()[static_cast<std::size_t>(column)];
}

std::string almanacCell(const AlmanacDay& day, AlmanacColumn column, const ClockRules& rules) {
    if (const ZmanColumn* z = zmanColumnOf(column)) {
        return day.zmanim ? clock(rules, zmanOf(*day.zmanim, z->zman).julianDate) : std::string();
    }
    switch (column) {
        case weekday: return std::string(weekdayNames[day.weekday]);
        case date: return civilDateText(day.date.year, day.date.month, day.date.day);
        case hebrewDate: return day.hebrew ? hebrewDateText(day.hebrew->date) : std::string();
        case holidays: return holidaysText(day);
        case sunrise: return clock(rules, day.sunrise);
        case sunset: return clock(rules, day.sunset);
        case dayLength: return dayLengthText(day);
        case civilDawn: return clock(rules, day.twilights[civilTwilight].dawn);
        case nauticalDawn: return clock(rules, day.twilights[nauticalTwilight].dawn);
        case astronomicalDawn: return clock(rules, day.twilights[astronomicalTwilight].dawn);
        case civilDusk: return clock(rules, day.twilights[civilTwilight].dusk);
        case nauticalDusk: return clock(rules, day.twilights[nauticalTwilight].dusk);
        case astronomicalDusk: return clock(rules, day.twilights[astronomicalTwilight].dusk);
        case moonrise: return clock(rules, day.moonrise);
        case moonset: return clock(rules, day.moonset);
        case moonIllumination: return percentText(day.moonIlluminationPercent);
        case phases: return phasesText(day, rules);
        default: break;
    }
    return {};
}

std::string_view almanacAbsenceText(const AlmanacDay& day, AlmanacColumn column) {
    const ZmanColumn* z = zmanColumnOf(column);
    if (!z || !day.zmanim || zmanOf(*day.zmanim, z->zman).absence == ZmanAbsence::none) return noEvent;
    return zmanAbsenceText(zmanOf(*day.zmanim, z->zman).absence);
}

std::string almanacTitle(MonthKind kind, const DayRun& run) {
    const CivilDateTime& first = run.first;
    if (kind == MonthKind::hebrew) {
        const std::optional<HebrewDate> hebrew = hebrewDateOf(first.year, first.month, first.day);
        return hebrew ? hebrewMonthText(*hebrew) : std::string();
    }
    return std::string(monthNames[static_cast<std::size_t>(first.month - 1) % 12]) + " " + std::to_string(first.year);
}

}  // namespace zenlith
