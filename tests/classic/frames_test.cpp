#include <gtest/gtest.h>

#include <cmath>

#include "engine.h"

namespace zenlith {
namespace {

Engine readyEngine(double sunX, double sunY, double obliquity) {
    Engine engine;
    engine.setConstants();
    engine.sunX = sunX;
    engine.sunY = sunY;
    engine.obliquity = obliquity;
    return engine;
}

// An orbit in the ecliptic plane stays in it; the Sun's vector shifts the
// centre, the longitude still being seen from the orbit's centre.
TEST(Pre, OrbitInTheEclipticPlaneAndTheSunVectorShiftsTheCentre) {
    Engine flat = readyEngine(0, 0, 23.44);
    flat.pre(2, 100, 250, 80, 0);
    EXPECT_EQ(flat.eclZ, 0);
    EXPECT_EQ(flat.eclLat, 0);
    EXPECT_NEAR(flat.eclLon, 70, 1e-9);  // 100 + 250 + 80, folded
    EXPECT_NEAR(flat.geoDistance, 2, 1e-12);
    Engine shifted = readyEngine(-1, 0, 0);
    shifted.pre(1, 0, 90, 0, 0);
    EXPECT_NEAR(shifted.eclLon, 90, 1e-9);
    EXPECT_NEAR(shifted.geoDistance, std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(shifted.rightAscension, 135, 1e-9);
}

TEST(Pre, EquatorialCoordinatesAgreeWithTheTextbookRotation) {
    Engine engine = readyEngine(0.3, -0.9, 23.44);
    for (double v = 0; v < 360; v += 20) {
        engine.pre(1.5, 49.5, v, 286.5, 1.85);
        const double eps = 23.44 * M_PI / 180;
        const double x = engine.eclX;
        const double y = engine.eclY;
        const double z = engine.eclZ;
        double ra = std::atan2(y * std::cos(eps) - z * std::sin(eps), x) * 180 / M_PI;
        ra = ra < 0 ? ra + 360 : ra;
        const double decl = std::asin((y * std::sin(eps) + z * std::cos(eps)) / engine.geoDistance) * 180 / M_PI;
        EXPECT_NEAR(engine.rightAscension, ra, 1e-9) << v;
        EXPECT_NEAR(engine.declination, decl, 1e-9) << v;
        EXPECT_NEAR(engine.eclLat, std::asin(std::sin((v + 286.5) * M_PI / 180) * std::sin(1.85 * M_PI / 180)) * 180 / M_PI,
                    1e-9);
    }
}

}  // namespace
}  // namespace zenlith
