#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "field_cells.h"
#include "reading_rule.h"

namespace zenlith {
namespace {

// Invisible format characters are skipped (a Hebrew letter is no blank, a
// cut sequence stops the reading); decimals convert exactly and overflow to
// infinity, however long the digits run.
TEST(ReadingRule, TakesTheNumberTheTextBeginsWith) {
    const std::string zeros(400, '0');
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"", 0},           {"abc", 0},         {"12", 12},          {"7abc", 7},       {" 1 2 . 5", 12.5},
        {"\t\n5", 5},      {"-3.5e2", -350},   {"1D3", 1000},       {"2d-1", 0.2},     {"1e", 1},
        {"1E+", 1},        {"+5", 5},          {"--1", 0},          {"-", 0},          {".", 0},
        {"-.5", -0.5},     {"5.", 5},          {"1.2.3", 1.2},      {"1,5", 1},        {"5\r", 5},
        {"&H1F", 31},      {"&h ff", 255},     {"&O17", 15},        {"&o8", 0},        {"&H", 0},
        {"&X1", 0},        {" - 2 4", -24},    {"0012", 12},        {"1E-400", 0},     {"05", 5},
        {"\u200e12", 12},  {"2\u200b1", 21},   {"2\u200b024", 2024}, {"\ufeff-\u202b5\u202c", -5},
        {"\u05d012", 0},   {"\xe2\x80", 0},    {"0.1", 0.1},        {"12.00000001", 12.00000001},
        {"1E400", HUGE_VAL}, {"-1E400", -HUGE_VAL}, {"1e99999999999999999999", HUGE_VAL},
        {std::string(400, '9') + "e-1", HUGE_VAL}, {"0." + zeros + "1e-300", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_DOUBLE_EQ(readNumber("0." + zeros + "1e300"), 1e-101);
    EXPECT_DOUBLE_EQ(readNumber("0." + std::string(300, '0') + "5e301"), 5);
    // No number at all is told from zero.
    EXPECT_EQ(readLeadingNumber("0"), 0.0);
    for (const char* none : {"", "abc", "-", ".", "&H", "&O9", " \u200f "}) {
        EXPECT_FALSE(readLeadingNumber(none)) << '"' << none << '"';
    }
}

TEST(FieldCells, RefuseWhatACellCannotHold) {
    EXPECT_FALSE(toSingleCell(1e40));
    EXPECT_FALSE(toSingleCell(HUGE_VAL));
    EXPECT_FALSE(toSingleCell(std::nan("")));
    EXPECT_EQ(toSingleCell(3e38), 3e38f);
    EXPECT_EQ(toSingleCell(-500), -500.0f);

    EXPECT_EQ(toInt16Cell(2.5), 2);  // halves to even
    EXPECT_EQ(toInt16Cell(3.5), 4);
    EXPECT_EQ(toInt16Cell(-2.5), -2);
    EXPECT_EQ(toInt16Cell(-32768.5), -32768);
    EXPECT_FALSE(toInt16Cell(32767.5));
    EXPECT_FALSE(toInt16Cell(99999));
    EXPECT_FALSE(toInt16Cell(HUGE_VAL));

    EXPECT_TRUE(isWholeSingle(*toSingleCell(readNumber("12.00000001"))));
    EXPECT_FALSE(isWholeSingle(1.5f));
    EXPECT_TRUE(isWholeSingle(-500.0f));
}

}  // namespace
}  // namespace zenlith
