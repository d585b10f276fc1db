// zenlith-ephemeris --next against published almanac values for 2024 (the
// US Naval Observatory's phases and seasons, and NASA's eclipse catalogue),
// on Israel's clock, to the minute.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "program_run.h"

namespace zenlith::cli {
namespace {

// Minutes from the start of the day, of "…THH:MM+…".
int minuteOf(const std::string& line) {
    const std::size_t t = line.find("T", line.find("\"time\":\""));
    return std::stoi(line.substr(t + 1, 2)) * 60 + std::stoi(line.substr(t + 4, 2));
}

std::string lineWith(const std::string& out, const std::string& fragment) {
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(fragment) != std::string::npos) return line;
    }
    return {};
}

TEST(EphemerisNext, PublishedEventsOf2024) {
    const ProgramResult run = runProgram(
        {"--next", "--from", "2024-01-01 00:00", "--to", "2025-01-01 00:00", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    struct Case {
        std::string fragment;  // the event and its local date
        std::string clock;     // HH:MM published, converted to Israel's clock
        std::string extra;     // a figure the line must carry
    };
    const Case cases[] = {
        {R"("event":"marchEquinox","time":"2024-03-20T)", "05:06", "+02:00"},   // 03:06 UT
        {R"("event":"juneSolstice","time":"2024-06-20T)", "23:51", "+03:00"},   // 20:51 UT
        {R"("event":"fullMoon","time":"2024-01-25T)", "19:54", R"("bodies":["moon"])"},  // 17:54 UT
        {R"("event":"newMoon","time":"2024-04-08T)", "21:21", "+03:00"},        // 18:21 UT
        // The total eclipse over North America: not from here.
        {R"("event":"solarEclipse","time":"2024-04-08T)", "21:17", R"("kind":"none","seen":false)"},  // greatest 18:17 UT
        // The penumbral eclipse of 25 March: greatest at 07:13 UT, the Moon set.
        {R"("event":"lunarEclipse","time":"2024-03-25T)", "09:13", R"("kind":"penumbral")"},
        // The partial eclipse of 18 September: greatest at 02:44 UT, seen.
        {R"("event":"lunarEclipse","time":"2024-09-18T)", "05:44", R"("kind":"partial")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fragment);
        const std::string line = lineWith(run.out, c.fragment);
        ASSERT_FALSE(line.empty());
        const int published = std::stoi(c.clock.substr(0, 2)) * 60 + std::stoi(c.clock.substr(3, 2));
        // Read to the minute from a time written to the second: the cut adds
        // up to a minute to the model's own difference.
        EXPECT_LE(std::abs(minuteOf(line) - published), 2) << line;
        EXPECT_NE(line.find(c.extra), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace zenlith::cli
