// From a position in the orbit to ecliptic, Earth-centred and equatorial
// coordinates. The Sun's vector is added as it stands, in astronomical units,
// whatever the unit of the radius vector: the Moon's figures rely on it.
#include <cmath>

#include "engine.h"

namespace zenlith {

void Engine::pre(double Rpre, double Nnpre, double Vpre, double Wpre, double Ipre) {
    const double r = Rpre;
    const double N = radians(Nnpre);
    const double u = radians(Vpre + Wpre);
    const double i = radians(Ipre);

    eclX = r * (std::cos(N) * std::cos(u) - std::sin(N) * std::sin(u) * std::cos(i));
    eclY = r * (std::sin(N) * std::cos(u) + std::cos(N) * std::sin(u) * std::cos(i));
    eclZ = r * std::sin(u) * std::sin(i);
    eclLon = atn2(eclX, eclY);
    Test(eclLon);
    eclLat = asin(eclZ / r);

    eclX = eclX + sunX;
    eclY = eclY + sunY;
    geoDistance = std::sqrt(eclX * eclX + eclY * eclY + eclZ * eclZ);

    const double epsilon = radians(obliquity);
    equX = eclX;
    equY = eclY * std::cos(epsilon) - eclZ * std::sin(epsilon);
    equZ = eclY * std::sin(epsilon) + eclZ * std::cos(epsilon);
    rightAscension = atn2(equX, equY);
    Test(rightAscension);
    declination = atn2(std::sqrt(equX * equX + equY * equY), equZ);
}

}  // namespace zenlith
