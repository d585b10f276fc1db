#pragma once
// The Hebrew date of a civil day, from ICU's Hebrew calendar. The Hebrew day
// that covers the civil day's daylight: the next one begins at sunset.
#include <optional>

namespace zenlith {

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

// Of a day of the proleptic Gregorian calendar; nothing before the Hebrew era
// or where ICU cannot tell.
std::optional<HebrewDate> hebrewDateOf(int year, int month, int day);

}  // namespace zenlith
