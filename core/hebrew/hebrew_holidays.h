#pragma once
// The festivals and fasts of a Hebrew day as observed in Israel (one day of
// each festival, no second days of the diaspora), with the postponements the
// fasts and the national days follow, and what the day's evening brings:
// candles lit for a Shabbat or festival that begins, or havdalah for one that
// ends.
#include <optional>
#include <string_view>
#include <vector>

#include "hebrew_calendar.h"

namespace zenlith {

// In the order of the year, from Tishrei.
enum class Observance {
    roshHashana, tzomGedaliah, yomKippur, sukkot, cholHaMoedSukkot, hoshanaRabba, sheminiAtzeret, hanukkah,
    asaraBeTevet, tuBiShvat, taanitEsther, purim, shushanPurim, pesach, cholHaMoedPesach, shviiShelPesach,
    yomHaShoah, yomHaZikaron, yomHaAtzmaut, lagBaOmer, yomYerushalayim, shavuot, tzomTammuz, tishaBeAv,
};

// The name as a Hebrew calendar prints it ("ראש השנה", "צום י״ז בתמוז").
std::string_view observanceName(Observance observance);
// A day on which work is forbidden, as on Shabbat (Yom Kippur among them).
bool isFestival(Observance observance);
bool isFast(Observance observance);

enum class EveningRite {
    none,
    candlesBeforeSunset,  // a Shabbat or festival begins after a working day
    candlesAtNightfall,   // it begins straight after another (lit from an existing flame)
    havdalah,             // Shabbat or festivals end and a working day follows
};

struct HebrewCalendarDay {
    HebrewDate date;                      // of the civil day's daylight
    int weekday = 0;                      // 0 Sunday .. 6 Saturday
    std::vector<Observance> observances;  // in the order of the enumeration
    bool restDay = false;                 // Shabbat or a festival
    EveningRite evening = EveningRite::none;
};

// Nothing outside the calendar's years.
std::optional<HebrewCalendarDay> hebrewCalendarDayOf(int julianDayNumber);
// Of a civil date in the program's calendar.
std::optional<HebrewCalendarDay> hebrewCalendarDayOfCivilDate(int year, int month, int day);

}  // namespace zenlith
