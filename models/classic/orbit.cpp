// Kepler's equation, the position in the orbital plane, and the conversion of
// right ascension and declination to altitude and azimuth at the site.
#include <cmath>

#include "engine.h"
#include "quotient_angle.h"

namespace zenlith {

namespace {
// Newton's method converges in a handful of steps for every eccentricity the
// model produces; the cap only guarantees that the loop ends.
constexpr int maxKeplerSteps = 1000;
}  // namespace

void Engine::Eccentric(double M2, double e2) {
    const double M = M2;
    const double e = e2;
    double E = M + e * radToDeg * std::sin(radians(M)) * (1 + e * std::cos(radians(M)));
    eccAnomaly = E;
    int steps = 0;
    do {
        eccAnomalyPrev = E;
        E = E - (E - e * radToDeg * std::sin(radians(E)) - M) / (1 - e * std::cos(radians(E)));
        eccAnomaly = E;
        ++steps;
        // Signed on purpose: any step that raises E ends the iteration.
    } while ((eccAnomalyPrev - E) > 0.005 && steps < maxKeplerSteps);
}

void Engine::Anomaly(double e22, double e3, double aa) {
    const double E = radians(e22);
    orbitX = aa * (std::cos(E) - e3);
    orbitY = aa * std::sqrt(1 - e3 * e3) * std::sin(E);
    trueAnomaly = atn2(orbitX, orbitY);
    Test(trueAnomaly);
    orbitRadius = std::sqrt(orbitX * orbitX + orbitY * orbitY);
}

void Engine::Position(double RR, double DE) {
    double H = siderealTime - RR;
    if (H < 0) {
        H = H - 360 * std::floor(H / 360);
    }
    hourAngle = H;

    const double phi = radians(siteLatitude);
    const double delta = radians(DE);
    const double h = radians(H);
    sinAlt = std::sin(delta) * std::sin(phi) + std::cos(delta) * std::cos(phi) * std::cos(h);
    // Rounding may carry the sine a hair past 1; the zenith and nadir are
    // exactly +-90 rather than a division by zero.
    const double s = std::fmax(-1.0, std::fmin(1.0, sinAlt));
    altitude = std::fabs(s) == 1 ? 90 * s : radToDeg * std::atan(s / std::sqrt(1 - s * s));

    double A = 180 + radToDeg * arctanOfQuotient(std::sin(h), std::sin(phi) * std::cos(h) -
                                                                  std::cos(phi) * std::tan(delta));
    Test(A);
    azimuthRef = 180 + H;
    Test(azimuthRef);
    if (azimuthRef - A > 90) {
        A = A - 180;
    }
    if (azimuthRef - A < -90) {
        A = A + 180;
    }
    Test(A);
    azimuth = A;
}

void Engine::followOrbit(BodyResult& body) {
    Test(body.MeanAnom);
    Test(body.Peri);
    Test(body.Node);
    Eccentric(body.MeanAnom, body.Ecc);
    body.EccAnom = eccAnomaly;
    Anomaly(body.EccAnom, body.Ecc, body.SemiAxis);
    body.TrueAnom = trueAnomaly;
    body.Radius = orbitRadius;
    pre(body.Radius, body.Node, body.TrueAnom, body.Peri, body.Incl);
}

void Engine::placeOnHorizon(BodyResult& body) {
    Position(body.Ra, body.Decl);
    body.Alt = altitude;
    body.Az = azimuth;
}

}  // namespace zenlith
