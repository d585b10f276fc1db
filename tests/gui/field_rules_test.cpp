// The fields' decisions without widgets, and where start-up cuts the clock.
#include <gtest/gtest.h>

#include <tuple>

#include "clock_positions.h"
#include "field_rules.h"

using namespace zenlith::field_rules;
using namespace zenlith::clock_positions;

namespace {

enum class Field { year, month, day, hour, minute };

Judgement judge(Field field, std::string_view text, bool enabled) {
    switch (field) {
    case Field::year: return judgeYear(text);
    case Field::month: return judgeMonth(text, enabled);
    case Field::day: return judgeDay(text, enabled);
    case Field::hour: return judgeHour(text);
    case Field::minute: return judgeMinute(text, enabled);
    }
    return {};
}

}  // namespace

// Each field's range and what counts as a number; month, day and minute are
// not tested while disabled. A refusal reads 0.
TEST(FieldRules, EachFieldAcceptsItsRangeAndRefusesTheRest) {
    struct Case {
        Field field;
        const char* text;
        bool enabled;
        bool refused;
        float value;
    };
    const Case cases[] = {
        {Field::year, "-500", true, false, -500},     {Field::year, "9998", true, false, 9998},
        {Field::year, "-9998", true, false, -9998},   {Field::year, "12.00000001", true, false, 12},  // whole in single precision
        {Field::year, "", true, false, 0},            {Field::year, "abc", true, false, 0},
        {Field::year, "9999", true, true, 0},         {Field::year, "-9999", true, true, 0},
        {Field::year, "2024.5", true, true, 0},       {Field::month, "12", true, false, 12},
        {Field::month, "7abc", true, false, 7},       {Field::month, "13", true, true, 0},
        {Field::month, "0", true, true, 0},           {Field::month, "1.5", true, true, 0},
        {Field::month, "", true, true, 0},            {Field::month, "13", false, false, 13},
        {Field::month, "", false, false, 0},          {Field::day, "31", true, false, 31},
        {Field::day, "32", true, true, 0},            {Field::day, "-1", true, true, 0},
        {Field::day, "32", false, false, 32},         {Field::hour, "24", true, false, 24},
        {Field::hour, "0", true, false, 0},           {Field::hour, "7abc", true, false, 7},
        {Field::hour, "", true, true, 0},             {Field::hour, "abc", true, true, 0},
        {Field::hour, "NaN", true, true, 0},          {Field::hour, "\xf0\x9f\x98\x80", true, true, 0},
        {Field::hour, " ", true, true, 0},            {Field::hour, "25", true, true, 0},
        {Field::hour, "-1", true, true, 0},           {Field::hour, "7.5", true, true, 0},
        {Field::minute, "", true, false, 0},          {Field::minute, "00", true, false, 0},
        {Field::minute, "59", true, false, 59},       {Field::minute, "xyz", true, true, 0},
        {Field::minute, "NaN", true, true, 0},        {Field::minute, "60", true, true, 0},
        {Field::minute, "-5", true, true, 0},         {Field::minute, "0.5", true, true, 0},
        {Field::minute, "xyz", false, false, 0},      {Field::minute, "60", false, false, 60},
    };
    for (const Case& c : cases) {
        const Judgement judgement = judge(c.field, c.text, c.enabled);
        EXPECT_EQ(judgement.refused, c.refused) << int(c.field) << " '" << c.text << "' " << c.enabled;
        EXPECT_EQ(judgement.value, c.value) << int(c.field) << " '" << c.text << "' " << c.enabled;
    }
    // Beyond single precision no field takes a number, enabled or not.
    for (const char* text : {"1E40", "1E400", "-1E39"}) {
        for (const Field field : {Field::year, Field::month, Field::day, Field::hour, Field::minute}) {
            for (const bool enabled : {true, false}) {
                EXPECT_TRUE(judge(field, text, enabled).refused) << int(field) << " " << text << " " << enabled;
            }
        }
        EXPECT_EQ(readField(text), 0);
    }
}

TEST(FieldRules, PicksEnableTheNextFieldOnlyForEntriesOfTheList) {
    const std::tuple<bool (*)(int), int, bool> cases[] = {
        {monthPickEnablesDay, 0, true},  {monthPickEnablesDay, 11, true}, {monthPickEnablesDay, 12, false},
        {monthPickEnablesDay, -1, false}, {dayPickEnablesHour, 30, true},  {dayPickEnablesHour, 31, false},
        {dayPickEnablesHour, -1, false},
    };
    for (const auto& [enables, entry, expected] : cases) EXPECT_EQ(enables(entry), expected) << entry;
}

// Start-up cuts the clock's texts at fixed character positions; a short text
// gives what stands there.
TEST(ClockPositions, FieldsAreCutAtFixedCharacterPositions) {
    using Cut = std::string (*)(std::string_view);
    const std::tuple<Cut, const char*, const char*> cases[] = {
        {dayOf, "05/03/2024", "05"},  {monthOf, "05/03/2024", "03"}, {yearOf, "05/03/2024", "2024"},
        {yearOf, "05/03/1999", "1999"},  // the clock's own year, not 20 and two digits
        {hourOf, "7:04:09", "7"},     {minuteOf, "7:04:09", "04"},   {hourOf, "17:45:30", "17"},
        {minuteOf, "17:45:30", "45"}, {hourOf, "00:00:00", "00"},    {minuteOf, "00:00:00", "00"},
        {dayOf, "5", "5"},            {monthOf, "5", ""},            {yearOf, "05/03/20", "20"},
        {hourOf, "", ""},             {minuteOf, "7", ""},           {minuteOf, "7:4", "4"},
    };
    for (const auto& [cut, text, expected] : cases) EXPECT_EQ(cut(text), expected) << text;
}
