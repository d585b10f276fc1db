#include <cmath>

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

constexpr double searchDays = 0.5;  // the shadow passes the Earth within hours of the new Moon
constexpr double localDays = 0.2;   // and crosses it within about six hours

ShadowAt moonShadowAt(double julianDate) {
    const precise::EarthAndMoon em = precise::earthAndMoonAt(precise::terrestrialTime(julianDate));
    return shadowAt(-1 * em.earth.position, em.moon.position, moonRadiusKm, {0, 0, 0});
}

// The Sun and the Moon as the place sees them, angles in radians.
struct Discs {
    double apart = 0;
    double sunRadius = 0;
    double moonRadius = 0;
    double sunAltitudeDegrees = 0;
};

Discs discsAt(const Place& place, double julianDate) {
    const precise::InstantFrame frame = precise::frameAt(julianDate, precise::siteOf(originalSite()));
    const precise::Vector sun = precise::seenFrom(frame, place, precise::apparentSun(frame.earthAndMoon));
    const precise::Vector moon = precise::seenFrom(frame, place, precise::apparentMoon(frame.earthAndMoon).position);
    const double sunKm = precise::length(sun) * kilometresPerAu;
    const double moonKm = precise::length(moon) * kilometresPerAu;
    const double cosApart = precise::dot(sun, moon) / (precise::length(sun) * precise::length(moon));
    return {std::acos(std::fmax(-1.0, std::fmin(1.0, cosApart))), std::asin(sunRadiusKm / sunKm),
            std::asin(moonRadiusKm / moonKm), precise::airlessAltitude(frame, place, sun)};
}

void addContacts(const Place& place, double greatest, bool central, EclipseFigures& figures) {
    const auto limbsApart = [&place](bool inner) {
        return [&place, inner](double t) {
            const Discs d = discsAt(place, t);
            return d.apart - (inner ? std::fabs(d.sunRadius - d.moonRadius) : d.sunRadius + d.moonRadius);
        };
    };
    const Crossings outer = crossingsAround(limbsApart(false), greatest, localDays);
    const Crossings inner = central ? crossingsAround(limbsApart(true), greatest, localDays) : Crossings{};
    const bool total = figures.kind == EclipseKind::total;
    const auto add = [&](std::optional<double> t, ContactKind kind) {
        if (t) {
            figures.contacts.push_back({kind, *t, discsAt(place, *t).sunAltitudeDegrees});
        }
    };
    add(outer.before, ContactKind::partialBegin);
    add(inner.before, total ? ContactKind::totalBegin : ContactKind::annularBegin);
    add(inner.after, total ? ContactKind::totalEnd : ContactKind::annularEnd);
    add(outer.after, ContactKind::partialEnd);
}

// At the place, if its Sun is eclipsed while above the horizon.
std::optional<ComingEvent> seenFromPlace(const Place& place, double globalGreatest) {
    const TimeFunction apart = [&place](double t) { return discsAt(place, t).apart; };
    const std::optional<double> greatest = leastOf(apart, globalGreatest - localDays, globalGreatest + localDays, localDays / 4);
    if (!greatest) {
        return std::nullopt;
    }
    const Discs d = discsAt(place, *greatest);
    if (d.apart >= d.sunRadius + d.moonRadius) {
        return std::nullopt;
    }
    EclipseFigures figures;
    const bool central = d.apart < std::fabs(d.sunRadius - d.moonRadius);
    figures.kind = !central ? EclipseKind::partial
                   : d.moonRadius > d.sunRadius ? EclipseKind::total
                                                : EclipseKind::annular;
    figures.magnitude = (d.sunRadius + d.moonRadius - d.apart) / (2 * d.sunRadius);
    figures.obscuration = coveredShare(d.sunRadius, d.moonRadius, d.apart);
    figures.altitudeDegrees = d.sunAltitudeDegrees;
    addContacts(place, *greatest, central, figures);
    figures.seen = figures.altitudeDegrees > sunRiseAltitude;
    for (const Contact& contact : figures.contacts) {
        figures.seen = figures.seen || contact.altitudeDegrees > sunRiseAltitude;
    }
    if (!figures.seen) {
        return std::nullopt;  // only through the Earth: not an eclipse of this place
    }
    ComingEvent event = eventAt(ComingKind::solarEclipse, *greatest, {sunIndex, moonIndex});
    event.eclipse = figures;
    return event;
}

}  // namespace

std::optional<ComingEvent> solarEclipseNear(const Place& place, double newMoon) {
    const TimeFunction fromAxis = [](double t) { return moonShadowAt(t).axisKm; };
    const std::optional<double> greatest = leastOf(fromAxis, newMoon - searchDays, newMoon + searchDays, searchDays / 2);
    if (!greatest) {
        return std::nullopt;
    }
    const ShadowAt s = moonShadowAt(*greatest);
    if (s.axisKm >= s.penumbraKm + earthRadiusKm) {
        return std::nullopt;
    }
    if (std::optional<ComingEvent> local = seenFromPlace(place, *greatest)) {
        return local;
    }
    ComingEvent unseen = eventAt(ComingKind::solarEclipse, *greatest, {sunIndex, moonIndex});
    unseen.eclipse = EclipseFigures{};
    return unseen;
}

}  // namespace zenlith
