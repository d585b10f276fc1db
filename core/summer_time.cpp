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
