#pragma once
// The day's halachic times (זמני היום) by the definitions the well-known
// hebcal library takes by default, on the program's own sunrise and sunset
// (the Sun's upper limb on the sea-level horizon under 34' of refraction) and
// on the Sun's centre below the horizon without refraction:
//
//   alotHaShachar     dawn, the Sun 16.1° below the horizon in the morning
//   misheyakir        the Sun 11.5° below, in the morning
//   sunrise           הנץ החמה
//   sofZmanShmaMGA    3 seasonal hours into the Magen Avraham's day, which runs
//                     from 72 minutes before sunrise to 72 minutes after sunset
//   sofZmanShma       3 seasonal hours into the Gra's day, sunrise to sunset
//   sofZmanTfillaMGA  4 seasonal hours into the Magen Avraham's day
//   sofZmanTfilla     4 seasonal hours into the Gra's day
//   chatzot           6 seasonal hours: midway between sunrise and sunset
//   minchaGedola      6½ seasonal hours
//   minchaKetana      9½ seasonal hours
//   plagHaMincha      10¾ seasonal hours
//   sunset            שקיעת החמה
//   tzeit             nightfall, the Sun 8.5° below, in the evening
//   candleLighting    on the eve of Shabbat or a festival, minutes before the
//                     sunset's minute (rounded down)
//                     by the local custom; when it follows Shabbat or another
//                     festival, at havdalah's time instead
//   havdalah          at the end of Shabbat or festivals: at tzeit, or 72
//                     minutes after sunset by choice
//
// A seasonal hour is a twelfth of its day. Instants are Julian dates in
// universal time.
#include <array>
#include <optional>
#include <string_view>

#include "day_events.h"
#include "hebrew_holidays.h"
#include "places_memo.h"

namespace zenlith {

enum class ZmanIndex {
    alotHaShachar, misheyakir, sunrise, sofZmanShmaMGA, sofZmanShma, sofZmanTfillaMGA, sofZmanTfilla, chatzot,
    minchaGedola, minchaKetana, plagHaMincha, sunset, tzeit, candleLighting, havdalah,
};
inline constexpr int zmanCount = 15;

// Why a time is missing.
enum class ZmanAbsence {
    none,
    notThisDay,       // candle lighting or havdalah on a day that has none
    noSunrise,        // the Sun does not rise this day
    noSunset,         // the Sun does not set this day
    sunUpAllDay,      // the Sun neither rises nor sets: it is up all day (far north in summer)
    sunDownAllDay,    // or down all day (far north in winter)
    depthNotReached,  // the Sun does not sink that far below the horizon this day
};

struct Zman {
    std::optional<double> julianDate;
    ZmanAbsence absence = ZmanAbsence::none;
};

enum class HavdalahRule { atTzeit, seventyTwoMinutes };

struct ZmanimChoices {
    int candleLightingMinutes = 20;  // before sunset; see candle_custom.h
    HavdalahRule havdalah = HavdalahRule::atTzeit;
    bool operator==(const ZmanimChoices&) const = default;
};

using DayZmanim = std::array<Zman, zmanCount>;

// How far below the horizon the Sun's centre is at dawn, at misheyakir and at nightfall.
inline constexpr double alotDepthDegrees = 16.1;
inline constexpr double misheyakirDepthDegrees = 11.5;
inline constexpr double tzeitDepthDegrees = 8.5;

// The Sun's instants of the day that every time is counted from, where they come.
struct ZmanimSun {
    std::optional<double> sunrise, sunset;
    std::optional<double> alotHaShachar, misheyakir;  // the morning's crossings of their depths
    std::optional<double> tzeit;                      // the evening's
    bool upAllDay = false, downAllDay = false;        // neither risen nor set, and why
};

// For the day whose events were found on the same places; the evening says
// whether candles are lit or havdalah is made.
DayZmanim findDayZmanim(PlacesMemo& places, DaySpan day, const BodyEvents& sun, EveningRite evening,
                        const ZmanimChoices& choices);
// The same from the Sun's instants found by a search of the caller's own.
DayZmanim dayZmanimFrom(const ZmanimSun& sun, EveningRite evening, const ZmanimChoices& choices);

inline const Zman& zmanOf(const DayZmanim& zmanim, ZmanIndex index) {
    return zmanim[static_cast<std::size_t>(index)];
}

// visit(index, zman) for each time the day shows, in order: every one but
// candle lighting and havdalah on the days without them.
template <typename Visit>
void forEachDayZman(const DayZmanim& zmanim, Visit visit) {
    for (int k = 0; k < zmanCount; ++k) {
        const auto index = static_cast<ZmanIndex>(k);
        if (zmanOf(zmanim, index).absence != ZmanAbsence::notThisDay) visit(index, zmanOf(zmanim, index));
    }
}

// The key in JSON ("sofZmanShmaMGA"), the Hebrew name ("סוף זמן ק״ש מג״א"),
// its definition in a sentence, and why it is missing, in Hebrew.
std::string_view zmanKey(ZmanIndex index);
std::string_view zmanName(ZmanIndex index);
std::string_view zmanDefinition(ZmanIndex index);
std::string_view zmanAbsenceText(ZmanAbsence absence);

}  // namespace zenlith
