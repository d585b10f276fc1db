#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report.h"

namespace zenlith {
namespace {

SkyPlaces placesWithFigures() {
    SkyPlaces places;
    for (int k = 0; k < bodyCount; ++k) {
        BodyPlace& body = places.bodies[k];
        body.Ra = 10 + k + 0.456;
        body.Decl = -(k + 0.671);
        body.Az = 100 + k + 0.999;
        body.Alt = k + 0.7;
        body.Rearth = 1 + k + 0.4123;
        body.Mag = -0.4456 + k;
        body.Phase = 96.051;
        body.AngularDiameter = 4.7299 + k;
        body.Lon = 252.409 + k;
        body.Lat = -2.871;
    }
    places.bodies[sunIndex] = {};
    places.bodies[sunIndex].Ra = 280.7579;
    places.bodies[sunIndex].Decl = -23.0707;
    places.bodies[sunIndex].Az = 82.199;
    places.bodies[sunIndex].Alt = -58.527;
    places.moon.lon = 121.4015;
    places.moon.lat = -0.001;
    places.moon.age = 14.0261;
    places.moon.illumination = 3.0;
    return places;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        result.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    result.push_back(text.substr(start));
    return result;
}

TEST(Report, NineLinesInBodyOrderWithTheirExactPiecesAndTheLocaleSeparator) {
    const std::string report = buildReport(placesWithFigures(), ModelKind::classic, ".");
    const auto rows = lines(report);
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(report.find('\n'), report.find("\r\n") + 1);  // only CR LF breaks
    EXPECT_EQ(rows[0], "שמש     Ra = 280.75°  ,      Decl = -23.08° ,     Az = 82.19°  ,      Alt = -58.53°   :  Sun");
    EXPECT_EQ(rows[1],
              "כוכב חמה  Rearth = 2.41 AU ,  Mag = 0.55 ,  Phase =96.05° , AngularDiameter = 5.72' ,  Ra = 11.45° ,"
              "  Decl = -1.68° ,  Lon = 253.4° ,  Lat = -2.88° ,  Az = 101.99° ,  Alt = 1.7° : Mercury");
    EXPECT_EQ(rows[2],
              "נוגה  Rearth = 3.41 AU ,  Mag = 1.55 ,  Phase =96.05° , AngularDiameter = 6.72'' ,  Ra = 12.45° ,"
              "  Decl = -2.68° ,  Lon = 254.4° ,  Lat = -2.88° ,  Az = 102.99° ,  Alt = 2.7° : Venus");
    EXPECT_EQ(rows[7].substr(0, 11), "נפטון ");
    EXPECT_EQ(rows[7].substr(rows[7].size() - 9), " : Neptun");
    // 8 + 0.7 is held a hair below 8.7, so the cut gives 8.69.
    EXPECT_EQ(rows[8],
              "ירח  Ra =18.45° ,  Decl =-8.68° ,  Lon =121.4° ,  Lat =-0.01° ,  Az =108.99° ,  Alt =8.69° ,"
              "  Age (in days) =14.02 ,  Phase =3° : Moon");
    const char* names[] = {"מאדים ", "צדק ", "שבתאי ", "אורנוס "};
    const char* tails[] = {" : Mars", " : Jupiter", " : Saturn", " : Uranus"};
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(rows[3 + n].rfind(names[n], 0), 0u) << n;
        EXPECT_NE(rows[3 + n].find("''"), std::string::npos) << n;
        const std::string tail = tails[n];
        EXPECT_EQ(rows[3 + n].substr(rows[3 + n].size() - tail.size()), tail) << n;
    }
    // The locale's separator; the precise model's report adds a tenth line naming it.
    EXPECT_EQ(lines(buildReport(placesWithFigures(), ModelKind::classic, ","))[0],
              "שמש     Ra = 280,75°  ,      Decl = -23,08° ,     Az = 82,19°  ,      Alt = -58,53°   :  Sun");
    const auto precise = lines(buildReport(placesWithFigures(), ModelKind::precise, "."));
    ASSERT_EQ(precise.size(), 10u);
    EXPECT_TRUE(std::equal(rows.begin(), rows.end(), precise.begin()));
    EXPECT_NE(precise[9].find("ERFA"), std::string::npos);
}

}  // namespace
}  // namespace zenlith
