#pragma once
// One entry of the result table. The chart and the report read Ra, Decl, Alt,
// Az of every body and the apparent quantities of the planet bodies; the
// remaining fields are the orbital intermediates, kept for inspection.
#include "body_index.h"

namespace zenlith {

struct BodyResult {
    double Ra = 0;               // degrees, 0..360
    double Decl = 0;             // degrees
    double Alt = 0;              // degrees above the horizon
    double Az = 0;               // degrees from north through east
    double Node = 0;             // longitude of the ascending node
    double Incl = 0;             // inclination
    double Peri = 0;             // argument of perihelion
    double SemiAxis = 0;         // AU (Moon: Earth radii)
    double Ecc = 0;              // eccentricity
    double MeanAnom = 0;
    double EccAnom = 0;
    double TrueAnom = 0;
    double Radius = 0;           // radius vector, AU (Moon: Earth radii)
    double Rearth = 0;           // AU from the Earth
    double AngularDiameter = 0;  // seconds of arc
    double PhaseAngle = 0;       // degrees (briefly its cosine)
    double Phase = 0;            // percent illuminated
    double Mag = 0;
    double Lon = 0;              // heliocentric ecliptic longitude
    double Lat = 0;              // heliocentric ecliptic latitude
};

}  // namespace zenlith
