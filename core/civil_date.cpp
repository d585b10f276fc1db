#include "civil_date.h"

#include <cmath>

namespace zenlith {

namespace {

constexpr long long secondsPerDay = 86400;

long long floorDivision(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

// Days before the month in a year counted from March, so that the leap day
// comes last (Hinnant's shifted-month formula).
long long daysBeforeMarchMonth(int month) { return (153LL * (month > 2 ? month - 3 : month + 9) + 2) / 5; }

// Julian day numbers (the day whose noon is that Julian date) by Hinnant's
// era counting, which holds for negative years too.
long long gregorianDayNumber(long long year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = floorDivision(year, 400);
    const long long yearOfEra = year - era * 400;
    const long long dayOfEra =
        yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + daysBeforeMarchMonth(month) + day - 1;
    return era * 146097 + dayOfEra + 1721120;  // 1 March of year 0
}

long long julianCalendarDayNumber(long long year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = floorDivision(year, 4);
    const long long dayOfEra = (year - era * 4) * 365 + daysBeforeMarchMonth(month) + day - 1;
    return era * 1461 + dayOfEra + 1721118;  // 1 March of year 0
}

bool readsGregorian(int year, int month) { return year > 1525 || (year == 1525 && month >= 3); }

// The first day the Julian calendar no longer names: Gregorian 11 March 1525.
const long long firstGregorianName = gregorianDayNumber(1525, 3, 11);

struct YearMonthDay {
    long long year;
    int month;
    int day;
};

// From a day of a year counted from March, within an era that starts in March.
YearMonthDay fromDayOfYear(long long yearFromMarch, long long dayOfYear) {
    const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    return {yearFromMarch + (month <= 2 ? 1 : 0), month, day};
}

YearMonthDay gregorianDateOf(long long dayNumber) {
    const long long days = dayNumber - 1721120;
    const long long era = floorDivision(days, 146097);
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    return fromDayOfYear(era * 400 + yearOfEra, dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100));
}

YearMonthDay julianCalendarDateOf(long long dayNumber) {
    const long long days = dayNumber - 1721118;
    const long long era = floorDivision(days, 1461);
    const long long dayOfEra = days - era * 1461;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460) / 365;
    return fromDayOfYear(era * 4 + yearOfEra, dayOfEra - 365 * yearOfEra);
}

long long dayNumberOf(int year, int month, int day) {
    return readsGregorian(year, month) ? gregorianDayNumber(year, month, day)
                                       : julianCalendarDayNumber(year, month, day);
}

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
        return when.minute == 0 && when.second == 0;
    }
    return when.hour >= 0 && when.hour < 24 && when.minute >= 0 && when.minute < 60 && when.second >= 0 &&
           when.second < 60;
}

double julianDateOf(const CivilDateTime& when) {
    const long long secondOfDay = when.hour * 3600LL + when.minute * 60LL + when.second;
    return static_cast<double>(dayNumberOf(when.year, when.month, when.day)) - 0.5 +
           static_cast<double>(secondOfDay) / secondsPerDay;
}

CivilDateTime civilDateTimeOf(double julianDate) {
    if (!std::isfinite(julianDate) || std::fabs(julianDate) > maxJulianDate) {
        return {};
    }
    const auto seconds = static_cast<long long>(std::round((julianDate + 0.5) * secondsPerDay));
    const long long dayNumber = floorDivision(seconds, secondsPerDay);
    const long long secondOfDay = seconds - dayNumber * secondsPerDay;
    const YearMonthDay date =
        dayNumber >= firstGregorianName ? gregorianDateOf(dayNumber) : julianCalendarDateOf(dayNumber);
    return {static_cast<int>(date.year), date.month, date.day, static_cast<int>(secondOfDay / 3600),
            static_cast<int>(secondOfDay / 60 % 60), static_cast<int>(secondOfDay % 60)};
}

CivilDateTime toNearestMinute(const CivilDateTime& when) {
    if (when.second < 30) {
        return {when.year, when.month, when.day, when.hour, when.minute, 0};
    }
    return civilDateTimeOf(julianDateOf({when.year, when.month, when.day, when.hour, when.minute, 0}) + 60.0 / secondsPerDay);
}

CivilDateTime nextCivilDay(const CivilDateTime& day) {
    CivilDateTime next = civilDateTimeOf(static_cast<double>(dayNumberOf(day.year, day.month, day.day)) + 0.5);
    if (!isValidCivilDateTime(next)) {
        next = civilDateTimeOf(static_cast<double>(dayNumberOf(next.year, next.month, next.day)) + 0.5);
    }
    return next;
}

}  // namespace zenlith
