// Angle procedures shared by every step of the engine, and the display cut.
#include <cmath>

#include "display_cut.h"
#include "engine.h"

namespace zenlith {

void Engine::setConstants() {
    pi = 3.14159265358979;
    radToDeg = 180 / pi;
    siteLatitude = site.latitudeDegrees;
    siteLongitude = -site.longitudeDegrees;
}

void Engine::Test(double& tst) const {
    if (!std::isfinite(tst)) {
        return;  // stepping would never end
    }
    // The result of repeated steps of 360 (exactly 360 stays 360, exactly 0
    // stays 0), reached by one exact remainder instead of thousands of steps
    // for far-off dates, whose mean anomalies run to millions of degrees.
    // Below 2^56 every step of 360 is exact, so the two agree to the bit; above
    // it the steps would never end.
    if (tst < 0) {
        const double below = std::fmod(tst, 360.0);  // exact, in (-360, 0]
        tst = below == 0 ? 0.0 : below + 360;       // rounds as the last step does
    } else if (tst > 360) {
        const double above = std::fmod(tst, 360.0);
        tst = above == 0 ? 360.0 : above;
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

void Engine::ret(double ind) { retValue = cutToHundredths(ind); }

}  // namespace zenlith
