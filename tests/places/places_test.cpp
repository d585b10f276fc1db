// Coordinates as people type them and places found by name. Expected
// coordinates are the typed sexagesimal values worked by hand; names and
// positions come from GeoNames and the time-zone database's zone.tab.
#include <gtest/gtest.h>

#include "coordinate_text.h"
#include "kept_place.h"
#include "place_catalogue.h"
#include "world_cities.h"

namespace zenlith {
namespace {

TEST(CoordinateText, AcceptedFormsGiveDegreesAndRefusalsSayWhy) {
    struct Case {
        const char* text;
        double latitude, longitude;
        std::optional<double> height;
        std::optional<std::string> zone;
    };
    const Case accepted[] = {
        {"31.7683, 35.2137", 31.7683, 35.2137, {}, {}},
        {"  -33.8 151.2 ", -33.8, 151.2, {}, {}},
        {"31°46′N 35°13′E", 31 + 46 / 60.0, 35 + 13 / 60.0, {}, {}},
        {"40°42'51\"N 74°0'21\"W", 40 + 42 / 60.0 + 51 / 3600.0, -(74 + 21 / 3600.0), {}, {}},
        {"35°13′E 31°46′N", 31 + 46 / 60.0, 35 + 13 / 60.0, {}, {}},
        {"37.8S, 144.96E, 31m, Australia/Melbourne", -37.8, 144.96, 31, "Australia/Melbourne"},
        {"31.7683, 35.2137, 754", 31.7683, 35.2137, 754, {}},
        {"-0°30′ 0", -0.5, 0, {}, {}},
        {"90, -180", 90, -180, {}, {}},
    };
    for (const Case& c : accepted) {
        const auto read = readCoordinates(c.text);
        ASSERT_TRUE(std::holds_alternative<TypedCoordinates>(read)) << c.text;
        const auto& typed = std::get<TypedCoordinates>(read);
        EXPECT_NEAR(typed.latitudeDegrees, c.latitude, 1e-12) << c.text;
        EXPECT_NEAR(typed.longitudeDegrees, c.longitude, 1e-12) << c.text;
        EXPECT_EQ(typed.heightMetres, c.height) << c.text;
        EXPECT_EQ(typed.timeZone, c.zone) << c.text;
    }
    const std::pair<const char*, CoordinateError> refused[] = {
        {"", CoordinateError::notCoordinates},
        {"Jerusalem", CoordinateError::notCoordinates},
        {"31.7683", CoordinateError::notCoordinates},
        {"nan, nan", CoordinateError::notCoordinates},
        {"1e3, 5", CoordinateError::notCoordinates},
        {"31°61′N 35°E", CoordinateError::notCoordinates},
        {"31°46′E 35°13′E", CoordinateError::notCoordinates},
        {"-31S 35E", CoordinateError::notCoordinates},
        {"ירושלים 35", CoordinateError::notCoordinates},
        {"91, 35", CoordinateError::latitudeRange},
        {"31, 180.5", CoordinateError::longitudeRange},
        {"99999999999999999, 0", CoordinateError::notCoordinates},
        {"31, 35, 10000", CoordinateError::heightRange},
    };
    for (const auto& [text, error] : refused) {
        const auto read = readCoordinates(text);
        ASSERT_TRUE(std::holds_alternative<CoordinateError>(read)) << text;
        EXPECT_EQ(std::get<CoordinateError>(read), error) << text;
    }
    EXPECT_EQ(std::get<double>(readAngle("74°0′21″W", Axis::longitude)), -(74 + 21 / 3600.0));
    EXPECT_TRUE(std::holds_alternative<CoordinateError>(readAngle("74W", Axis::latitude)));
}

TEST(PlaceCatalogue, FindsPlacesByHebrewOrEnglishBeginnings) {
    const PlaceCatalogue catalogue = PlaceCatalogue::standard(std::string(zoneInfoFolder));
    ASSERT_GE(catalogue.entries().size(), 150u + 300u);
    struct Case {
        const char* typed;
        const char* firstEnglish;  // the first found
    };
    const Case cases[] = {
        {"ירוש", "Jerusalem"},   {"jerus", "Jerusalem"},    {"אילת", "Eilat"},   {"EILAT", "Eilat"},
        {"תל אביב", "Tel Aviv"}, {"יְרוּשָׁלַיִם", "Jerusalem"}, {"ניו יורק", "New York"},
        {"melb", "Melbourne"},   {"reykj", "Reykjavik"},    {"aviv", "Tel Aviv"},
    };
    for (const Case& c : cases) {
        const auto found = catalogue.search(c.typed, 5);
        ASSERT_FALSE(found.empty()) << c.typed;
        EXPECT_EQ(found.front()->english, c.firstEnglish) << c.typed;
    }
    EXPECT_TRUE(catalogue.search("Xyzzy", 5).empty());
    EXPECT_EQ(catalogue.unique("New"), nullptr);  // New York, New Salem, ...
    EXPECT_EQ(catalogue.unique("Eila"), catalogue.unique("אילת"));
    ASSERT_NE(catalogue.unique("Eilat"), nullptr);
    EXPECT_NEAR(catalogue.unique("Eilat")->place.latitudeDegrees, 29.558, 0.001);  // GeoNames 295277
    // zone.tab: of the zone cities, Longyearbyen (on Norway's clock) lies nearest Tromsø.
    EXPECT_EQ(catalogue.nearestZoneCity(69.65, 18.96)->place.timeZone, "Arctic/Longyearbyen");
    EXPECT_EQ(catalogue.nearestZoneCity(31.77, 35.21)->place.timeZone, "Asia/Jerusalem");
    EXPECT_EQ(catalogue.nearestZoneCity(-90, 0)->place.timeZone.substr(0, 10), "Antarctica");
}

// What the settings keep comes back as it was; a damaged line is no place.
TEST(KeptPlace, RoundTripsAndRefusesDamage) {
    for (const Place& place : {originalSite(), Place{"אילת", 29.55805, 34.94821, 12, "Asia/Jerusalem"},
                               Place{"", -33.8333, 151.2, 0, "Australia/Sydney"}}) {
        EXPECT_EQ(placeFromKeptText(keptPlaceText(place)), place) << keptPlaceText(place);
    }
    for (const char* damaged : {"", "x\t1\t2\t3", "x\t91\t2\t3\tUTC", "x\t1\t2\t3\t../../etc/passwd",
                                "x\tnan\t2\t3\tUTC", "x\t1\t2\t3\tUTC\tmore", "x\t1e999\t2\t3\tUTC",
                                "x\t1\t2\t99999\tUTC", "x\t 1\t2\t3\tUTC"}) {
        EXPECT_FALSE(placeFromKeptText(damaged)) << damaged;
    }
}

}  // namespace
}  // namespace zenlith
