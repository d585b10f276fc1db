#pragma once
// One event of the sky's coming months and years: what happens, when, to
// which bodies, and the figures that matter for it.
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "body_index.h"

namespace zenlith {

enum class ComingKind {
    newMoon,
    firstQuarter,
    fullMoon,
    lastQuarter,
    marchEquinox,
    juneSolstice,
    septemberEquinox,
    decemberSolstice,
    conjunction,
    opposition,
    greatestElongationEast,
    greatestElongationWest,
    retrogradeStart,
    retrogradeEnd,
    approach,
    perigee,
    apogee,
    lunarEclipse,
    solarEclipse,
};

// The groups a search is asked for; the Moon's perigee and apogee go with
// its phases.
enum class EventGroup : unsigned { phases = 1, seasons = 2, planets = 4, approaches = 8, eclipses = 16 };
inline constexpr unsigned allEventGroups = 31;
EventGroup groupOf(ComingKind kind);

// As an eclipse is seen: a lunar one anywhere the Moon is up; a solar one as
// the place sees it (none where the Moon's penumbra misses the place).
enum class EclipseKind { none, penumbral, partial, annular, total };

enum class ContactKind { penumbralBegin, partialBegin, totalBegin, annularBegin, annularEnd, totalEnd, partialEnd, penumbralEnd };

struct Contact {
    ContactKind kind = ContactKind::partialBegin;
    double julianDate = 0;         // universal time
    double altitudeDegrees = 0;    // the Sun's (solar) or the Moon's (lunar) centre, without refraction
};

struct EclipseFigures {
    EclipseKind kind = EclipseKind::none;
    // Lunar: the umbra's (the penumbra's for a penumbral eclipse) reach across
    // the Moon's diameter. Solar: the share of the Sun's diameter covered.
    double magnitude = 0;
    double obscuration = 0;        // solar: the share of the Sun's disc covered, 0..1
    double altitudeDegrees = 0;    // the Moon's (lunar) or the Sun's (solar) centre at greatest, without refraction
    bool seen = false;             // the body above the horizon at the place (lunar: at greatest; solar: at some contact)
    std::vector<Contact> contacts; // in time order
};

struct ComingEvent {
    ComingKind kind = ComingKind::newMoon;
    double julianDate = 0;         // universal time
    std::vector<BodyIndex> bodies;
    std::optional<double> separationDegrees;  // approaches
    std::optional<double> elongationDegrees;  // greatest elongations
    std::optional<double> distanceKm;         // perigee and apogee, from the Earth's centre
    std::optional<EclipseFigures> eclipse;
};

// An event with no figures yet.
inline ComingEvent eventAt(ComingKind kind, double julianDate, std::vector<BodyIndex> bodies) {
    ComingEvent event;
    event.kind = kind;
    event.julianDate = julianDate;
    event.bodies = std::move(bodies);
    return event;
}

// The names the command line and its JSON use: "fullMoon", "partialBegin", ...
std::string_view eventName(ComingKind kind);
std::string_view eclipseKindName(EclipseKind kind);
std::string_view contactName(ContactKind kind);

}  // namespace zenlith
