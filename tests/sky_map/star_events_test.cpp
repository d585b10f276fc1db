// A star's rise, culmination and set against Astronomy Engine's searches
// (npm astronomy-engine 2.1.19, data/star_events.tsv made by
// tools/reference/star_places_reference.js), within a minute, at three
// places, including stars that never rise or never set there.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "star_catalogue.h"
#include "star_events.h"

namespace zenlith::sky_map {
namespace {

std::optional<double> instantOrNothing(const std::string& text) {
    if (text == "-") return std::nullopt;
    return std::stod(text);
}

void expectSame(const std::optional<HorizonEvent>& found, const std::optional<double>& reference, const char* what,
                const std::string& line) {
    ASSERT_EQ(found.has_value(), reference.has_value()) << what << ": " << line;
    if (found) {
        EXPECT_NEAR(found->julianDate, *reference, 1.0 / 1440) << what << ": " << line;
    }
}

TEST(StarEvents, AgreeWithAstronomyEngineWithinAMinute) {
    std::ifstream file(ZENLITH_STAR_EVENTS);
    ASSERT_TRUE(file) << ZENLITH_STAR_EVENTS;
    stars::StarPositions positions;
    int rows = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with('#')) continue;
        std::istringstream in(line);
        int hr = 0;
        Place place;
        double start = 0;
        std::string rise, culmination, set;
        in >> hr >> place.latitudeDegrees >> place.longitudeDegrees >> start >> rise >> culmination >> set;
        ASSERT_TRUE(in) << line;
        positions.moveTo(start + 0.5, place);
        const BodyEvents events = starEvents(positions.apparent(*stars::catalogueIndexOf(hr)), place, {start, start + 1});
        expectSame(events.rise, instantOrNothing(rise), "rise", line);
        expectSame(events.transit, instantOrNothing(culmination), "culmination", line);
        expectSame(events.set, instantOrNothing(set), "set", line);
        ++rows;
    }
    EXPECT_EQ(rows, 36);
}

}  // namespace
}  // namespace zenlith::sky_map
