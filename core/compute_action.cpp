#include "compute_action.h"

#include <cmath>

#include "field_cells.h"
#include "messages.h"
#include "reading_rule.h"
#include "report.h"

namespace zenlith {

namespace {

// The year field accepts whole numbers strictly between these.
constexpr float yearFieldLimit = 9999;

Refusal wrongValue(std::string_view prompt) { return {prompt, messages::wrongValueTitle}; }

struct ReadFields {
    CivilInstant instant;
    std::optional<Refusal> refusal;
};

// Reads the fields in the action's order. A value that its cell cannot hold
// is refused with that field's own message instead of overflowing.
ReadFields readFields(const FieldTexts& fields) {
    ReadFields read;
    CivilInstant& in = read.instant;
    auto single = [&read](const std::string& text, float& cell, std::string_view prompt) {
        const std::optional<float> value = toSingleCell(readNumber(text));
        if (!read.refusal && !value) {
            read.refusal = wrongValue(prompt);
        }
        cell = value.value_or(0);
    };
    single(fields.year, in.year, messages::yearPrompt);
    single(fields.month, in.month, messages::monthPrompt);
    single(fields.hour, in.hour, messages::hourPrompt);
    const std::optional<std::int16_t> minute = toInt16Cell(readNumber(fields.minute));
    if (!read.refusal && !minute) {
        read.refusal = wrongValue(messages::minutePrompt);
    }
    in.minute = minute.value_or(0);
    single(fields.day, in.day, messages::dayPrompt);
    in.summerTime = fields.summerTime;
    return read;
}

bool dateDoesNotExist(const CivilInstant& in) {
    const float m = in.month;
    if (in.day == 31 && (m == 2 || m == 4 || m == 6 || m == 9 || m == 11)) {
        return true;
    }
    if (in.day == 30 && m == 2) {
        return true;
    }
    return in.day == 29 && m == 2 && !Engine::isLeapYear(in.year);
}

// The calendar keeps the day of the year and the century in 16-bit cells;
// the field that carries the value out of range is named.
Refusal calendarOverflowRefusal(CalendarOverflow overflow, const CivilInstant& entered) {
    if (overflow == CalendarOverflow::century) {
        return wrongValue(messages::yearPrompt);
    }
    const bool monthInRange = entered.month >= 1 && entered.month <= 12;
    return wrongValue(monthInRange ? messages::dayPrompt : messages::monthPrompt);
}

std::optional<Refusal> beyondModel(const SkyModel& model, const Engine& engine, const CivilInstant& entered) {
    if (model.covers(engine.julianDate)) {
        return std::nullopt;
    }
    if (model.kind() == ModelKind::precise) {
        return wrongValue(messages::beyondPreciseModel);
    }
    // Only the year and the hour can carry the instant beyond the classic model.
    const bool yearInRange = std::fabs(entered.year) < yearFieldLimit;
    return wrongValue(yearInRange ? messages::hourPrompt : messages::yearPrompt);
}

ComputedSky describeSky(const Engine& engine, ModelKind model, const SkyPlaces& places,
                        std::string_view decimalSeparator) {
    ComputedSky sky;
    sky.julianDate = engine.julianDate;
    sky.dayNumber = engine.DayNumber;
    sky.sky = skyColourFor(places.bodies[sunIndex].Alt);
    for (std::size_t n = 0; n < markerTable.size(); ++n) {
        const BodyPlace& body = places.bodies[markerTable[n].bodyIndex];
        sky.markers[n] = placeMarker(markerTable[n], body.Alt, body.Az);
    }
    sky.moonPhase = moonPhaseFor(places.moon.age, places.moon.illumination);
    sky.text6 = engine.leapText + engine.weekdayText + engine.dayOfYearText;
    sky.model = model;
    sky.places = places;
    sky.report = buildReport(places, model, decimalSeparator);
    return sky;
}

}  // namespace

PlacementOutcome placeBodies(Engine& engine, SkyModel& model, const FieldTexts& fields) {
    engine.setConstants();
    ReadFields read = readFields(fields);
    if (read.refusal) {
        return *read.refusal;
    }
    const CivilInstant entered = read.instant;
    if (dateDoesNotExist(entered)) {
        return wrongValue(messages::dateDoesNotExist);
    }
    CivilInstant shifted = entered;
    if (const CalendarOverflow overflow = engine.convertCalendar(shifted); overflow != CalendarOverflow::none) {
        return calendarOverflowRefusal(overflow, entered);
    }
    if (entered.year == 0 || entered.month == 0 || entered.day == 0) {
        return Refusal{messages::noDateEntered, messages::missingValueTitle};
    }
    engine.formDayNumber();
    if (const auto refusal = beyondModel(model, engine, entered)) {
        return *refusal;
    }
    return PlacedSky{engine.julianDate, model.kind(), model.placesAt(engine.julianDate)};
}

ComputeOutcome runComputeAction(Engine& engine, SkyModel& model, const FieldTexts& fields,
                                std::string_view decimalSeparator) {
    PlacementOutcome placed = placeBodies(engine, model, fields);
    if (const auto* refusal = std::get_if<Refusal>(&placed)) {
        return *refusal;
    }
    const PlacedSky& sky = std::get<PlacedSky>(placed);
    return describeSky(engine, sky.model, sky.places, decimalSeparator);
}

}  // namespace zenlith
