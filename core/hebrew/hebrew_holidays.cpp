#include "hebrew_holidays.h"

#include <array>

namespace zenlith {

namespace {

constexpr int friday = 5;
constexpr int saturday = 6;

// How an observance leaves its date when the week gets in the way.
enum class Shift {
    none,
    shabbatToSunday,    // a fast is not kept on Shabbat but the day after
    shabbatToThursday,  // the Fast of Esther goes back before Shabbat's eve
    holocaustDay,       // Friday back to Thursday, Sunday on to Monday
    independenceDays,   // moved so as not to border Shabbat (see independenceShiftDays)
};

struct Rule {
    Observance what;
    std::string_view name;
    HebrewMonth month;
    int firstDay;
    int days;
    Shift shift;
    int firstYear;  // the first Hebrew year it is kept
    bool festival;
    bool fast;
};

// Adar is Adar II in a leap year, where Purim and its fast are kept.
// Hanukkah's eight days run past Kislev by the day count. The national days
// are kept from their first year as hebcal counts them.
constexpr std::array<Rule, 24> rules = {{
    {Observance::roshHashana, "ראש השנה", HebrewMonth::tishrei, 1, 2, Shift::none, 1, true, false},
    {Observance::tzomGedaliah, "צום גדליה", HebrewMonth::tishrei, 3, 1, Shift::shabbatToSunday, 1, false, true},
    {Observance::yomKippur, "יום כיפור", HebrewMonth::tishrei, 10, 1, Shift::none, 1, true, true},
    {Observance::sukkot, "סוכות", HebrewMonth::tishrei, 15, 1, Shift::none, 1, true, false},
    {Observance::cholHaMoedSukkot, "חול המועד סוכות", HebrewMonth::tishrei, 16, 5, Shift::none, 1, false, false},
    {Observance::hoshanaRabba, "הושענא רבה", HebrewMonth::tishrei, 21, 1, Shift::none, 1, false, false},
    {Observance::sheminiAtzeret, "שמיני עצרת ושמחת תורה", HebrewMonth::tishrei, 22, 1, Shift::none, 1, true, false},
    {Observance::hanukkah, "חנוכה", HebrewMonth::kislev, 25, 8, Shift::none, 1, false, false},
    {Observance::asaraBeTevet, "עשרה בטבת", HebrewMonth::tevet, 10, 1, Shift::none, 1, false, true},
    {Observance::tuBiShvat, "ט״ו בשבט", HebrewMonth::shevat, 15, 1, Shift::none, 1, false, false},
    {Observance::taanitEsther, "תענית אסתר", HebrewMonth::adar, 13, 1, Shift::shabbatToThursday, 1, false, true},
    {Observance::purim, "פורים", HebrewMonth::adar, 14, 1, Shift::none, 1, false, false},
    {Observance::shushanPurim, "שושן פורים", HebrewMonth::adar, 15, 1, Shift::none, 1, false, false},
    {Observance::pesach, "פסח", HebrewMonth::nisan, 15, 1, Shift::none, 1, true, false},
    {Observance::cholHaMoedPesach, "חול המועד פסח", HebrewMonth::nisan, 16, 5, Shift::none, 1, false, false},
    {Observance::shviiShelPesach, "שביעי של פסח", HebrewMonth::nisan, 21, 1, Shift::none, 1, true, false},
    {Observance::yomHaShoah, "יום השואה", HebrewMonth::nisan, 27, 1, Shift::holocaustDay, 5711, false, false},
    {Observance::yomHaZikaron, "יום הזיכרון", HebrewMonth::iyar, 4, 1, Shift::independenceDays, 5708, false, false},
    {Observance::yomHaAtzmaut, "יום העצמאות", HebrewMonth::iyar, 5, 1, Shift::independenceDays, 5708, false, false},
    {Observance::lagBaOmer, "ל״ג בעומר", HebrewMonth::iyar, 18, 1, Shift::none, 1, false, false},
    {Observance::yomYerushalayim, "יום ירושלים", HebrewMonth::iyar, 28, 1, Shift::none, 5727, false, false},
    {Observance::shavuot, "שבועות", HebrewMonth::sivan, 6, 1, Shift::none, 1, true, false},
    {Observance::tzomTammuz, "צום י״ז בתמוז", HebrewMonth::tammuz, 17, 1, Shift::shabbatToSunday, 1, false, true},
    {Observance::tishaBeAv, "תשעה באב", HebrewMonth::av, 9, 1, Shift::shabbatToSunday, 1, false, true},
}};

const Rule& ruleOf(Observance observance) { return rules[static_cast<std::size_t>(observance)]; }

// Independence Day (5 Iyar) moves back to Thursday from Friday or Shabbat,
// and since 5764 on to Tuesday from Monday, so that neither it nor the
// Memorial Day before it borders Shabbat; the two move together.
int independenceShiftDays(int year, int independenceWeekday) {
    switch (independenceWeekday) {
    case friday:
        return -1;
    case saturday:
        return -2;
    case 1:
        return year >= 5764 ? 1 : 0;
    default:
        return 0;
    }
}

int shiftDays(const Rule& rule, int year, int weekday) {
    switch (rule.shift) {
    case Shift::shabbatToSunday:
        return weekday == saturday ? 1 : 0;
    case Shift::shabbatToThursday:
        return weekday == saturday ? -2 : 0;
    case Shift::holocaustDay:
        return weekday == friday ? -1 : weekday == 0 ? 1 : 0;
    case Shift::independenceDays:
        return independenceShiftDays(year, (weekday + 5 - rule.firstDay + 7) % 7);
    case Shift::none:
        break;
    }
    return 0;
}

// Whether the rule's days in the year hold the day.
bool isKeptOn(const Rule& rule, int year, int julianDayNumber) {
    if (year < rule.firstYear) {
        return false;
    }
    const int nominal = *dayNumberOf({year, rule.month, rule.firstDay, isHebrewLeapYear(year)});
    const int first = nominal + shiftDays(rule, year, weekdayOfDayNumber(nominal));
    return julianDayNumber >= first && julianDayNumber < first + rule.days;
}

std::vector<Observance> observancesOn(const HebrewDate& date, int julianDayNumber) {
    std::vector<Observance> out;
    for (const Rule& rule : rules) {
        if (isKeptOn(rule, date.year, julianDayNumber)) {
            out.push_back(rule.what);
        }
    }
    return out;
}

bool hasFestival(const std::vector<Observance>& observances) {
    for (const Observance observance : observances) {
        if (isFestival(observance)) {
            return true;
        }
    }
    return false;
}

struct DayKind {
    bool shabbat = false;
    bool festival = false;
    bool rest() const { return shabbat || festival; }
};

std::optional<DayKind> kindOf(int julianDayNumber) {
    const std::optional<HebrewDate> date = hebrewDateOfDayNumber(julianDayNumber);
    if (!date) {
        return std::nullopt;
    }
    return DayKind{weekdayOfDayNumber(julianDayNumber) == saturday,
                   hasFestival(observancesOn(*date, julianDayNumber))};
}

// Candles are lit before sunset unless the day is itself Shabbat or a
// festival that another festival follows: then only once it is night.
EveningRite eveningOf(DayKind today, DayKind tomorrow) {
    if (tomorrow.rest()) {
        return today.shabbat || (today.festival && tomorrow.festival) ? EveningRite::candlesAtNightfall
                                                                      : EveningRite::candlesBeforeSunset;
    }
    return today.rest() ? EveningRite::havdalah : EveningRite::none;
}

}  // namespace

std::string_view observanceName(Observance observance) { return ruleOf(observance).name; }

bool isFestival(Observance observance) { return ruleOf(observance).festival; }

bool isFast(Observance observance) { return ruleOf(observance).fast; }

std::optional<HebrewCalendarDay> hebrewCalendarDayOf(int julianDayNumber) {
    const std::optional<HebrewDate> date = hebrewDateOfDayNumber(julianDayNumber);
    const std::optional<DayKind> tomorrow = date ? kindOf(julianDayNumber + 1) : std::nullopt;
    if (!tomorrow) {
        return std::nullopt;
    }
    HebrewCalendarDay day{*date, weekdayOfDayNumber(julianDayNumber), observancesOn(*date, julianDayNumber), false,
                          EveningRite::none};
    const DayKind today{day.weekday == saturday, hasFestival(day.observances)};
    day.restDay = today.rest();
    day.evening = eveningOf(today, *tomorrow);
    return day;
}

std::optional<HebrewCalendarDay> hebrewCalendarDayOfCivilDate(int year, int month, int day) {
    const std::optional<int> dayNumber = dayNumberOfCivilDate(year, month, day);
    return dayNumber ? hebrewCalendarDayOf(*dayNumber) : std::nullopt;
}

}  // namespace zenlith
