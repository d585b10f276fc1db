#pragma once
// Civil dates and times as the date fields take them, and the Julian dates
// they stand for: the Julian calendar before 1 March 1525, the Gregorian one
// from then on, with astronomical year numbers (year 0 is 1 BC, year -1 is
// 2 BC). The ten Gregorian dates 1 to 10 March 1525 name the days that the
// Julian dates 19 to 28 February 1525 already name; a Julian date is always
// named by the latter, and the day after 28 February 1525 is 11 March 1525.
// February has 29 days by the Gregorian rule on the year number in every
// year, as the fields take it; so before 1525 the Julian leap day of a
// century year that 400 does not divide (1500, 1400, …) has no name here.

namespace zenlith {

struct CivilDateTime {
    int year = 0;
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..24; 24:00 is midnight at the day's end
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

bool isGregorianLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidCivilDateTime(const CivilDateTime& when);

// The Julian date of a civil date and time read as universal time.
double julianDateOf(const CivilDateTime& when);

// The civil date and time of a Julian date, to the nearest second; all zero
// for a value that is not a finite date. A day without a name comes out as
// the Julian calendar's 29 February, which isValidCivilDateTime refuses.
CivilDateTime civilDateTimeOf(double julianDate);

// The same date and time rounded to the nearest minute, seconds zero.
CivilDateTime toNearestMinute(const CivilDateTime& when);

// The next day that has a name, at 00:00: the day after 28 February 1525 is
// 11 March 1525, and an unnamed leap day is passed over.
CivilDateTime nextCivilDay(const CivilDateTime& day);

}  // namespace zenlith
