// Hebrew dates of civil days as published calendars give them (holidays
// whose Hebrew dates are fixed), written out in letters.
#include <gtest/gtest.h>

#include "hebrew_date_text.h"
#include "hebrew_numeral.h"

namespace zenlith {
namespace {

TEST(HebrewDate, PublishedDatesInOrdinaryAndLeapYears) {
    struct Case {
        int year, month, day;
        const char* text;
    };
    const Case cases[] = {
        {2024, 10, 3, "א׳ בתשרי תשפ״ה"},     // Rosh Hashanah 5785
        {2024, 4, 23, "ט״ו בניסן תשפ״ד"},    // Passover 5784
        {2024, 2, 23, "י״ד באדר א׳ תשפ״ד"},  // Purim Katan in the leap year 5784
        {2024, 3, 24, "י״ד באדר ב׳ תשפ״ד"},  // Purim 5784
        {2024, 2, 29, "כ׳ באדר א׳ תשפ״ד"},
        {2025, 3, 14, "י״ד באדר תשפ״ה"},     // Purim in the ordinary year 5785
        {2026, 3, 18, "כ״ט באדר תשפ״ו"},
        {1999, 9, 11, "א׳ בתשרי תש״ס"},      // Rosh Hashanah 5760
        {1900, 9, 24, "א׳ בתשרי תרס״א"},     // Rosh Hashanah 5661
        {2023, 12, 8, "כ״ה בכסלו תשפ״ד"},    // Hanukkah 5784
    };
    for (const Case& c : cases) {
        const std::optional<HebrewDate> date = hebrewDateOf(c.year, c.month, c.day);
        ASSERT_TRUE(date) << c.year << '-' << c.month << '-' << c.day;
        EXPECT_EQ(hebrewDateText(*date), c.text) << c.year << '-' << c.month << '-' << c.day;
    }
    EXPECT_TRUE(hebrewDateOf(2024, 3, 24)->leapYear);
    EXPECT_FALSE(hebrewDateOf(2025, 3, 14)->leapYear);
    EXPECT_EQ(hebrewDateOf(2023, 2, 29), std::nullopt);
    EXPECT_EQ(hebrewDateOf(-5000, 1, 1), std::nullopt);  // before the Hebrew era
    EXPECT_EQ(hebrewDateOf(2000000000, 1, 1), std::nullopt);
    EXPECT_TRUE(hebrewDateOf(9998, 12, 31));
}

TEST(HebrewDate, NumeralsAvoidTheDivineNameAndMarkSingleLetters) {
    const std::pair<int, const char*> cases[] = {{1, "א׳"},     {15, "ט״ו"},    {16, "ט״ז"},
                                                 {115, "קט״ו"}, {30, "ל׳"},     {786, "תשפ״ו"},
                                                 {999, "תתקצ״ט"}, {0, ""},     {1000, ""}};
    for (const auto& [number, text] : cases) EXPECT_EQ(hebrewNumeral(number), text) << number;
}

}  // namespace
}  // namespace zenlith
