#include "time_search.h"

#include <algorithm>
#include <cmath>

namespace zenlith {

namespace {

// False position converges in a handful of steps on the smooth functions of
// the sky; the halving after that many keeps a step-shaped function finite.
constexpr int falsePositionSteps = 12;
constexpr int maxSteps = 80;

struct Bracket {
    double t0, f0, t1, f1;
};

double refine(const TimeFunction& f, Bracket b, double tolerance) {
    int side = 0;  // which end the last two steps kept, for the Illinois halving
    const double slope = (b.f1 - b.f0) / (b.t1 - b.t0);
    for (int n = 0; n < maxSteps && b.t1 - b.t0 > tolerance; ++n) {
        double t = n < falsePositionSteps ? b.t0 - b.f0 * (b.t1 - b.t0) / (b.f1 - b.f0) : (b.t0 + b.t1) / 2;
        if (!(t > b.t0 && t < b.t1)) {
            t = (b.t0 + b.t1) / 2;
        }
        const double ft = f(t);
        // Over a sample step the function is all but straight: once its
        // slope there puts the zero within the tolerance, it is found. The
        // slope of the first bracket, not the current one, so that a step
        // in the function is not taken for a steep stretch.
        if (ft == 0 || std::fabs(ft / slope) < tolerance / 2) {
            return t;
        }
        if ((ft < 0) == (b.f0 < 0)) {
            b.t0 = t;
            b.f0 = ft;
            if (side == -1) {
                b.f1 /= 2;
            }
            side = -1;
        } else {
            b.t1 = t;
            b.f1 = ft;
            if (side == 1) {
                b.f0 /= 2;
            }
            side = 1;
        }
    }
    return (b.t0 + b.t1) / 2;
}

}  // namespace

std::vector<Zero> findZeros(const TimeFunction& f, const SearchSpan& span) {
    std::vector<Zero> zeros;
    if (!(span.step > 0) || !(span.end > span.start) || !(span.tolerance > 0)) {
        return zeros;
    }
    const auto samples = static_cast<int>(std::ceil((span.end - span.start) / span.step));
    double t0 = span.start;
    double f0 = f(t0);
    for (int k = 1; k <= samples; ++k) {
        const double t1 = k == samples ? span.end : span.start + k * span.step;
        const double f1 = f(t1);
        if (f0 == 0) {
            zeros.push_back({t0, f1 > 0 ? Crossing::upward : Crossing::downward});
        } else if (f1 != 0 && (f0 < 0) != (f1 < 0)) {
            zeros.push_back({refine(f, {t0, f0, t1, f1}, span.tolerance),
                             f1 > 0 ? Crossing::upward : Crossing::downward});
        }
        t0 = t1;
        f0 = f1;
    }
    return zeros;
}

std::vector<Zero> findZeros(const TimeFunction& f, const SearchSpan& span, Crossing only) {
    std::vector<Zero> zeros = findZeros(f, span);
    std::erase_if(zeros, [only](const Zero& zero) { return zero.crossing != only; });
    return zeros;
}

}  // namespace zenlith
