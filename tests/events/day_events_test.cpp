// The day's events against an independent library, and against the model's
// own positions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <numbers>

#include "classic_sky_model.h"
#include "day_events.h"
#include "precise_sky_model.h"
#include "reference_days.h"

namespace zenlith {
namespace {

using test::ReferenceDay;
using test::readReferenceDays;

constexpr double minute = 1.0 / 1440;
constexpr double second = 1.0 / 86400;

struct Tolerances {
    double sun, planets, moon, phases;  // days
    double degrees;                     // rise and set azimuths, culmination altitudes
};

std::optional<double> instantOf(const std::optional<HorizonEvent>& event) {
    return event ? std::optional(event->julianDate) : std::nullopt;
}

// Returns the mean difference of the Moon's culmination altitudes, degrees:
// a model's scatter averages out there, a wrong parallax does not.
double expectAgreement(SkyModel& model, const Tolerances& within) {
    const std::vector<ReferenceDay> days = readReferenceDays();
    int withoutMoonrise = 0, withoutMoonset = 0;
    double moonAltitudeDifferences = 0;
    int moonCulminations = 0;
    for (const ReferenceDay& day : days) {
        const DayEvents events = findDayEvents(model, {day.start, day.end});
        for (int body = 0; body < bodyCount; ++body) {
            const double tolerance = body == sunIndex ? within.sun : body == moonIndex ? within.moon : within.planets;
            const auto& expected = day.bodies[body];
            const BodyEvents& found = events.bodies[body];
            const std::string what = day.date + " body " + std::to_string(body);
            test::expectSameInstant(expected.rise, instantOf(found.rise), tolerance, what + " rise");
            test::expectSameInstant(expected.transit, instantOf(found.transit), tolerance, what + " culmination");
            test::expectSameInstant(expected.set, instantOf(found.set), tolerance, what + " set");
            if (found.rise && expected.rise) {
                EXPECT_NEAR(found.rise->azimuth, *expected.riseAzimuth, within.degrees) << what;
            }
            if (found.set && expected.set) {
                EXPECT_NEAR(found.set->azimuth, *expected.setAzimuth, within.degrees) << what;
            }
            if (found.transit && expected.transit) {
                EXPECT_NEAR(found.transit->altitude, *expected.transitAltitude, within.degrees) << what;
                if (body == moonIndex) {
                    moonAltitudeDifferences += found.transit->altitude - *expected.transitAltitude;
                    ++moonCulminations;
                }
            }
        }
        withoutMoonrise += !day.bodies[moonIndex].rise;
        withoutMoonset += !day.bodies[moonIndex].set;
        for (int k = 0; k < twilightCount; ++k) {
            test::expectSameInstant(day.twilights[2 * k], events.twilights[k].dawn, within.sun, day.date + " dawn");
            test::expectSameInstant(day.twilights[2 * k + 1], events.twilights[k].dusk, within.sun, day.date + " dusk");
        }
        EXPECT_EQ(events.phases.size(), day.phases.size()) << day.date;
        for (std::size_t k = 0; k < std::min(day.phases.size(), events.phases.size()); ++k) {
            EXPECT_EQ(static_cast<int>(events.phases[k].phase), static_cast<int>(k % 4)) << day.date;
            EXPECT_NEAR(events.phases[k].julianDate, day.phases[k], within.phases) << day.date << " phase " << k;
        }
    }
    // The hard days stay in the data: a day without moonrise, one without moonset.
    EXPECT_GE(withoutMoonrise, 1);
    EXPECT_GE(withoutMoonset, 1);
    return moonAltitudeDifferences / std::max(moonCulminations, 1);
}

// Astronomy Engine 2.1.19 at places from the tropics to beyond the polar
// circle (tools/reference/place_days.sh): the Sun's and the Moon's rises and
// sets and the twilights within a minute, each happening on the same days.
TEST(DayEvents, PreciseModelAgreesAtPlacesAroundTheWorld) {
    const std::pair<const char*, Place> places[] = {
        {"eilat", {"", 29.55805, 34.94821, 0, "Asia/Jerusalem"}},
        {"metula", {"", 33.2778, 35.5786, 530, "Asia/Jerusalem"}},
        {"jerusalem", {"", 31.7683, 35.2137, 754, "Asia/Jerusalem"}},
        {"new_york", {"", 40.71417, -74.00639, 10, "America/New_York"}},
        {"melbourne", {"", -37.81667, 144.96667, 31, "Australia/Melbourne"}},
        {"reykjavik", {"", 64.15, -21.85, 0, "Atlantic/Reykjavik"}},
        {"tromso", {"", 69.6496, 18.956, 0, "Europe/Oslo"}},
    };
    int polarDays = 0;
    for (const auto& [file, place] : places) {
        PreciseSkyModel model;
        model.standAt(place);
        for (const ReferenceDay& day : readReferenceDays(std::string(ZENLITH_PLACE_DAYS) + file + ".tsv")) {
            const DayEvents events = findDayEvents(model, {day.start, day.end});
            const std::string where = std::string(file) + " " + day.date;
            for (const int body : {sunIndex, moonIndex}) {
                const auto& expected = day.bodies[body];
                const BodyEvents& found = events.bodies[body];
                const std::string what = where + " body " + std::to_string(body);
                test::expectSameInstant(expected.rise, instantOf(found.rise), minute, what + " rise");
                test::expectSameInstant(expected.set, instantOf(found.set), minute, what + " set");
                EXPECT_EQ(found.upAllDay || found.downAllDay, !expected.rise && !expected.set) << what;
            }
            polarDays += events.bodies[sunIndex].upAllDay + events.bodies[sunIndex].downAllDay;
            for (int k = 0; k < twilightCount; ++k) {
                test::expectSameInstant(day.twilights[2 * k], events.twilights[k].dawn, minute, where + " dawn");
                test::expectSameInstant(day.twilights[2 * k + 1], events.twilights[k].dusk, minute, where + " dusk");
            }
        }
    }
    EXPECT_GE(polarDays, 4);  // Tromsø's midnight Sun and polar night stay in the data
}

TEST(DayEvents, ClassicModelAgreesWithAnIndependentLibrary) {
    // The classic model's Sun is good to seconds of time; its planets and Moon
    // run on mean elements without perturbations, and its phases on a Moon
    // that may be a degree or two from the true one.
    Engine engine;
    ClassicSkyModel classic(engine);
    const double moonBias = expectAgreement(classic, {0.5 * minute, 40 * minute, 12 * minute, 4 * 60 * minute, 3});
    // The parallax lowers the Moon by about 0.7° at these altitudes; taken
    // the wrong way, the mean would be off by twice that.
    EXPECT_NEAR(moonBias, 0, 0.5);
}

TEST(DayEvents, PreciseModelAgreesWithAnIndependentLibraryToTheMinute) {
    PreciseSkyModel precise;
    expectAgreement(precise, {minute, minute, minute, minute, 0.05});
}

// The altitude of the centre at which a body's upper limb meets the horizon
// under 34' of refraction (Meeus, Astronomical Algorithms, ch. 15).
double standardAltitude(int body, const SkyPlaces& places) {
    if (body == sunIndex) {
        return -0.8333;
    }
    if (body != moonIndex) {
        return -0.5667;
    }
    const double parallax = std::asin(1 / places.moon.distance) * 180 / std::numbers::pi;
    return places.moon.topocentric ? -0.2725 * parallax - 0.5667 : 0.7275 * parallax - 0.5667;
}

// Whether g changes sign (or vanishes) within a second either side of t.
template <class Quantity>
bool changesSignAround(SkyModel& model, double t, Quantity g) {
    const double before = g(model.placesAt(t - second));
    const double after = g(model.placesAt(t + second));
    return before * after <= 0;
}

TEST(DayEvents, ClassicEventsLieOnTheModelsOwnCurves) {
    Engine engine;
    ClassicSkyModel classic(engine);
    for (const ReferenceDay& day : readReferenceDays()) {
        const DayEvents events = findDayEvents(classic, {day.start, day.end});
        for (int body = 0; body < bodyCount; ++body) {
            const auto horizon = [body](const SkyPlaces& p) {
                return p.bodies[body].AltAirless - standardAltitude(body, p);
            };
            const auto meridian = [body](const SkyPlaces& p) { return std::remainder(p.bodies[body].Az - 180, 360); };
            const BodyEvents& found = events.bodies[body];
            for (const auto& event : {found.rise, found.set}) {
                EXPECT_TRUE(!event || changesSignAround(classic, event->julianDate, horizon)) << day.date << body;
            }
            EXPECT_TRUE(!found.transit || changesSignAround(classic, found.transit->julianDate, meridian))
                << day.date << body;
        }
        for (int k = 0; k < twilightCount; ++k) {
            const auto depth = [k](const SkyPlaces& p) { return p.bodies[sunIndex].AltAirless + twilightDepths[k]; };
            for (const auto& instant : {events.twilights[k].dawn, events.twilights[k].dusk}) {
                EXPECT_TRUE(!instant || changesSignAround(classic, *instant, depth)) << day.date;
            }
        }
        for (const PhaseEvent& phase : events.phases) {
            const auto beyond = [&phase](const SkyPlaces& p) {
                return std::remainder(p.moon.elongation - 90.0 * static_cast<int>(phase.phase), 360);
            };
            // The classic elongation moves in steps of the single-precision day
            // number, so the phase may sit on a step rather than between two.
            const double elongationPerSecond = 360 / 29.53 * second;
            EXPECT_TRUE(changesSignAround(classic, phase.julianDate, beyond) ||
                        std::fabs(beyond(classic.placesAt(phase.julianDate))) < elongationPerSecond)
                << day.date << " phase " << static_cast<int>(phase.phase) << " at " << std::setprecision(15) << phase.julianDate;
        }
    }
}

}  // namespace
}  // namespace zenlith
