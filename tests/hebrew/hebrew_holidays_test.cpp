// Festivals, fasts, candle lighting and havdalah in Israel against hebcal
// (npm @hebcal/core 6.9.3, Israel mode, fixture made by
// tools/reference/hebrew_holidays_reference.mjs) on every day of the Hebrew
// years 5710-5809: the national days' first years and rules, and every way
// the festivals meet Shabbat.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "hebrew_holidays.h"

namespace zenlith {
namespace {

struct ReferenceDay {
    char evening = '-';
    std::set<Observance> observances;
};

// hebcal's names; its Hanukkah days go by the candles of the evening before.
Observance observanceOfHebcalName(const std::string& name) {
    const bool cholHaMoed = name.find("CH''M") != std::string::npos;
    static const std::pair<const char*, Observance> prefixes[] = {
        {"Rosh Hashana", Observance::roshHashana}, {"Tzom Gedaliah", Observance::tzomGedaliah},
        {"Yom Kippur", Observance::yomKippur}, {"Sukkot VII", Observance::hoshanaRabba},
        {"Sukkot", Observance::sukkot}, {"Shmini Atzeret", Observance::sheminiAtzeret},
        {"Chanukah", Observance::hanukkah}, {"Asara B'Tevet", Observance::asaraBeTevet},
        {"Tu BiShvat", Observance::tuBiShvat}, {"Ta'anit Esther", Observance::taanitEsther},
        {"Purim", Observance::purim}, {"Shushan Purim", Observance::shushanPurim},
        {"Pesach VII", Observance::shviiShelPesach}, {"Pesach", Observance::pesach},
        {"Yom HaShoah", Observance::yomHaShoah}, {"Yom HaZikaron", Observance::yomHaZikaron},
        {"Yom HaAtzma'ut", Observance::yomHaAtzmaut}, {"Lag BaOmer", Observance::lagBaOmer},
        {"Yom Yerushalayim", Observance::yomYerushalayim}, {"Shavuot", Observance::shavuot},
        {"Tzom Tammuz", Observance::tzomTammuz}, {"Tish'a B'Av", Observance::tishaBeAv},
    };
    for (const auto& [prefix, observance] : prefixes) {
        if (name.starts_with(prefix)) {
            if (cholHaMoed) {
                return observance == Observance::sukkot ? Observance::cholHaMoedSukkot : Observance::cholHaMoedPesach;
            }
            return observance;
        }
    }
    ADD_FAILURE() << "unknown name " << name;
    return Observance::roshHashana;
}

std::map<int, ReferenceDay> referenceDays() {
    std::ifstream in(ZENLITH_HEBREW_HOLIDAYS);
    std::map<int, ReferenceDay> days;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('#')) {
            continue;
        }
        std::istringstream fields(line);
        int dayNumber = 0;
        std::string names;
        ReferenceDay day;
        fields >> dayNumber >> day.evening;
        std::getline(fields >> std::ws, names);
        std::istringstream list(names);
        for (std::string name; std::getline(list, name, ';');) {
            day.observances.insert(observanceOfHebcalName(name));
        }
        days[dayNumber] = day;
    }
    return days;
}

char eveningLetter(EveningRite rite) {
    switch (rite) {
    case EveningRite::candlesBeforeSunset:
        return 'C';
    case EveningRite::candlesAtNightfall:
        return 'N';
    case EveningRite::havdalah:
        return 'H';
    case EveningRite::none:
        break;
    }
    return '-';
}

TEST(HebrewHolidays, EveryDayOfACenturyAgreesWithHebcalInIsrael) {
    const std::map<int, ReferenceDay> days = referenceDays();
    ASSERT_GT(days.size(), 4000u);
    for (int n = hebrewNewYearDayNumber(5710); n < hebrewNewYearDayNumber(5810); ++n) {
        const std::optional<HebrewCalendarDay> day = hebrewCalendarDayOf(n);
        ASSERT_TRUE(day) << n;
        ReferenceDay expected;  // a plain day: Friday lights candles, Shabbat ends with havdalah
        expected.evening = day->weekday == 5 ? 'C' : day->weekday == 6 ? 'H' : '-';
        if (const auto found = days.find(n); found != days.end()) {
            expected = found->second;
        }
        EXPECT_EQ(std::set<Observance>(day->observances.begin(), day->observances.end()), expected.observances)
            << "day number " << n;
        EXPECT_EQ(eveningLetter(day->evening), expected.evening) << "day number " << n;
    }
}

}  // namespace
}  // namespace zenlith
