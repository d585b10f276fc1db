// The Moon: the planet pipeline with mean elements about the Earth, then its
// elongation from the Sun, age and illuminated fraction.
#include <cmath>

#include "engine.h"

namespace zenlith {

void Engine::computeMoon() {
    const double d = DayNumber;
    BodyResult& moon = bodyResult[moonIndex];

    moon.Peri = 318.0634 + 0.1643573223 * d;
    moon.Ecc = 0.0549;
    moon.MeanAnom = 115.3654 + 13.0649929509 * d;
    moon.SemiAxis = 60.2666;
    moon.Node = 125.1228 - 0.0529538083 * d;
    moon.Incl = 5.1454;

    followOrbit(moon);
    moonLon = eclLon;
    moonLat = eclLat;
    moon.Decl = declination;
    moon.Ra = rightAscension;
    placeOnHorizon(moon);
    Test(moon.Az);

    moonElongation = moonLon - sunLon;
    Test(moonElongation);
    moonAge = moonElongation / 12.9;
    moonIllumination = (1 - std::cos(radians(moonElongation))) / 2 * 100;
}

}  // namespace zenlith
