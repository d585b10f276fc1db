#include "hebrew_calendar.h"

#include <cmath>

#include "civil_date.h"

namespace zenlith {

namespace {

constexpr long long partsPerDay = 25920;   // 24 hours of 1080 parts
constexpr long long monthDays = 29;
constexpr long long monthExtraParts = 13753;  // a lunation is 29 d 12 h 793 p
// The molad of Tishrei of the year 1 (Monday 5 h 204 p, BaHaRaD) counted from
// the eve before the epoch, plus the six hours of molad zaken: a molad at or
// after noon moves the New Year to the next day.
constexpr long long firstMoladParts = 12084;
// 1 Tishrei of the year 1: Monday 7 October 3761 BC (Julian calendar).
constexpr int dayNumberOfEpoch = 347998;

// Rounding down, also for the year 0 that the first year's length looks back to.
long long floorDivide(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

// Days from the epoch to the New Year by the molad, after molad zaken and
// lo ADU Rosh (the New Year never on Sunday, Wednesday or Friday).
long long elapsedDays(long long year) {
    const long long monthsElapsed = floorDivide(235 * year - 234, 19);
    const long long parts = firstMoladParts + monthExtraParts * monthsElapsed;
    const long long days = monthDays * monthsElapsed + floorDivide(parts, partsPerDay);
    return (3 * (days + 1) % 7 + 7) % 7 < 3 ? days + 1 : days;
}

// GaTaRaD and BeTUTaKPaT: no common year of 356 days, and a leap year is
// not 382 days long, so the New Year moves by one or two days.
long long yearLengthCorrection(long long year) {
    const long long thisYear = elapsedDays(year);
    if (elapsedDays(year + 1) - thisYear == 356) {
        return 2;
    }
    return thisYear - elapsedDays(year - 1) == 382 ? 1 : 0;
}

bool isYearInRange(int year) { return year >= 1 && year <= lastHebrewYear; }

}  // namespace

bool isHebrewLeapYear(int year) { return (7LL * year + 1) % 19 < 7; }

int hebrewNewYearDayNumber(int year) {
    return dayNumberOfEpoch + static_cast<int>(elapsedDays(year) + yearLengthCorrection(year));
}

int hebrewYearLengthDays(int year) { return hebrewNewYearDayNumber(year + 1) - hebrewNewYearDayNumber(year); }

int hebrewMonthLengthDays(int year, HebrewMonth month) {
    switch (month) {
    case HebrewMonth::cheshvan:
        return hebrewYearLengthDays(year) % 10 == 5 ? 30 : 29;
    case HebrewMonth::kislev:
        return hebrewYearLengthDays(year) % 10 == 3 ? 29 : 30;
    case HebrewMonth::adarI:
        return isHebrewLeapYear(year) ? 30 : 0;
    case HebrewMonth::tevet:
    case HebrewMonth::adar:
    case HebrewMonth::iyar:
    case HebrewMonth::tammuz:
    case HebrewMonth::elul:
        return 29;
    default:
        return 30;
    }
}

std::optional<HebrewDate> hebrewDateOfDayNumber(int julianDayNumber) {
    if (julianDayNumber < hebrewNewYearDayNumber(1) || julianDayNumber >= hebrewNewYearDayNumber(lastHebrewYear + 1)) {
        return std::nullopt;
    }
    // The mean year (35975351 / 98496 days) puts the estimate at most one year late.
    int year = static_cast<int>((julianDayNumber - dayNumberOfEpoch) * 98496LL / 35975351) + 1;
    while (hebrewNewYearDayNumber(year) > julianDayNumber) {
        --year;
    }
    while (hebrewNewYearDayNumber(year + 1) <= julianDayNumber) {
        ++year;
    }
    HebrewDate date{year, HebrewMonth::tishrei, julianDayNumber - hebrewNewYearDayNumber(year) + 1,
                    isHebrewLeapYear(year)};
    for (int length = hebrewMonthLengthDays(year, date.month); date.day > length;
         length = hebrewMonthLengthDays(year, date.month)) {
        date.day -= length;
        date.month = static_cast<HebrewMonth>(static_cast<int>(date.month) + 1);
    }
    return date;
}

std::optional<int> dayNumberOf(const HebrewDate& date) {
    if (!isYearInRange(date.year) || date.day < 1 || date.day > hebrewMonthLengthDays(date.year, date.month)) {
        return std::nullopt;
    }
    int dayNumber = hebrewNewYearDayNumber(date.year) + date.day - 1;
    for (int month = 0; month < static_cast<int>(date.month); ++month) {
        dayNumber += hebrewMonthLengthDays(date.year, static_cast<HebrewMonth>(month));
    }
    return dayNumber;
}

std::optional<int> dayNumberOfCivilDate(int year, int month, int day) {
    const CivilDateTime noon{year, month, day, 12, 0};
    // A year far beyond the calendar's would not fit the day count.
    if (!isValidCivilDateTime(noon) || year < -1000000 || year > 1000000) {
        return std::nullopt;
    }
    return static_cast<int>(std::lround(julianDateOf(noon)));
}

int weekdayOfDayNumber(int julianDayNumber) { return (julianDayNumber % 7 + 8) % 7; }

std::optional<HebrewDate> hebrewDateOf(int year, int month, int day) {
    const std::optional<int> dayNumber = dayNumberOfCivilDate(year, month, day);
    return dayNumber ? hebrewDateOfDayNumber(*dayNumber) : std::nullopt;
}

}  // namespace zenlith
