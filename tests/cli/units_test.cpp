// The command line's own pieces: instants as typed, steps, options.
#include <gtest/gtest.h>

#include "instant_text.h"
#include "options.h"

namespace zenlith::cli {
namespace {

TEST(InstantText, ReadsTheShapesItPromises) {
    const std::pair<std::string, CivilDateTime> good[] = {
        {"2026-03-01 12:05", {2026, 3, 1, 12, 5}}, {" 2026-3-1T7:05\r", {2026, 3, 1, 7, 5}},
        {"2026-03-01", {2026, 3, 1, 0, 0}},        {"-44-03-15  12:00", {-44, 3, 15, 12, 0}},
        {"12345-99-99 99:99", {12345, 99, 99, 99, 99}},  // shape only: the window's rules judge it
        // Other scripts' digits and direction marks, as pasted into the window's fields.
        {"٢٠٢٦-٠٣-٠١ ١٢:٠٥", {2026, 3, 1, 12, 5}},   {"２０２６-０３-０１ １２:０５", {2026, 3, 1, 12, 5}},
        {"\u200f2026-03-01\u200e 12:05", {2026, 3, 1, 12, 5}},
    };
    for (const auto& [text, when] : good) {
        EXPECT_EQ(parseInstant(text), when) << text;
    }
    for (const char* bad : {"", "2026", "2026-03", "2026-03-01 12", "2026-03-01 12:", "2026-03-01 12:05:00",
                            "+2026-03-01", "2026/03/01", "2026-003-01", "1234567-01-01", "2026-03-01 1205",
                            "2026-03-01 12:05 x", "--2026-03-01"}) {
        EXPECT_EQ(parseInstant(bad), std::nullopt) << bad;
    }
    std::string text;
    appendInstantText(text, {-44, 3, 15, 9, 5});
    text += '|';
    appendInstantText(text, {12, 12, 31, 24, 0});
    EXPECT_EQ(text, "-0044-03-15 09:05|0012-12-31 24:00");
}

TEST(Steps, AreWholeCountsOfAUnit) {
    const std::pair<const char*, RangeStep> good[] = {
        {"10m", {StepUnit::minute, 10}}, {"1h", {StepUnit::hour, 1}},   {"2d", {StepUnit::day, 2}},
        {"1w", {StepUnit::day, 7}},      {"3mo", {StepUnit::month, 3}}, {"1y", {StepUnit::year, 1}},
        {"١٠m", {StepUnit::minute, 10}},
    };
    for (const auto& [text, step] : good) EXPECT_EQ(parseStep(text), step) << text;
    for (const char* bad : {"", "m", "0h", "-1h", "1.5h", "1", "1 h", "1H", "1M", "1yr", "99999999999d",
                            "99999999999999999999d", "30000y"}) {
        EXPECT_EQ(parseStep(bad), std::nullopt) << bad;
    }
}

TEST(CommandLine, DefaultsAndChoices) {
    const auto defaults = std::get<Options>(parseCommandLine({}));
    EXPECT_EQ(defaults.columns.bodies.size(), 9u);
    EXPECT_EQ(defaults.columns.fields.size(), 11u);
    EXPECT_EQ(defaults.summer, SummerMode::automatic);
    EXPECT_FALSE(defaults.range || !defaults.at.empty() || defaults.outputPath);

    const auto chosen = std::get<Options>(parseCommandLine(
        {"--from=2026-01-01", "--to", "2026-02-01", "--bodies", "moon,sun", "--fields=alt,az", "--summer", "off",
         "--format", "json", "--full", "--output", "t.json"}));
    ASSERT_TRUE(chosen.range);
    EXPECT_EQ(chosen.range->step, (RangeStep{StepUnit::hour, 1}));
    EXPECT_EQ(chosen.columns.bodies, (std::vector<int>{8, 0}));
    EXPECT_EQ(chosen.columns.fields, (std::vector<Field>{Field::alt, Field::az}));
    EXPECT_TRUE(chosen.columns.full);
    EXPECT_EQ(chosen.columns.style, TableStyle::json);
    EXPECT_EQ(chosen.outputPath, "t.json");
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(parseCommandLine({"--at", "x", "--help"})));
    EXPECT_TRUE(std::holds_alternative<ShowVersion>(parseCommandLine({"--version"})));
}

}  // namespace
}  // namespace zenlith::cli
