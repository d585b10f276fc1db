// Angle procedures shared by every step of the engine, and the display cut.
#include <cmath>

#include "engine.h"

namespace zenlith {

namespace {
// Beyond this many turns repeated stepping would take too long; fold with an
// exact remainder first. Ordinary angles never come near it.
constexpr double foldByRemainderBeyond = 360.0 * 4096;
}  // namespace

void Engine::setConstants() {
    pi = 3.14159265358979;
    radToDeg = 180 / pi;
    siteLatitude = 32;
    siteLongitude = -35;
}

void Engine::Test(double& tst) const {
    if (!std::isfinite(tst)) {
        return;  // stepping would never end
    }
    if (std::fabs(tst) > foldByRemainderBeyond) {
        tst = std::fmod(tst, 360.0);
    }
    // Repeated steps, not a remainder: the rounding of the result is that of
    // the steps, and exactly 360 stays 360.
    while (tst < 0) {
        tst += 360;
    }
    while (tst > 360) {
        tst -= 360;
    }
}

double Engine::asin(double xx) const {
    // Rounding in a caller may step just outside -1..1: clamp, never fail.
    if (xx >= 1) {
        return 90;
    }
    if (xx <= -1) {
        return -90;
    }
    return radToDeg * std::atan(xx / std::sqrt(1 - xx * xx));
}

double Engine::acos(double xxx) const { return 90 - asin(xxx); }

double Engine::atn2(double x1, double y1) const {
    if (x1 == 0) {
        return y1 > 0 ? 90 : -90;
    }
    const double principal = radToDeg * std::atan(y1 / x1);
    if (x1 > 0) {
        return principal;
    }
    return y1 >= 0 ? principal + 180 : principal - 180;
}

void Engine::ret(double ind) {
    // Floor, not truncation: negative values move down to the next hundredth.
    const double whole = std::floor(ind);
    const double fraction = ind - whole;
    retValue = whole + std::floor(100 * fraction) / 100;
}

}  // namespace zenlith
