// Geocentric apparent places against the worked examples of Meeus,
// Astronomical Algorithms (2nd ed.), computed there from the full VSOP87 and
// ELP theories; ERFA's shorter series agree to their documented few
// arc-seconds (eraPlan94's Earth, for the Sun, within 5″).
#include <gtest/gtest.h>

#include <cmath>

#include "instant_frame.h"
#include "new_moon.h"
#include "planet_place.h"
#include "precise_sky_model.h"
#include "sky_position.h"

namespace zenlith::precise {
namespace {

constexpr double arcsecond = 1.0 / 3600;

// The examples are in dynamical time; TAI − UTC was 26 s in 1992 and 16 s in
// 1977 (IERS leap-second table), and TT = TAI + 32.184 s.
double utcFromTt(double tt, double taiMinusUtc) { return tt - (taiMinusUtc + 32.184) / 86400; }

// As seen from the geocentre: the frame's site moved to the centre.
InstantFrame geocentricFrame(double julianDateUtc) {
    InstantFrame frame = frameAt(julianDateUtc, siteOf(originalSite()));
    frame.observer = {0, 0, 0};
    return frame;
}

TEST(MeeusExamples, SunOn1992October13) {  // example 25.b
    const InstantFrame frame = geocentricFrame(utcFromTt(2448908.5, 26));
    BodyPlace sun;
    placeFromSite(frame, apparentSun(frame.earthAndMoon), sun);
    EXPECT_NEAR(sun.Ra, (13 + 13 / 60.0 + 30.749 / 3600) * 15, 5 * arcsecond);
    EXPECT_NEAR(sun.Decl, -(7 + 47 / 60.0 + 1.74 / 3600), 5 * arcsecond);
    EXPECT_NEAR(length(frame.earthAndMoon.earth.position), 0.99760775, 5e-7);
}

TEST(MeeusExamples, VenusOn1992December20) {  // example 33.a
    const BodyPlace venus = planetPlace(geocentricFrame(utcFromTt(2448976.5, 26)), venusIndex);
    EXPECT_NEAR(venus.Ra, (21 + 4 / 60.0 + 41.454 / 3600) * 15, 3 * arcsecond);
    EXPECT_NEAR(venus.Decl, -(18 + 53 / 60.0 + 16.84 / 3600), 3 * arcsecond);
    EXPECT_NEAR(venus.Rearth, 0.910947, 3e-6);
}

TEST(MeeusExamples, MoonOn1992April12) {  // example 47.a
    const double utc = utcFromTt(2448724.5, 26);
    const InstantFrame frame = geocentricFrame(utc);
    BodyPlace moon;
    placeFromSite(frame, apparentMoon(frame.earthAndMoon).position, moon);
    EXPECT_NEAR(moon.Ra, 134.688470, 5 * arcsecond);
    EXPECT_NEAR(moon.Decl, 13.768368, 5 * arcsecond);
    EXPECT_NEAR(length(frame.earthAndMoon.moon.position) * 149597870.7, 368409.7, 5);

    PreciseSkyModel model;
    const MoonValues values = model.placesAt(utc).moon;
    EXPECT_NEAR(values.lon, 133.167265, 5 * arcsecond);
    EXPECT_NEAR(values.lat, -3.229126, 5 * arcsecond);
}

// The Moon gains half an arc-second a second on the Sun, so a few
// arc-seconds in its place are a few seconds in the instant.
TEST(MeeusExamples, NewMoonsFoundBySearch) {
    // Example 49.a: 1977 February 18, 3h37m40s TD, found from any time of
    // that lunation.
    const double found = lastNewMoon(2443200.5);
    EXPECT_NEAR(found, 2443192.5 + (3 + 37 / 60.0 + 40 / 3600.0) / 24, 20.0 / 86400);
    EXPECT_EQ(lastNewMoon(found + 29.2), found);
    EXPECT_LT(lastNewMoon(found - 1e-5), found - 29);
    // The apparent elongation passes zero there and runs at the Moon's pace.
    const Elongation e = moonAheadOfSun(found, frameAt(2443192.5, siteOf(originalSite())).trueEcliptic);
    EXPECT_NEAR(e.degrees, 0, 0.5 * arcsecond);
    EXPECT_GT(e.degreesPerDay, 10);
    EXPECT_LT(e.degreesPerDay, 15.5);
}

}  // namespace
}  // namespace zenlith::precise
