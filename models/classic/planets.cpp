// The seven planet bodies: linear mean elements, Kepler, frames, and the
// apparent quantities (distance, diameter, phase, magnitude).
#include <cmath>

#include "engine.h"

namespace zenlith {

namespace {

struct Linear {
    double base;
    double rate;
    double at(double d) const { return base + rate * d; }
};

struct PlanetElements {
    Linear N, i, w, a, e, M;
    double diameterAt1Au;  // seconds of arc
};

const PlanetElements planetElements[] = {
    // Mercury
    {{48.3313, 3.24587E-5}, {7.0047, 5E-8}, {29.1241, 1.01444E-5}, {0.387098, 0}, {0.205635, 5.59E-10},
     {168.6562, 4.0923344368}, 6.68},
    // Venus
    {{76.6799, 2.4659E-5}, {3.3946, 2.75E-8}, {54.891, 1.3837E-5}, {0.72333, 0}, {0.006773, -1.302E-9},
     {48.0052, 1.6021302244}, 16.82},
    // Mars
    {{49.5574, 2.11081E-5}, {1.8497, -1.78E-8}, {286.5016, 2.92961E-5}, {1.523688, 0}, {0.093405, 2.516E-9},
     {18.6021, 0.5240207766}, 9.36},
    // Jupiter
    {{100.4542, 2.76854E-5}, {1.303, -1.557E-7}, {273.8777, 1.64505E-5}, {5.20256, 0}, {0.048498, 4.469E-9},
     {19.895, 0.0830853001}, 196.94},
    // Saturn
    {{113.6634, 2.3898E-5}, {2.4886, -1.081E-7}, {339.3939, 2.97661E-5}, {9.55475, 0}, {0.055546, -9.499E-9},
     {316.967, 0.0334442282}, 167.66},
    // Uranus
    {{74.0005, 1.3978E-5}, {0.7733, 1.9E-8}, {96.6612, 3.0565E-5}, {19.18171, -1.55E-8}, {0.047318, 7.45E-9},
     {142.5905, 0.011725806}, 68.56},
    // Neptune
    {{131.7806, 3.0173E-5}, {1.77, -2.55E-7}, {272.5461, -6.027E-6}, {30.05826, 3.313E-8}, {0.008606, 2.15E-9},
     {260.2471, 0.005995147}, 73.12},
};

// Apparent visual magnitude; FV is the phase angle in degrees, r and R the
// distances from the Sun and from the Earth.
double magnitude(int bodyIndex, double FV, double r, double R) {
    const double L = 5 * (std::log(r * R) / std::log(10.0));
    switch (bodyIndex) {
        case mercuryIndex:
            return 1.16 + L + 0.02838 * (FV - 50) + 0.0001023 * std::pow(FV - 50, 2);
        case venusIndex:
            return -4.0 + L + 0.01322 * FV + 4.247E-7 * std::pow(FV, 3);
        case marsIndex:
            return -1.3 + L + 0.01486 * FV;
        case jupiterIndex:
            return -8.93 + L;
        case saturnIndex:
            return -8.68 + L;
        case uranusIndex:
            return -6.85 + L;
        default:
            return -7.05 + L;
    }
}

}  // namespace

void Engine::computePlanet(int bodyIndex) {
    const PlanetElements& elements = planetElements[bodyIndex - firstPlanet];
    const double d = DayNumber;
    BodyResult& body = bodyResult[bodyIndex];

    body.Peri = elements.w.at(d);
    body.Ecc = elements.e.at(d);
    body.MeanAnom = elements.M.at(d);
    body.Node = elements.N.at(d);
    body.Incl = elements.i.at(d);
    body.SemiAxis = elements.a.at(d);

    followOrbit(body);
    body.Ra = rightAscension;
    body.Decl = declination;
    body.Lon = eclLon;
    body.Lat = eclLat;
    body.Rearth = geoDistance;

    const double r = body.Radius;
    const double R = body.Rearth;
    body.AngularDiameter = elements.diameterAt1Au / R;
    // The Sun-Earth distance is taken as exactly 1 here.
    double c = (r * r + R * R - 1) / (2 * r * R);
    body.PhaseAngle = c;
    if (c < -1) {
        c = -0.999999;
    }
    if (c > 1) {
        c = 0.999999;
    }
    body.Phase = 100 * (1 + c) / 2;
    body.PhaseAngle = acos(c);
    body.Mag = magnitude(bodyIndex, body.PhaseAngle, r, R);

    placeOnHorizon(body);
}

void Engine::computeAllBodies() {
    computeSun();
    for (int k = firstPlanet; k <= lastPlanet; ++k) {
        computePlanet(k);
    }
    computeMoon();
}

}  // namespace zenlith
