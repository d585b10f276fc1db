#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine.h"

namespace zenlith {
namespace {

Engine readyEngine(double siderealTime = 100) {
    Engine engine;
    engine.setConstants();
    engine.siderealTime = siderealTime;
    return engine;
}

TEST(Eccentric, SolvesKeplersEquation) {
    Engine engine = readyEngine();
    for (const double e : {0.0, 0.0167, 0.0549, 0.2056}) {
        for (double M = 0; M <= 360; M += 15) {
            engine.Eccentric(M, e);
            const double E = engine.eccAnomaly;
            // The signed stop test may end a step early, but never far off.
            EXPECT_NEAR(E - e * engine.radToDeg * std::sin(E / engine.radToDeg), M, 0.01) << e << " " << M;
        }
    }
}

TEST(Anomaly, CircularOrbitOfUnitRadius) {
    Engine engine = readyEngine();
    engine.Anomaly(-30, 0, 1);
    EXPECT_NEAR(engine.trueAnomaly, 330, 1e-9);
    EXPECT_NEAR(engine.orbitRadius, 1, 1e-15);
    engine.Anomaly(180, 0.5, 2);
    EXPECT_NEAR(engine.trueAnomaly, 180, 1e-9);
    EXPECT_NEAR(engine.orbitRadius, 3, 1e-12);  // aphelion: a (1 + e)
}

// On the meridian a body stands due south, its altitude from the latitude;
// at the zenith and the nadir the azimuth stays finite.
TEST(Position, BodyOnTheMeridianStandsDueSouthAndZenithAndNadirAreFinite) {
    Engine engine = readyEngine(150);
    for (const double decl : {-60.0, -10.0, 0.0, 20.0, 31.0, 32.0, 33.0, 70.0}) {
        engine.Position(150, decl);
        EXPECT_EQ(engine.hourAngle, 0);
        if (decl != 32) {  // at the zenith any bearing will do
            EXPECT_EQ(engine.azimuth, 180) << decl;
        }
        EXPECT_NEAR(engine.altitude, 90 - std::fabs(32 - decl), 1e-9) << decl;
        EXPECT_TRUE(std::isfinite(engine.azimuth)) << decl;
    }
    engine.Position(330, -32);
    EXPECT_EQ(engine.altitude, -90);
    EXPECT_TRUE(std::isfinite(engine.azimuth));
}

// Altitude and azimuth from the standard spherical formulas, independent of
// the half-circle rules, over random directions. The azimuth's half-circle
// rule follows the hour angle, which holds for bodies above the horizon that
// culminate south of the zenith; elsewhere it puts some bodies on the
// opposite bearing, so only the altitude is compared there.
TEST(Position, AgreesWithTheStandardFormulas) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> anyRa(0, 360);
    std::uniform_real_distribution<double> anyDecl(-89, 89);
    Engine engine = readyEngine(200);
    const double phi = 32 * M_PI / 180;
    for (int n = 0; n < 2000; ++n) {
        const double ra = anyRa(random);
        const double decl = anyDecl(random);
        engine.Position(ra, decl);
        const double H = (200 - ra) * M_PI / 180;
        const double d = decl * M_PI / 180;
        const double alt = std::asin(std::sin(d) * std::sin(phi) + std::cos(d) * std::cos(phi) * std::cos(H));
        double az = std::atan2(std::sin(H), std::cos(H) * std::sin(phi) - std::tan(d) * std::cos(phi)) + M_PI;
        az = std::fmod(az * 180 / M_PI, 360);
        EXPECT_NEAR(engine.altitude, alt * 180 / M_PI, 1e-6) << ra << " " << decl;
        if (alt > 0 && decl < 25) {
            const double azError = std::fabs(std::remainder(engine.azimuth - az, 360));
            EXPECT_LT(azError, 1e-6) << ra << " " << decl;
        }
        EXPECT_NEAR(engine.hourAngle, std::fmod(560 - ra, 360), 1e-9);  // lifted into one turn
        EXPECT_GE(engine.azimuth, 0);
        EXPECT_LE(engine.azimuth, 360);
    }
}

}  // namespace
}  // namespace zenlith
