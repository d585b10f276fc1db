#include "day_sheet_json.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "hebrew_date_text.h"
#include "local_time.h"

namespace zenlith {

namespace {

constexpr std::array<std::string_view, bodyCount> bodyNames = {
    "sun", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "moon",
};
constexpr std::array<std::string_view, 4> phaseNames = {"new", "firstQuarter", "full", "lastQuarter"};
constexpr std::array<std::string_view, twilightCount> twilightNames = {"civil", "nautical", "astronomical"};
constexpr std::array<std::string_view, 3> horizonKindNames = {"rise", "transit", "set"};

// The texts written here are the program's own: Hebrew letters, digits and
// punctuation that JSON strings take as they are.
class EventsWriter {
public:
    EventsWriter(std::string& out, const ClockRules& rules) : out_(out), rules_(rules) {}

    void key(std::string_view name) {
        out_ += '"';
        out_ += name;
        out_ += "\":";
    }
    void text(std::string_view value) {
        out_ += '"';
        out_ += value;
        out_ += '"';
    }
    void clock(const std::optional<double>& julianDate) {
        if (julianDate) {
            text(isoTimeText(rules_, *julianDate));
        } else {
            out_ += "null";
        }
    }
    void degrees(const std::optional<double>& value) {
        char number[32];
        std::snprintf(number, sizeof number, "%.2f", value.value_or(0));
        out_ += value ? number : "null";
    }
    void raw(std::string_view text) { out_ += text; }

private:
    std::string& out_;
    const ClockRules& rules_;
};

std::optional<double> instantOf(const std::optional<HorizonEvent>& e) {
    return e ? std::optional(e->julianDate) : std::nullopt;
}
std::optional<double> azimuthOf(const std::optional<HorizonEvent>& e) {
    return e ? std::optional(e->azimuth) : std::nullopt;
}
std::optional<double> altitudeOf(const std::optional<HorizonEvent>& e) {
    return e ? std::optional(e->altitude) : std::nullopt;
}

void writeBody(EventsWriter& json, int body, const BodyEvents& events) {
    json.raw("{");
    json.key("name");
    json.text(bodyNames[body]);
    json.raw(",");
    json.key("rise");
    json.clock(instantOf(events.rise));
    json.raw(",");
    json.key("riseAz");
    json.degrees(azimuthOf(events.rise));
    json.raw(",");
    json.key("transit");
    json.clock(instantOf(events.transit));
    json.raw(",");
    json.key("transitAlt");
    json.degrees(altitudeOf(events.transit));
    json.raw(",");
    json.key("set");
    json.clock(instantOf(events.set));
    json.raw(",");
    json.key("setAz");
    json.degrees(azimuthOf(events.set));
    json.raw(",");
    json.key("also");
    json.raw("[");
    for (std::size_t k = 0; k < events.also.size(); ++k) {
        const LaterEvent& later = events.also[k];
        json.raw(k == 0 ? "{" : ",{");
        json.key("event");
        json.text(horizonKindNames[static_cast<int>(later.kind)]);
        json.raw(",");
        json.key("time");
        json.clock(later.event.julianDate);
        json.raw(",");
        json.key(later.kind == HorizonKind::transit ? "alt" : "az");
        json.degrees(later.kind == HorizonKind::transit ? later.event.altitude : later.event.azimuth);
        json.raw("}");
    }
    json.raw("]}");
}

void writeHebrewDate(EventsWriter& json, const std::optional<HebrewDate>& date) {
    if (date) {
        json.text(hebrewDateText(*date));
    } else {
        json.raw("null");
    }
}

// Every time, null where it does not come, but candle lighting and havdalah
// only on the days they belong to.
void writeZmanim(EventsWriter& json, const DayZmanim& zmanim) {
    json.raw(",");
    json.key("zmanim");
    json.raw("{");
    forEachDayZman(zmanim, [&json](ZmanIndex index, const Zman& zman) {
        json.raw(index == ZmanIndex::alotHaShachar ? "" : ",");
        json.key(zmanKey(index));
        json.clock(zman.julianDate);
    });
    json.raw("}");
}

}  // namespace

void appendDaySheetJson(std::string& out, const DaySheet& sheet, const ClockRules& rules) {
    EventsWriter json(out, rules);
    json.raw("{");
    json.key("hebrewDate");
    json.raw("{");
    json.key("beforeSunset");
    writeHebrewDate(json, sheet.hebrewBeforeSunset);
    json.raw(",");
    json.key("afterSunset");
    writeHebrewDate(json, sheet.hebrewAfterSunset);
    json.raw("},");
    json.key("bodies");
    json.raw("[");
    for (int body = 0; body < bodyCount; ++body) {
        json.raw(body == 0 ? "" : ",");
        writeBody(json, body, sheet.events.bodies[body]);
    }
    json.raw("],");
    for (int k = 0; k < twilightCount; ++k) {
        json.key(std::string(twilightNames[k]) + "Dawn");
        json.clock(sheet.events.twilights[k].dawn);
        json.raw(",");
        json.key(std::string(twilightNames[k]) + "Dusk");
        json.clock(sheet.events.twilights[k].dusk);
        json.raw(",");
    }
    json.key("phases");
    json.raw("[");
    for (std::size_t k = 0; k < sheet.events.phases.size(); ++k) {
        const PhaseEvent& phase = sheet.events.phases[k];
        json.raw(k == 0 ? "{" : ",{");
        json.key("phase");
        json.text(phaseNames[static_cast<int>(phase.phase)]);
        json.raw(",");
        json.key("local");
        json.text(dateAndClockText(localTimeOf(rules, phase.julianDate)));
        json.raw(",");
        json.key("time");
        json.clock(phase.julianDate);
        json.raw("}");
    }
    json.raw("]");
    if (sheet.zmanim) writeZmanim(json, *sheet.zmanim);
    json.raw("}");
}

}  // namespace zenlith
