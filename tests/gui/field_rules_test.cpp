// The fields' decisions without widgets, and where start-up cuts the clock.
#include <gtest/gtest.h>

#include "clock_positions.h"
#include "field_rules.h"

using namespace zenlith::field_rules;
using namespace zenlith::clock_positions;

namespace {

void expectAccepted(const Judgement& judgement, float value) {
    EXPECT_FALSE(judgement.refused);
    EXPECT_EQ(judgement.value, value);
}

void expectRefused(const Judgement& judgement) {
    EXPECT_TRUE(judgement.refused);
    EXPECT_EQ(judgement.value, 0);
}

}  // namespace

TEST(FieldRules, YearTakesWholeNumbersStrictlyBetweenMinusAndPlus9999) {
    expectAccepted(judgeYear("-500"), -500);
    expectAccepted(judgeYear("9998"), 9998);
    expectAccepted(judgeYear("-9998"), -9998);
    expectAccepted(judgeYear("12.00000001"), 12);  // whole in single precision
    expectAccepted(judgeYear(""), 0);
    expectAccepted(judgeYear("abc"), 0);
    expectRefused(judgeYear("9999"));
    expectRefused(judgeYear("-9999"));
    expectRefused(judgeYear("2024.5"));
}

TEST(FieldRules, MonthAndDayAreTestedOnlyWhileEnabled) {
    expectAccepted(judgeMonth("12", true), 12);
    expectAccepted(judgeMonth("7abc", true), 7);
    expectRefused(judgeMonth("13", true));
    expectRefused(judgeMonth("0", true));
    expectRefused(judgeMonth("1.5", true));
    expectRefused(judgeMonth("", true));
    expectAccepted(judgeMonth("13", false), 13);
    expectAccepted(judgeMonth("", false), 0);
    expectAccepted(judgeDay("31", true), 31);
    expectRefused(judgeDay("32", true));
    expectRefused(judgeDay("-1", true));
    expectAccepted(judgeDay("32", false), 32);
}

TEST(FieldRules, HourNeedsSomeTextWithAWholeNumberUpTo24) {
    expectAccepted(judgeHour("24"), 24);
    expectAccepted(judgeHour("0"), 0);
    expectAccepted(judgeHour("7abc"), 7);
    for (const char* noNumber : {"", "abc", "NaN", "\xf0\x9f\x98\x80", " "}) expectRefused(judgeHour(noNumber));
    expectRefused(judgeHour("25"));
    expectRefused(judgeHour("-1"));
    expectRefused(judgeHour("7.5"));
}

TEST(FieldRules, MinuteIsEmptyOrAWholeNumberUpTo59WhileEnabled) {
    expectAccepted(judgeMinute("", true), 0);
    expectAccepted(judgeMinute("00", true), 0);
    expectRefused(judgeMinute("xyz", true));
    expectRefused(judgeMinute("NaN", true));
    expectAccepted(judgeMinute("xyz", false), 0);
    expectAccepted(judgeMinute("59", true), 59);
    expectRefused(judgeMinute("60", true));
    expectRefused(judgeMinute("-5", true));
    expectRefused(judgeMinute("0.5", true));
    expectAccepted(judgeMinute("60", false), 60);
}

TEST(FieldRules, NumbersBeyondSinglePrecisionAreRefusedByEveryFieldInEveryState) {
    for (const char* text : {"1E40", "1E400", "-1E39"}) {
        expectRefused(judgeYear(text));
        expectRefused(judgeMonth(text, true));
        expectRefused(judgeMonth(text, false));
        expectRefused(judgeDay(text, false));
        expectRefused(judgeHour(text));
        expectRefused(judgeMinute(text, false));
        EXPECT_EQ(readField(text), 0);
    }
}

TEST(FieldRules, PicksEnableTheNextFieldOnlyForEntriesOfTheList) {
    EXPECT_TRUE(monthPickEnablesDay(0));
    EXPECT_TRUE(monthPickEnablesDay(11));
    EXPECT_FALSE(monthPickEnablesDay(12));
    EXPECT_FALSE(monthPickEnablesDay(-1));
    EXPECT_TRUE(dayPickEnablesHour(30));
    EXPECT_FALSE(dayPickEnablesHour(31));
    EXPECT_FALSE(dayPickEnablesHour(-1));
}

TEST(ClockPositions, FieldsAreCutAtFixedCharacterPositions) {
    EXPECT_EQ(dayOf("05/03/2024"), "05");
    EXPECT_EQ(monthOf("05/03/2024"), "03");
    EXPECT_EQ(yearOf("05/03/2024"), "2024");
    EXPECT_EQ(yearOf("05/03/1999"), "1999");  // the clock's own year, not 20 and two digits
    EXPECT_EQ(hourOf("7:04:09"), "7");
    EXPECT_EQ(minuteOf("7:04:09"), "04");
    EXPECT_EQ(hourOf("17:45:30"), "17");
    EXPECT_EQ(minuteOf("17:45:30"), "45");
    EXPECT_EQ(hourOf("00:00:00"), "00");
    EXPECT_EQ(minuteOf("00:00:00"), "00");
}

TEST(ClockPositions, ShortTextsGiveWhatStandsThere) {
    EXPECT_EQ(dayOf("5"), "5");
    EXPECT_EQ(monthOf("5"), "");
    EXPECT_EQ(yearOf("05/03/20"), "20");
    EXPECT_EQ(hourOf(""), "");
    EXPECT_EQ(minuteOf("7"), "");
    EXPECT_EQ(minuteOf("7:4"), "4");
}
