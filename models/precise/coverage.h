#pragma once
// The years the precise model answers for, in one place. eraPlan94's series
// hold for 1000 years either side of J2000 (TT), which ends early in 3000, so
// the years are 1000 to 2999; the limits are universal-time Julian dates on
// the program's calendar (Julian before 1525), widened by the local clock's
// lead on universal time so that every local hour of those years is covered.
namespace zenlith::precise {

// 1000 January 1, 0h on a clock 3 h ahead of universal time.
inline constexpr double firstJulianDate = 2086307.5 - 3.0 / 24;
// 3000 January 1, 0h on a clock 2 h ahead of universal time.
inline constexpr double endJulianDate = 2816787.5 - 2.0 / 24;

inline bool covers(double julianDateUtc) {
    return julianDateUtc >= firstJulianDate && julianDateUtc < endJulianDate;
}

}  // namespace zenlith::precise
