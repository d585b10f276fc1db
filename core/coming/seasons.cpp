#include "seasons.h"

namespace zenlith {

std::vector<ComingEvent> findSeasons(SnapshotMemo& memo, const SkySpan& span) {
    std::vector<ComingEvent> events;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double target = 90.0 * quarter;
        const SkyFunction past = [target](const SkySnapshot& sky) {
            return wrappedDegrees(eclipticLongitude(sky, sunIndex) - target);
        };
        // Crossing upward is the passage; the downward jump half a year away is the wrap.
        for (const Zero& zero : skyZeros(memo, span, past)) {
            if (zero.crossing == Crossing::upward) {
                const auto kind = static_cast<ComingKind>(static_cast<int>(ComingKind::marchEquinox) + quarter);
                events.push_back(eventAt(kind, zero.julianDate, {sunIndex}));
            }
        }
    }
    return events;
}

}  // namespace zenlith
