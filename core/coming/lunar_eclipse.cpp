#include <array>

#include "delta_t.h"
#include "earth_and_moon.h"
#include "eclipses.h"
#include "horizon.h"
#include "observer.h"
#include "shadow.h"
#include "sky_search.h"
#include "place.h"
#include "site.h"

namespace zenlith {

// The vectors' arithmetic.
using precise::operator-;
using precise::operator*;

namespace {

// The atmosphere darkens the shadow beyond the solid Earth: an 88 km layer
// over the mean radius widens it by 1.4 %, about as Danjon's rule does.
constexpr double shadowRadiusKm = 6371 + 88;
constexpr double searchDays = 0.5;  // the greatest eclipse lies within hours of the full Moon
constexpr double reachDays = 0.25;  // the penumbral phase lasts at most about six hours

ShadowAt earthShadowAt(double julianDate) {
    const precise::EarthAndMoon em = precise::earthAndMoonAt(precise::terrestrialTime(julianDate));
    return shadowAt(-1 * em.earth.position, {0, 0, 0}, shadowRadiusKm, em.moon.position);
}

double moonAltitude(const Place& place, double julianDate) {
    const precise::InstantFrame frame = precise::frameAt(julianDate, precise::siteOf(originalSite()));
    const precise::Vector moon = precise::apparentMoon(frame.earthAndMoon).position;
    return precise::airlessAltitude(frame, place, precise::seenFrom(frame, place, moon));
}

// The Moon's limb meets an edge of the shadow: its centre a radius outside
// the edge (first and last touch) or inside it (wholly within).
struct Edge {
    ContactKind begin;
    ContactKind end;
    bool umbra;
    double limbSign;
};
constexpr std::array<Edge, 3> edges = {Edge{ContactKind::penumbralBegin, ContactKind::penumbralEnd, false, 1},
                                       Edge{ContactKind::partialBegin, ContactKind::partialEnd, true, 1},
                                       Edge{ContactKind::totalBegin, ContactKind::totalEnd, true, -1}};

double edgeKm(const Edge& edge, const ShadowAt& s) {
    return (edge.umbra ? s.umbraKm : s.penumbraKm) + edge.limbSign * moonRadiusKm;
}

EclipseKind kindAt(const ShadowAt& s) {
    if (s.axisKm < edgeKm(edges[2], s)) {
        return EclipseKind::total;
    }
    if (s.axisKm < edgeKm(edges[1], s)) {
        return EclipseKind::partial;
    }
    return s.axisKm < edgeKm(edges[0], s) ? EclipseKind::penumbral : EclipseKind::none;
}

std::vector<Contact> contactsAround(const Place& place, double greatest, EclipseKind kind) {
    std::vector<Contact> before;
    std::vector<Contact> after;
    const int reached = kind == EclipseKind::total ? 3 : kind == EclipseKind::partial ? 2 : 1;
    for (int k = 0; k < reached; ++k) {
        const Edge& edge = edges[k];
        const TimeFunction outside = [&](double t) {
            const ShadowAt s = earthShadowAt(t);
            return s.axisKm - edgeKm(edge, s);
        };
        const Crossings at = crossingsAround(outside, greatest, reachDays);
        if (at.before && at.after) {
            // From the outer edge inwards: first in, last out.
            before.push_back({edge.begin, *at.before, moonAltitude(place, *at.before)});
            after.insert(after.begin(), {edge.end, *at.after, moonAltitude(place, *at.after)});
        }
    }
    before.insert(before.end(), after.begin(), after.end());
    return before;
}

}  // namespace

std::optional<ComingEvent> lunarEclipseNear(const Place& place, double fullMoon) {
    const TimeFunction fromAxis = [](double t) { return earthShadowAt(t).axisKm; };
    const std::optional<double> greatest = leastOf(fromAxis, fullMoon - searchDays, fullMoon + searchDays, searchDays / 2);
    if (!greatest) {
        return std::nullopt;
    }
    const ShadowAt s = earthShadowAt(*greatest);
    EclipseFigures figures;
    figures.kind = kindAt(s);
    if (figures.kind == EclipseKind::none) {
        return std::nullopt;
    }
    const Edge& reach = figures.kind == EclipseKind::penumbral ? edges[0] : edges[1];
    figures.magnitude = (edgeKm(reach, s) - s.axisKm) / (2 * moonRadiusKm);
    figures.altitudeDegrees = moonAltitude(place, *greatest);
    figures.seen = figures.altitudeDegrees > -standardRefraction;
    figures.contacts = contactsAround(place, *greatest, figures.kind);
    ComingEvent event = eventAt(ComingKind::lunarEclipse, *greatest, {moonIndex});
    event.eclipse = figures;
    return event;
}

}  // namespace zenlith
