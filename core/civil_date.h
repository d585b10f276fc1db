#pragma once
// Civil dates and times as people write them, and the Julian dates they stand
// for, in the proleptic Gregorian calendar with astronomical year numbers
// (year 0 is 1 BC), as the time-zone database counts them.
#include <optional>

namespace zenlith {

struct CivilDateTime {
    int year = 0;
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..24; 24:00 is midnight at the day's end
    int minute = 0;  // 0..59
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

bool isGregorianLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidCivilDateTime(const CivilDateTime& when);

// The Julian date of a civil date and time read as universal time.
double julianDateOf(const CivilDateTime& when);

// The civil date and time of a Julian date, to the nearest minute; all zero
// for a value that is not a finite date.
CivilDateTime civilDateTimeOf(double julianDate);

}  // namespace zenlith
