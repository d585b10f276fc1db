#include "sky_search.h"


namespace zenlith {

namespace {

constexpr double dayStep = 1;
constexpr double second = 1.0 / 86400;
constexpr double halfMinute = 30 * second;

}  // namespace

std::vector<Zero> skyZeros(SnapshotMemo& memo, const SkySpan& span, const SkyFunction& f) {
    const TimeFunction of = [&](double t) { return f(memo.at(t)); };
    return findZeros(of, {span.from, span.to, dayStep, second});
}

std::optional<double> leastOf(const TimeFunction& g, double from, double to, double stepDays) {
    const TimeFunction change = [&](double t) { return g(t + halfMinute) - g(t - halfMinute); };
    std::optional<double> least;
    for (const Zero& zero : findZeros(change, {from, to, stepDays, second}, Crossing::upward)) {
        if (!least || g(zero.julianDate) < g(*least)) {
            least = zero.julianDate;
        }
    }
    return least;
}

Crossings crossingsAround(const TimeFunction& f, double least, double reachDays) {
    // The function runs one way on each side: one step of the search suffices.
    Crossings crossings;
    const std::vector<Zero> before = findZeros(f, {least - reachDays, least, reachDays, second}, Crossing::downward);
    const std::vector<Zero> after = findZeros(f, {least, least + reachDays, reachDays, second}, Crossing::upward);
    if (!before.empty()) {
        crossings.before = before.back().julianDate;
    }
    if (!after.empty()) {
        crossings.after = after.front().julianDate;
    }
    return crossings;
}

}  // namespace zenlith
