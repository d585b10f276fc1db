#pragma once
// What a sky model tells about one instant: the figures the report shows and
// the chart places, for every body, and the Moon's own values.
#include <array>

#include "body_index.h"

namespace zenlith {

struct BodyPlace {
    double Ra = 0;          // right ascension, degrees 0..360
    double Decl = 0;        // declination, degrees
    double Alt = 0;         // altitude as shown, degrees (refracted where the model refracts)
    double AltAirless = 0;  // altitude without refraction, degrees
    double Az = 0;          // azimuth from north through east, degrees
    // Mercury to Neptune only:
    double Rearth = 0;           // distance from the Earth, AU
    double AngularDiameter = 0;  // seconds of arc
    double Phase = 0;            // percent illuminated
    double Mag = 0;              // visual magnitude
    double Lon = 0;              // heliocentric ecliptic longitude, degrees
    double Lat = 0;              // heliocentric ecliptic latitude, degrees
};

struct MoonValues {
    double lon = 0;           // geocentric ecliptic longitude, degrees
    double lat = 0;           // geocentric ecliptic latitude, degrees
    double elongation = 0;    // lon minus the Sun's geocentric ecliptic longitude, degrees 0..360
    double age = 0;           // days since the last new Moon
    double illumination = 0;  // percent
    double distance = 0;      // from the Earth's centre, Earth radii
    // Whether the Moon's Alt, AltAirless and Az are seen from the site (with
    // parallax) rather than from the Earth's centre; rises and sets need to know.
    bool topocentric = false;
};

struct SkyPlaces {
    std::array<BodyPlace, bodyCount> bodies{};
    MoonValues moon;
};

}  // namespace zenlith
