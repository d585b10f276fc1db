// zenlith-ephemeris --stars through the real executable: the stars to a
// magnitude limit (the Bright Star Catalogue has four brighter than 0.0),
// each with its keys, and Sirius where Astronomy Engine puts it
// (tests/stars/data/star_places.tsv: 2026-12-07 20:00 UT at 32 N 35 E).
#include <gtest/gtest.h>

#include <regex>

#include "program_run.h"

namespace zenlith::cli {
namespace {

double number(const std::string& line, const std::string& key) {
    const std::regex pattern("\"" + key + "\":(-?[0-9.]+)");
    std::smatch match;
    EXPECT_TRUE(std::regex_search(line, match, pattern)) << key << " in " << line;
    return match.empty() ? 0 : std::stod(match[1]);
}

TEST(EphemerisStars, PrintsTheBrightStarsWithTheirPlaces) {
    const ProgramResult json =
        runProgram({"--stars", "--mag-limit", "0", "--at", "2026-12-07 22:00", "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const std::string sirius = json.out.substr(0, json.out.find('\n'));
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 4);
    EXPECT_NE(sirius.find("\"time\":\"2026-12-07 22:00\",\"utc_offset\":\"+02:00\",\"hr\":2491,\"name\":\"סיריוס\""),
              std::string::npos)
        << sirius;
    constexpr double arcMinuteAndCut = 1 / 60.0 + 0.005;
    EXPECT_DOUBLE_EQ(number(sirius, "mag"), -1.46);
    EXPECT_NEAR(number(sirius, "ra"), 101.595776, arcMinuteAndCut);
    EXPECT_NEAR(number(sirius, "decl"), -16.742954, arcMinuteAndCut);
    EXPECT_NEAR(number(sirius, "az"), 127.878379, arcMinuteAndCut);
    EXPECT_NEAR(number(sirius, "alt"), 21.723229, arcMinuteAndCut);

    const ProgramResult csv = runProgram({"--stars", "--mag-limit", "1", "--at", "2026-12-07 22:00", "--format", "csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_TRUE(csv.out.starts_with("time,utc_offset,hr,name,mag,ra,decl,az,alt\r\n")) << csv.out;
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 1 + 15);  // 15 stars to magnitude 1.0
}

}  // namespace
}  // namespace zenlith::cli
