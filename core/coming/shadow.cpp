#include "shadow.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sky_snapshot.h"

namespace zenlith {

// The vectors' arithmetic.
using precise::operator-;
using precise::operator*;

using precise::Vector;

ShadowAt shadowAt(const Vector& sun, const Vector& caster, double casterRadiusKm, const Vector& target) {
    const Vector axis = caster - sun;
    const double sunToCasterKm = precise::length(axis) * kilometresPerAu;
    const Vector along = (1 / precise::length(axis)) * axis;
    const Vector behind = target - caster;
    const double behindAu = precise::dot(behind, along);
    const double behindKm = behindAu * kilometresPerAu;
    ShadowAt at;
    at.axisKm = precise::length(behind - behindAu * along) * kilometresPerAu;
    at.umbraKm = casterRadiusKm - behindKm * (sunRadiusKm - casterRadiusKm) / sunToCasterKm;
    at.penumbraKm = casterRadiusKm + behindKm * (sunRadiusKm + casterRadiusKm) / sunToCasterKm;
    return at;
}

double coveredShare(double sunRadius, double coverRadius, double apart) {
    const double R = sunRadius;
    const double r = coverRadius;
    const double d = apart;
    if (d >= R + r) {
        return 0;
    }
    if (d <= std::fabs(R - r)) {
        return std::min(1.0, r * r / (R * R));
    }
    // The lens where the two discs overlap.
    const double lens = r * r * std::acos(std::clamp((d * d + r * r - R * R) / (2 * d * r), -1.0, 1.0)) +
                        R * R * std::acos(std::clamp((d * d + R * R - r * r) / (2 * d * R), -1.0, 1.0)) -
                        0.5 * std::sqrt(std::max(0.0, (-d + r + R) * (d + r - R) * (d - r + R) * (d + r + R)));
    return lens / (std::numbers::pi * R * R);
}

}  // namespace zenlith
