#include "summer_time.h"

namespace zenlith {

namespace {

constexpr double secondsPerDay = 86400;

struct Reading {
    double instant = 0;    // universal time
    bool skipped = false;  // the reading falls in an hour the clock jumped over
};

// A local reading L stands for the instant L - offset when the clock shows
// that offset then. The offsets in force half a day before and after cover
// every reading near a change; a reading that neither gives lies in a skipped
// hour and is read on the earlier offset.
Reading readLocal(const ClockRules& rules, double localReading) {
    const int before = rules.offsetSecondsAt(localReading - 0.5);
    const int after = rules.offsetSecondsAt(localReading + 0.5);
    auto fits = [&](int offset) { return rules.offsetSecondsAt(localReading - offset / secondsPerDay) == offset; };
    const bool beforeFits = fits(before);
    const bool afterFits = fits(after);
    if (beforeFits && afterFits) {
        // A repeated hour: the first pass, on the larger offset.
        return {localReading - (before > after ? before : after) / secondsPerDay, false};
    }
    if (afterFits) {
        return {localReading - after / secondsPerDay, false};
    }
    return {localReading - before / secondsPerDay, !beforeFits};
}

}  // namespace

LocalTime localTimeOf(const ClockRules& rules, double julianDate) {
    const double reading = julianDate + rules.offsetSecondsAt(julianDate) / secondsPerDay;
    return {civilDateTimeOf(reading), rules.isSummerTimeAt(julianDate), reading};
}

double universalTimeOf(const ClockRules& rules, const CivilDateTime& local, bool summer) {
    // Readings and the clock's changes fall on whole seconds: the rules are
    // asked a little after the instant, which a rounding error may put just
    // short of a change.
    constexpr double tenthOfSecond = 0.1 / secondsPerDay;
    const double reading = julianDateOf(local);
    for (const double offsetDay : {-0.5, 0.5}) {
        const int offset = rules.offsetSecondsAt(reading + offsetDay);
        const double instant = reading - offset / secondsPerDay;
        const double asked = instant + tenthOfSecond;
        if (rules.offsetSecondsAt(asked) == offset && rules.isSummerTimeAt(asked) == summer) {
            return instant;
        }
    }
    const double byRules = universalTimeOfReading(rules, reading);
    const int claimedHours = (summer ? 1 : 0) - (rules.isSummerTimeAt(byRules) ? 1 : 0);
    return byRules - claimedHours / 24.0;
}

double universalTimeOfReading(const ClockRules& rules, double localReading) {
    return readLocal(rules, localReading).instant;
}

std::optional<double> universalTimeOf(const ClockRules& rules, const CivilDateTime& local) {
    if (!isValidCivilDateTime(local)) {
        return std::nullopt;
    }
    return universalTimeOfReading(rules, julianDateOf(local));
}

std::optional<bool> summerTimeAt(const ClockRules& rules, const CivilDateTime& local) {
    if (!isValidCivilDateTime(local)) {
        return std::nullopt;
    }
    const double reading = julianDateOf(local);
    const Reading read = readLocal(rules, reading);
    // A skipped hour is read as the clock before the jump reads it.
    return rules.isSummerTimeAt(read.skipped ? reading - 0.5 : read.instant);
}

}  // namespace zenlith
