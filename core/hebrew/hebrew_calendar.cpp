#include "hebrew_calendar.h"

#include <unicode/ucal.h>

#include <memory>

#include "civil_date.h"

namespace zenlith {

namespace {

constexpr double julianDateOfUnixEpoch = 2440587.5;
constexpr double millisecondsPerDay = 86400000;
constexpr int monthsInYear = 13;

// Seven years in nineteen have thirteen months.
bool isHebrewLeapYear(int year) { return (7 * year + 1) % 19 < 7; }

struct CalendarCloser {
    void operator()(UCalendar* calendar) const { ucal_close(calendar); }
};

}  // namespace

std::optional<HebrewDate> hebrewDateOf(int year, int month, int day) {
    const CivilDateTime noon{year, month, day, 12, 0};
    if (!isValidCivilDateTime(noon)) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCalendar, CalendarCloser> calendar(
        ucal_open(u"UTC", -1, "he@calendar=hebrew", UCAL_DEFAULT, &status));
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    ucal_setMillis(calendar.get(), (julianDateOf(noon) - julianDateOfUnixEpoch) * millisecondsPerDay, &status);
    HebrewDate date;
    date.year = ucal_get(calendar.get(), UCAL_EXTENDED_YEAR, &status);
    const int monthIndex = ucal_get(calendar.get(), UCAL_MONTH, &status);
    date.day = ucal_get(calendar.get(), UCAL_DATE, &status);
    if (U_FAILURE(status) || date.year < 1 || monthIndex < 0 || monthIndex >= monthsInYear) {
        return std::nullopt;
    }
    date.month = static_cast<HebrewMonth>(monthIndex);
    date.leapYear = isHebrewLeapYear(date.year);
    return date;
}

}  // namespace zenlith
