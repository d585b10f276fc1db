#pragma once
// The columns of the month's table, as the window shows them, the printed page
// and the CSV file carry them: a key for files, a Hebrew heading, what the
// column means, and each day's cell as text.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "almanac_days.h"

namespace zenlith {

enum class AlmanacColumn {
    weekday, date, hebrewDate, holidays,
    sunrise, sunset, dayLength,
    civilDawn, nauticalDawn, astronomicalDawn, civilDusk, nauticalDusk, astronomicalDusk,
    moonrise, moonset, moonIllumination, phases,
    alotHaShachar, misheyakir, sofZmanShmaMGA, sofZmanShma, sofZmanTfillaMGA, sofZmanTfilla, chatzot,
    minchaGedola, minchaKetana, plagHaMincha, tzeit, candleLighting, havdalah,
};
inline constexpr int almanacColumnCount = 30;

// The halachic times come only in days found with them (their sunrise and
// sunset are the Sun's columns).
enum class AlmanacGroup { date, sun, twilight, moon, zmanim };

struct AlmanacColumnInfo {
    AlmanacColumn column;
    AlmanacGroup group;
    std::string_view key;         // for CSV and the command line
    std::string_view heading;     // short, for the table and the page
    std::string_view definition;  // for a tooltip
};

const std::array<AlmanacColumnInfo, almanacColumnCount>& almanacColumns();
const AlmanacColumnInfo& almanacColumnInfo(AlmanacColumn column);

// The cell's text in the site's civil time; empty where the day has no such
// event (the Moon rises on all but about one day a month).
std::string almanacCell(const AlmanacDay& day, AlmanacColumn column, const ClockRules& rules);
// Why an empty cell is empty, in Hebrew.
std::string_view almanacAbsenceText(const AlmanacDay& day, AlmanacColumn column);

// The day's festivals and fasts by their Hebrew names, in the year's order.
std::vector<std::string_view> holidayNames(const AlmanacDay& day);

// The month's title: "ינואר 2026", or "אדר תשפ״ו" for a Hebrew month.
std::string almanacTitle(MonthKind kind, const DayRun& run);

}  // namespace zenlith
