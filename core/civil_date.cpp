#include "civil_date.h"

#include <cmath>

namespace zenlith {

namespace {

constexpr double minutesPerDay = 1440;

// Days from 1 March of year 0 by Hinnant's civil-from-days algorithm, which
// counts whole 400-year eras and so holds for negative years too.
long long daysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

// Julian date of 0 h on the day daysFromCivil counts as 0 (0000-03-01).
constexpr double julianDateOfDayZero = 1721119.5;

// Far beyond any year the program takes; keeps the day count well inside its type.
constexpr double maxJulianDate = 1e12;

}  // namespace

bool isGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isGregorianLeapYear(year) ? 29 : lengths[month - 1];
}

bool isValidCivilDateTime(const CivilDateTime& when) {
    if (when.month < 1 || when.month > 12 || when.day < 1 || when.day > daysInMonth(when.year, when.month)) {
        return false;
    }
    if (when.hour == 24) {
        return when.minute == 0;
    }
    return when.hour >= 0 && when.hour < 24 && when.minute >= 0 && when.minute < 60;
}

double julianDateOf(const CivilDateTime& when) {
    const long long days = daysFromCivil(when.year, when.month, when.day);
    return julianDateOfDayZero + static_cast<double>(days) + (when.hour * 60 + when.minute) / minutesPerDay;
}

CivilDateTime civilDateTimeOf(double julianDate) {
    if (!std::isfinite(julianDate) || std::fabs(julianDate) > maxJulianDate) {
        return {};
    }
    const double minutes = std::round((julianDate - julianDateOfDayZero) * minutesPerDay);
    const auto wholeDays = static_cast<long long>(std::floor(minutes / minutesPerDay));
    const int minuteOfDay = static_cast<int>(minutes - static_cast<double>(wholeDays) * minutesPerDay);
    // Hinnant's days-to-civil, the inverse of daysFromCivil.
    const long long era = (wholeDays >= 0 ? wholeDays : wholeDays - 146096) / 146097;
    const long long dayOfEra = wholeDays - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
    CivilDateTime when;
    when.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    when.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    when.year = static_cast<int>(yearOfEra + era * 400 + (when.month <= 2 ? 1 : 0));
    when.hour = minuteOfDay / 60;
    when.minute = minuteOfDay % 60;
    return when;
}

}  // namespace zenlith
