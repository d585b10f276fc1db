#pragma once
// The Hebrew calendar by its own arithmetic: the molad of Tishrei and the four
// postponements fix each New Year, the year's length fixes Cheshvan and
// Kislev, and seven years in nineteen have a second Adar. Days are counted by
// the Julian day number (the Julian date of the day's noon), so the civil side
// stays with the program's one civil calendar.
#include <optional>

namespace zenlith {

// In the order of the year, from Tishrei. In a common year there is no adarI;
// in a leap year adarI is Adar I and adar is Adar II.
enum class HebrewMonth {
    tishrei, cheshvan, kislev, tevet, shevat, adarI, adar, nisan, iyar, sivan, tammuz, av, elul
};

struct HebrewDate {
    int year = 0;                       // from creation
    HebrewMonth month = HebrewMonth::tishrei;
    int day = 0;                        // 1..30
    bool leapYear = false;              // thirteen months: adarI, then adar is Adar II
    friend bool operator==(const HebrewDate&, const HebrewDate&) = default;
};

// The Hebrew calendar's arithmetic holds for the years from 1 up to here,
// far beyond the program's civil years.
inline constexpr int lastHebrewYear = 1000000;

bool isHebrewLeapYear(int year);
// The Julian day number of 1 Tishrei of the year, 1..lastHebrewYear.
int hebrewNewYearDayNumber(int year);
// 353, 354 or 355 days; 383, 384 or 385 in a leap year.
int hebrewYearLengthDays(int year);
// 29 or 30; 0 for Adar I in a common year.
int hebrewMonthLengthDays(int year, HebrewMonth month);

// Nothing before 1 Tishrei of the year 1 or after the last year.
std::optional<HebrewDate> hebrewDateOfDayNumber(int julianDayNumber);
// Nothing for a date that the calendar does not have.
std::optional<int> dayNumberOf(const HebrewDate& date);

// The Julian day number of a civil date, in the program's civil calendar;
// nothing for a date that is not in it.
std::optional<int> dayNumberOfCivilDate(int year, int month, int day);
// 0 Sunday .. 6 Saturday.
int weekdayOfDayNumber(int julianDayNumber);

// The Hebrew day that covers a civil day's daylight (the next one begins at
// sunset); nothing for a civil date that is not in the calendar, or before
// the Hebrew era.
std::optional<HebrewDate> hebrewDateOf(int year, int month, int day);

}  // namespace zenlith
