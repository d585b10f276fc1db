#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report.h"

namespace zenlith {
namespace {

Engine engineWithFigures() {
    Engine engine;
    engine.setConstants();
    for (int k = 0; k < bodyCount; ++k) {
        BodyResult& body = engine.bodyResult[k];
        body = {};
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
    engine.bodyResult[sunIndex] = {};
    engine.bodyResult[sunIndex].Ra = 280.7579;
    engine.bodyResult[sunIndex].Decl = -23.0707;
    engine.bodyResult[sunIndex].Az = 82.199;
    engine.bodyResult[sunIndex].Alt = -58.527;
    engine.moonLon = 121.4015;
    engine.moonLat = -0.001;
    engine.moonAge = 14.0261;
    engine.moonIllumination = 3.0;
    return engine;
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

TEST(Report, NineLinesInBodyOrderWithTheirExactPieces) {
    Engine engine = engineWithFigures();
    const std::string report = buildReport(engine, ".");
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
}

TEST(Report, CutsTheStoredFiguresInPlace) {
    Engine engine = engineWithFigures();
    buildReport(engine, ".");
    EXPECT_DOUBLE_EQ(engine.bodyResult[sunIndex].Decl, -23.08);
    EXPECT_DOUBLE_EQ(engine.bodyResult[mercuryIndex].Rearth, 2.41);
    EXPECT_DOUBLE_EQ(engine.bodyResult[moonIndex].Az, 108.99);
    EXPECT_DOUBLE_EQ(engine.moonAge, 14.02);
    EXPECT_NEAR(engine.moonLat, -0.01, 1e-15);
    // Intermediate values the report does not show are left alone.
    EXPECT_DOUBLE_EQ(engine.bodyResult[mercuryIndex].Lat, -2.88);
    EXPECT_EQ(engine.bodyResult[moonIndex].Rearth, 9.4123);
}

TEST(Report, WritesTheLocaleSeparator) {
    Engine engine = engineWithFigures();
    const std::string report = buildReport(engine, ",");
    EXPECT_EQ(lines(report)[0],
              "שמש     Ra = 280,75°  ,      Decl = -23,08° ,     Az = 82,19°  ,      Alt = -58,53°   :  Sun");
}

}  // namespace
}  // namespace zenlith
