// The program's rows against the window's compute action for the same
// instants: every figure's text equals the report's text, the summer-time
// decision is the window's, and a date the window refuses is refused with
// the window's prompt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

#include "zone_clock_rules.h"
#include "messages.h"
#include "program_run.h"
#include "sky_calculator.h"
#include "summer_time.h"

namespace zenlith::cli {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

// The report's figures for each body, in the report's order, as it writes them.
std::vector<std::vector<std::string>> reportFigures(const std::string& report) {
    static const std::regex figure("=\\s*(-?[0-9.]+(E[-+][0-9]+)?)");
    std::vector<std::vector<std::string>> bodies;
    for (const std::string& line : split(report, '\n')) {
        auto& figures = bodies.emplace_back();
        for (std::sregex_iterator it(line.begin(), line.end(), figure), end; it != end; ++it) {
            figures.push_back((*it)[1]);
        }
    }
    return bodies;
}

// Where each of the report's figures stands among the table's columns
// (ra decl az alt rearth mag phase diameter lon lat age, after time,
// utc_offset and body).
const std::vector<int> sunOrder = {3, 4, 5, 6};
const std::vector<int> planetOrder = {7, 8, 9, 10, 3, 4, 11, 12, 5, 6};
const std::vector<int> moonOrder = {3, 4, 11, 12, 5, 6, 13, 9};

CivilDateTime instantOf(const std::string& text) {
    CivilDateTime when;
    std::sscanf(text.c_str(), "%d-%d-%d %d:%d", &when.year, &when.month, &when.day, &when.hour, &when.minute);
    return when;
}

std::string numberText(int value) { return std::to_string(value); }

enum class Summer { automatic, on, off };

void expectRowAgrees(const std::string& line, const std::vector<std::string>& figures, const std::vector<int>& order,
                     bool summerTime) {
    const auto cells = split(line, '\t');
    ASSERT_EQ(cells.size(), 14u) << line;
    EXPECT_EQ(cells[1], summerTime ? "+03:00" : "+02:00") << line;
    ASSERT_EQ(figures.size(), order.size()) << line;
    for (std::size_t n = 0; n < order.size(); ++n) {
        EXPECT_EQ(cells[static_cast<std::size_t>(order[n])], figures[n]) << line << " column " << order[n];
    }
}

// Checks every row of a TSV table against the compute action and collects
// the instants the table holds.
void expectRowsAgree(const std::string& table, Summer summer, ModelKind model, std::vector<CivilDateTime>& instants) {
    const ClockRules& rules = israelClockRules();
    SkyCalculator calculator(model);
    const auto lines = split(table.substr(0, table.size() - (table.ends_with('\n') ? 1 : 0)), '\n');
    EXPECT_EQ((lines.size() - 1) % 9, 0u);
    for (std::size_t row = 1; row + 8 < lines.size(); row += 9) {
        const auto cells = split(lines[row], '\t');
        const CivilDateTime when = instantOf(cells[0]);
        instants.push_back(when);
        // By Israel's rules the offset is the one in force; in the repeated
        // autumn hour either pass is.
        const bool summerTime = summer == Summer::automatic ? cells[1] == "+03:00" : summer == Summer::on;
        if (summer == Summer::automatic) {
            const LocalTime shown = localTimeOf(rules, universalTimeOf(rules, when, summerTime) + 0.1 / 86400);
            EXPECT_TRUE(shown.clock == when && shown.summer == summerTime) << lines[row];
        }
        const FieldTexts fields{numberText(when.year), numberText(when.month), numberText(when.day),
                                numberText(when.hour), numberText(when.minute), summerTime};
        const ComputeOutcome outcome = calculator.compute(fields, ".");
        const auto* sky = std::get_if<ComputedSky>(&outcome);
        if (sky == nullptr) {
            ADD_FAILURE() << "the window refuses " << lines[row];
            continue;
        }
        const auto figures = reportFigures(sky->report);
        ASSERT_GE(figures.size(), 9u);  // the precise model's report names it on a tenth line
        for (std::size_t body = 0; body < 9; ++body) {
            expectRowAgrees(lines[row + body], figures[body], body == 0 ? sunOrder : body == 8 ? moonOrder : planetOrder,
                            summerTime);
        }
    }
}

std::vector<CivilDateTime> rowsAgree(const std::string& table, Summer summer, ModelKind model = ModelKind::classic) {
    std::vector<CivilDateTime> instants;
    expectRowsAgree(table, summer, model, instants);
    return instants;
}

std::vector<CivilDateTime> rangeRowsAgree(const std::string& from, const std::string& to, const std::string& step,
                                          ModelKind model = ModelKind::classic) {
    const ProgramResult result = runProgram({"--from", from, "--to", to, "--step", step, "--format", "tsv", "--model",
                                             model == ModelKind::precise ? "precise" : "classic"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    return rowsAgree(result.out, Summer::automatic, model);
}

double minutesBetween(const CivilDateTime& a, const CivilDateTime& b) {
    return std::round((julianDateOf(b) - julianDateOf(a)) * 1440);
}

TEST(EphemerisAgreesWithTheWindow, RangesAcrossClockChangesAndMillennia) {
    // Spring forward and fall back in 2024, by Israel's rules.
    // Steps are elapsed time: three hours pass in spring, four and a half in autumn.
    const auto spring = rangeRowsAgree("2024-03-29 00:00", "2024-03-29 04:00", "10m");
    ASSERT_EQ(spring.size(), 19u);
    EXPECT_EQ(spring.back(), (CivilDateTime{2024, 3, 29, 4, 0}));
    const auto autumn = rangeRowsAgree("2024-10-26 23:30", "2024-10-27 03:00", "30m");
    ASSERT_EQ(autumn.size(), 10u);
    EXPECT_EQ(autumn[4], autumn[6]);  // 01:30 on summer time, then on winter time
    // Millennia on either side of year 0 (which the window refuses) in uneven
    // steps; the last step stops short of the end. 4000 Julian years are
    // 1461000 days; from 1 January 1 (Julian) to 1 January 6001 (Gregorian)
    // 2191457 days pass.
    const auto before = rangeRowsAgree("-4000-01-01 00:00", "-1-12-31 23:00", "7919h");
    EXPECT_EQ(before.size(), (1461000LL * 1440 - 60) / (7919 * 60) + 1);
    const auto after = rangeRowsAgree("1-01-01 00:00", "6001-01-01 00:00", "7919h");
    EXPECT_EQ(after.size(), 2191457LL * 1440 / (7919 * 60) + 1);
    for (const auto& span : {before, after}) {
        for (std::size_t n = 1; n < span.size(); ++n) {
            ASSERT_NEAR(minutesBetween(span[n - 1], span[n]), 7919 * 60, 60) << n;  // an hour where the clock changes
        }
    }
}

TEST(EphemerisAgreesWithTheWindow, ThePreciseModelAcrossItsYears) {
    EXPECT_EQ(rangeRowsAgree("2024-10-26 23:30", "2024-10-27 03:00", "30m", ModelKind::precise).size(), 10u);
    const auto years = rangeRowsAgree("1000-01-19 00:00", "2999-12-31 23:00", "7919h", ModelKind::precise);
    EXPECT_GT(years.size(), 2200u);
    EXPECT_EQ(years.front(), (CivilDateTime{1000, 1, 19, 0, 0}));
    const ProgramResult beyond = runProgram({"--model", "precise", "--at", "999-12-31 12:00"});
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.out, "");
    EXPECT_NE(beyond.err.find(std::string(messages::beyondPreciseModel)), std::string::npos) << beyond.err;
}

TEST(EphemerisAgreesWithTheWindow, InstantsGivenOneByOneWithTheBoxSet) {
    const std::vector<std::string> instants = {"2000-01-01 12:00", "1999-12-31 24:00", "-500-07-04 03:07",
                                               "9998-12-31 23:59", "2024-03-29 02:30"};
    for (const auto& [mode, summer] : {std::pair{"on", Summer::on}, std::pair{"off", Summer::off}}) {
        std::vector<std::string> arguments = {"--format", "tsv", "--summer", mode};
        for (const std::string& at : instants) {
            arguments.insert(arguments.end(), {"--at", at});
        }
        const ProgramResult result = runProgram(arguments);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(rowsAgree(result.out, summer).size(), instants.size());
    }
    // The same instants on standard input, one a line, in the same order.
    std::string lines;
    for (const std::string& at : instants) lines += at + "\r\n";
    const ProgramResult piped = runProgram({"--format", "tsv", "--summer", "on"}, lines);
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(rowsAgree(piped.out, Summer::on).size(), instants.size());
}

TEST(EphemerisAgreesWithTheWindow, FullDigitsReadBackAsTheModelsFigures) {
    const ProgramResult result =
        runProgram({"--at", "2026-03-01 21:17", "--format", "csv", "--full", "--bodies", "mars", "--fields", "ra,lon,mag"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto row = split(split(result.out, '\n')[1], ',');
    SkyCalculator calculator;
    const auto sky = std::get<ComputedSky>(calculator.compute({"2026", "3", "1", "21", "17", false}, "."));
    const BodyPlace& mars = sky.places.bodies[marsIndex];
    ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(std::stod(row[3]), mars.Ra);
    EXPECT_EQ(std::stod(row[4]), mars.Lon);
    EXPECT_EQ(std::stod(row[5]), mars.Mag);
}

TEST(EphemerisAgreesWithTheWindow, RefusesWhatTheWindowRefusesWithItsPrompt) {
    const std::pair<std::string, std::string_view> refused[] = {
        {"2023-02-29 12:00", messages::dateDoesNotExist}, {"2023-04-31 12:00", messages::dateDoesNotExist},
        {"2023-13-01 12:00", messages::monthPrompt},      {"2023-00-10 12:00", messages::monthPrompt},
        {"2023-01-32 12:00", messages::dayPrompt},        {"2023-01-01 25:00", messages::hourPrompt},
        {"2023-01-01 12:60", messages::minutePrompt},     {"2023-01-01 24:30", messages::minutePrompt},
        {"9999-01-01 00:00", messages::yearPrompt},       {"-10000-01-01 00:00", messages::yearPrompt},
        {"0-06-01 12:00", messages::noDateEntered},
    };
    for (const auto& [instant, prompt] : refused) {
        const ProgramResult at = runProgram({"--at", "2023-01-01 12:00", "--at", instant});
        EXPECT_EQ(at.status, 1) << instant;
        EXPECT_EQ(at.out, "") << instant;
        EXPECT_TRUE(at.err.starts_with("zenlith-ephemeris: --at ")) << at.err;
        EXPECT_TRUE(at.err.ends_with(" is refused; the window says:\n" + std::string(prompt) + "\n")) << at.err;
        EXPECT_FALSE(mixesLanguagesInALine(at.err)) << at.err;
        const ProgramResult piped = runProgram({}, instant + "\n");
        EXPECT_EQ(piped.status, 1) << instant;
        EXPECT_NE(piped.err.find("standard input line 1: "), std::string::npos) << piped.err;
        EXPECT_NE(piped.err.find(std::string(prompt)), std::string::npos) << piped.err;
    }
}

// Israel moved its clocks to summer time at 02:00 on 29 March 2024, and that
// day was 19 Adar II 5784 until sunset: the day's events say both.
TEST(EphemerisDayEvents, FollowIsraelsClockAndTheHebrewDay) {
    const ProgramResult result =
        runProgram({"--events", "--from", "2024-03-28", "--to", "2024-03-29", "--format", "json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> days = split(result.out, '\n');
    ASSERT_EQ(days.size(), 3u) << result.out;  // two lines and the last line's end
    const std::regex sunrise("\\{\"name\":\"sun\",\"rise\":\"2024-03-2[89]T(\\d\\d):(\\d\\d):\\d\\d\\+0[23]:00\"");
    std::smatch before, after;
    ASSERT_TRUE(std::regex_search(days[0], before, sunrise)) << days[0];
    ASSERT_TRUE(std::regex_search(days[1], after, sunrise)) << days[1];
    const int minutesLater = (std::stoi(after[1]) - std::stoi(before[1])) * 60 + std::stoi(after[2]) - std::stoi(before[2]);
    EXPECT_NEAR(minutesLater, 59, 1);  // an hour on the clock, a minute less in the sky
    EXPECT_TRUE(days[0].starts_with("{\"date\":\"2024-03-28\",\"hebrewDate\":{\"beforeSunset\":\"י״ח באדר ב׳ תשפ״ד\""))
        << days[0];
    EXPECT_NE(days[1].find("\"beforeSunset\":\"י״ט באדר ב׳ תשפ״ד\",\"afterSunset\":\"כ׳ באדר ב׳ תשפ״ד\""),
              std::string::npos) << days[1];
}

}  // namespace
}  // namespace zenlith::cli
