#include "coming_events.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "approaches.h"
#include "eclipses.h"
#include "moon_events.h"
#include "planet_events.h"
#include "precise_sky_model.h"
#include "seasons.h"

namespace zenlith {

namespace {

// The snapshots of a year are kept while it is searched, and no longer.
constexpr double pieceDays = 366;

bool wanted(unsigned groups, EventGroup group) { return (groups & static_cast<unsigned>(group)) != 0; }

void addMoonsMonths(const Place& place, const SkySpan& span, unsigned groups, std::vector<ComingEvent>& events) {
    PreciseSkyModel model;
    PlacesMemo places(model);
    for (const PhaseEvent& phase : phasesIn(places, span)) {
        if (wanted(groups, EventGroup::phases)) {
            events.push_back(phaseEvent(phase));
        }
        if (!wanted(groups, EventGroup::eclipses)) {
            continue;
        }
        std::optional<ComingEvent> eclipse;
        if (phase.phase == MoonPhase::fullMoon) {
            eclipse = lunarEclipseNear(place, phase.julianDate);
        } else if (phase.phase == MoonPhase::newMoon) {
            eclipse = solarEclipseNear(place, phase.julianDate);
        }
        if (eclipse) {
            events.push_back(*eclipse);
        }
    }
}

std::vector<ComingEvent> eventsOfPiece(const Place& place, const SkySpan& span, unsigned groups) {
    std::vector<ComingEvent> events;
    if (wanted(groups, EventGroup::phases) || wanted(groups, EventGroup::eclipses)) {
        addMoonsMonths(place, span, groups, events);
    }
    SnapshotMemo memo;
    const auto add = [&events](std::vector<ComingEvent> more) { events.insert(events.end(), more.begin(), more.end()); };
    if (wanted(groups, EventGroup::phases)) {
        add(findApsides(memo, span));
    }
    if (wanted(groups, EventGroup::seasons)) {
        add(findSeasons(memo, span));
    }
    if (wanted(groups, EventGroup::planets)) {
        add(findPlanetEvents(memo, span));
    }
    if (wanted(groups, EventGroup::approaches)) {
        add(findApproaches(memo, span));
    }
    return events;
}

}  // namespace

std::vector<ComingEvent> findComingEvents(const Place& place, const ComingSpan& span, int threads) {
    std::vector<SkySpan> pieces;
    for (double from = span.from; from < span.to; from += pieceDays) {
        pieces.push_back({from, std::min(span.to, from + pieceDays)});
    }
    std::vector<std::vector<ComingEvent>> found(pieces.size());
    std::atomic<std::size_t> next = 0;
    const auto work = [&] {
        for (std::size_t k = next++; k < pieces.size(); k = next++) {
            found[k] = eventsOfPiece(place, pieces[k], span.groups);
        }
    };
    std::vector<std::jthread> workers;
    for (int n = 1; n < threads; ++n) {
        workers.emplace_back(work);
    }
    work();
    workers.clear();

    std::vector<ComingEvent> events;
    for (const std::vector<ComingEvent>& piece : found) {
        for (const ComingEvent& event : piece) {
            // An eclipse's greatest may fall a little outside the month that brought it.
            if (event.julianDate >= span.from && event.julianDate < span.to) {
                events.push_back(event);
            }
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ComingEvent& a, const ComingEvent& b) { return a.julianDate < b.julianDate; });
    return events;
}

}  // namespace zenlith
