#include "day_zmanim.h"

#include <cmath>

namespace zenlith {

namespace {

constexpr double minutesPerDay = 1440;
constexpr double magenAvrahamMarginDays = 72 / minutesPerDay;
constexpr double havdalahMinutesAfterSunset = 72;

struct Description {
    std::string_view key;
    std::string_view name;
    std::string_view definition;
};

constexpr std::array<Description, zmanCount> descriptions = {{
    {"alotHaShachar", "עלות השחר", "השמש 16.1° מתחת לאופק בבוקר"},
    {"misheyakir", "משיכיר", "השמש 11.5° מתחת לאופק בבוקר"},
    {"sunrise", "הנץ החמה", "שפת השמש העליונה על האופק בגובה פני הים, בשבירת אור של 34′"},
    {"sofZmanShmaMGA", "סוף זמן ק״ש מג״א",
     "שלוש שעות זמניות ביום המגן אברהם, מ־72 דקות לפני הנץ עד 72 דקות אחרי השקיעה"},
    {"sofZmanShma", "סוף זמן ק״ש גר״א", "שלוש שעות זמניות ביום הגר״א, מהנץ עד השקיעה"},
    {"sofZmanTfillaMGA", "סוף זמן תפילה מג״א", "ארבע שעות זמניות ביום המגן אברהם"},
    {"sofZmanTfilla", "סוף זמן תפילה גר״א", "ארבע שעות זמניות ביום הגר״א"},
    {"chatzot", "חצות היום", "שש שעות זמניות: אמצע הדרך בין הנץ לשקיעה"},
    {"minchaGedola", "מנחה גדולה", "שש שעות זמניות וחצי ביום הגר״א"},
    {"minchaKetana", "מנחה קטנה", "תשע שעות זמניות וחצי ביום הגר״א"},
    {"plagHaMincha", "פלג המנחה", "עשר שעות זמניות ושלושה רבעים ביום הגר״א"},
    {"sunset", "שקיעת החמה", "שפת השמש העליונה על האופק בגובה פני הים, בשבירת אור של 34′"},
    {"tzeit", "צאת הכוכבים", "השמש 8.5° מתחת לאופק בערב"},
    {"candleLighting", "הדלקת נרות",
     "בערב שבת וחג, דקות לפני השקיעה כמנהג המקום; בצאת שבת או חג אל חג, בזמן ההבדלה"},
    {"havdalah", "הבדלה", "במוצאי שבת וחג: בצאת הכוכבים, או 72 דקות אחרי השקיעה לפי הבחירה"},
}};

const Description& descriptionOf(ZmanIndex index) { return descriptions[static_cast<std::size_t>(index)]; }

Zman at(double julianDate) { return {julianDate, ZmanAbsence::none}; }
Zman missing(ZmanAbsence why) { return {std::nullopt, why}; }

Zman atDepth(const std::optional<double>& crossing) {
    return crossing ? at(*crossing) : missing(ZmanAbsence::depthNotReached);
}

// The times counted in seasonal hours, a twelfth of the Gra's day (sunrise
// to sunset) or of the Magen Avraham's (72 minutes wider on each side).
struct SeasonalTime {
    ZmanIndex index;
    bool magenAvraham;
    double hours;
};

constexpr std::array<SeasonalTime, 8> seasonalTimes = {{
    {ZmanIndex::sofZmanShmaMGA, true, 3},
    {ZmanIndex::sofZmanShma, false, 3},
    {ZmanIndex::sofZmanTfillaMGA, true, 4},
    {ZmanIndex::sofZmanTfilla, false, 4},
    {ZmanIndex::chatzot, false, 6},
    {ZmanIndex::minchaGedola, false, 6.5},
    {ZmanIndex::minchaKetana, false, 9.5},
    {ZmanIndex::plagHaMincha, false, 10.75},
}};

Zman seasonalTime(const SeasonalTime& time, const Zman& sunrise, const Zman& sunset) {
    if (!sunrise.julianDate || !sunset.julianDate) {
        return missing(!sunrise.julianDate ? sunrise.absence : sunset.absence);
    }
    const double margin = time.magenAvraham ? magenAvrahamMarginDays : 0;
    const double start = *sunrise.julianDate - margin;
    const double end = *sunset.julianDate + margin;
    return at(start + (end - start) / 12 * time.hours);
}

Zman havdalahTime(const Zman& sunset, const Zman& tzeit, HavdalahRule rule) {
    if (rule == HavdalahRule::atTzeit) {
        return tzeit;
    }
    return sunset.julianDate ? at(*sunset.julianDate + havdalahMinutesAfterSunset / minutesPerDay) : sunset;
}

// Counted, as calendars print it, from the sunset's minute rounded down, so
// that it never comes late. Julian dates begin at a whole minute (noon).
Zman candleLightingTime(EveningRite evening, const Zman& sunset, const Zman& havdalah, int minutesBeforeSunset) {
    switch (evening) {
    case EveningRite::candlesBeforeSunset:
        if (!sunset.julianDate) {
            return sunset;
        }
        return at((std::floor(*sunset.julianDate * minutesPerDay) - minutesBeforeSunset) / minutesPerDay);
    case EveningRite::candlesAtNightfall:
        return havdalah;
    case EveningRite::havdalah:
    case EveningRite::none:
        break;
    }
    return missing(ZmanAbsence::notThisDay);
}

}  // namespace

DayZmanim findDayZmanim(PlacesMemo& places, DaySpan day, const BodyEvents& sun, EveningRite evening,
                        const ZmanimChoices& choices) {
    const auto instantOf = [](const std::optional<HorizonEvent>& event) {
        return event ? std::optional(event->julianDate) : std::nullopt;
    };
    return dayZmanimFrom({instantOf(sun.rise), instantOf(sun.set),
                          findSolarDepression(places, alotDepthDegrees, day).dawn,
                          findSolarDepression(places, misheyakirDepthDegrees, day).dawn,
                          findSolarDepression(places, tzeitDepthDegrees, day).dusk, sun.upAllDay, sun.downAllDay},
                         evening, choices);
}

DayZmanim dayZmanimFrom(const ZmanimSun& sun, EveningRite evening, const ZmanimChoices& choices) {
    DayZmanim zmanim;
    const auto set = [&](ZmanIndex index, Zman zman) { zmanim[static_cast<std::size_t>(index)] = zman; };
    const ZmanAbsence allDay = sun.upAllDay     ? ZmanAbsence::sunUpAllDay
                               : sun.downAllDay ? ZmanAbsence::sunDownAllDay
                                                : ZmanAbsence::none;
    const Zman sunrise = sun.sunrise ? at(*sun.sunrise) : missing(allDay != ZmanAbsence::none ? allDay : ZmanAbsence::noSunrise);
    const Zman sunset = sun.sunset ? at(*sun.sunset) : missing(allDay != ZmanAbsence::none ? allDay : ZmanAbsence::noSunset);
    const Zman tzeit = atDepth(sun.tzeit);
    set(ZmanIndex::alotHaShachar, atDepth(sun.alotHaShachar));
    set(ZmanIndex::misheyakir, atDepth(sun.misheyakir));
    set(ZmanIndex::sunrise, sunrise);
    for (const SeasonalTime& time : seasonalTimes) {
        set(time.index, seasonalTime(time, sunrise, sunset));
    }
    set(ZmanIndex::sunset, sunset);
    set(ZmanIndex::tzeit, tzeit);
    const Zman havdalah = havdalahTime(sunset, tzeit, choices.havdalah);
    set(ZmanIndex::candleLighting, candleLightingTime(evening, sunset, havdalah, choices.candleLightingMinutes));
    set(ZmanIndex::havdalah, evening == EveningRite::havdalah ? havdalah : missing(ZmanAbsence::notThisDay));
    return zmanim;
}

std::string_view zmanKey(ZmanIndex index) { return descriptionOf(index).key; }

std::string_view zmanName(ZmanIndex index) { return descriptionOf(index).name; }

std::string_view zmanDefinition(ZmanIndex index) { return descriptionOf(index).definition; }

std::string_view zmanAbsenceText(ZmanAbsence absence) {
    switch (absence) {
    case ZmanAbsence::notThisDay:
        return "אין ביום זה";
    case ZmanAbsence::noSunrise:
        return "השמש אינה זורחת ביום זה";
    case ZmanAbsence::noSunset:
        return "השמש אינה שוקעת ביום זה";
    case ZmanAbsence::sunUpAllDay:
        return "השמש מעל האופק כל היממה";
    case ZmanAbsence::sunDownAllDay:
        return "השמש מתחת לאופק כל היממה";
    case ZmanAbsence::depthNotReached:
        return "השמש אינה יורדת כל כך מתחת לאופק ביום זה";
    case ZmanAbsence::none:
        break;
    }
    return {};
}

}  // namespace zenlith
