#include "probe_format.h"

#include "round_trip_number.h"

#include <array>
#include <cmath>

namespace zenlith::probe {

namespace {

const std::array<std::string_view, bodyCount> bodyNames = {
    "sun", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "moon",
};

// Writes onto the end of the caller's text, so that a whole block of
// outcomes is built in one buffer.
class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}
    void raw(std::string_view text) { out_ += text; }

    void number(double value) {
        if (!std::isfinite(value)) {
            out_ += "null";  // JSON has no infinities; the engine never makes them
            return;
        }
        appendRoundTripNumber(out_, value);
    }

    void string(std::string_view text) {
        out_ += '"';
        // Copy runs of plain characters whole; the report is long.
        std::size_t start = 0;
        for (std::size_t n = 0; n < text.size(); ++n) {
            if (needsEscape(text[n])) {
                out_.append(text, start, n - start);
                appendEscaped(text[n]);
                start = n + 1;
            }
        }
        out_.append(text, start, text.size() - start);
        out_ += '"';
    }

    // Keys are the probe's own plain names: nothing in them needs escaping.
    void key(std::string_view name) {
        out_ += '"';
        out_ += name;
        out_ += "\":";
    }

    void field(std::string_view name, double value, bool comma = true) {
        key(name);
        number(value);
        if (comma) {
            out_ += ',';
        }
    }


private:
    static bool needsEscape(char c) { return escapeTable[static_cast<unsigned char>(c)]; }
    static constexpr std::array<bool, 256> escapeTable = [] {
        std::array<bool, 256> table{};
        for (int c = 0; c < 0x20; ++c) {
            table[c] = true;
        }
        table['"'] = true;
        table['\\'] = true;
        return table;
    }();

    void appendEscaped(char c) {
        static constexpr char hex[] = "0123456789abcdef";
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += c;
        } else if (c == '\r') {
            out_ += "\\r";
        } else if (c == '\n') {
            out_ += "\\n";
        } else {
            out_ += "\\u00";
            out_ += hex[byte >> 4];
            out_ += hex[byte & 15];
        }
    }
    std::string& out_;
};

// The precise model refracts, so it also gives the altitude without air.
void writeBody(JsonWriter& json, int index, const BodyPlace& body, ModelKind model) {
    json.raw("{");
    json.key("name");
    json.string(bodyNames[index]);
    json.raw(",");
    json.field("Ra", body.Ra);
    json.field("Decl", body.Decl);
    json.field("Alt", body.Alt);
    if (model == ModelKind::precise) {
        json.field("AltAirless", body.AltAirless);
    }
    const bool planet = index >= firstPlanet && index <= lastPlanet;
    json.field("Az", body.Az, planet);
    if (planet) {
        json.field("Rearth", body.Rearth);
        json.field("AngularDiameter", body.AngularDiameter);
        json.field("Phase", body.Phase);
        json.field("Mag", body.Mag);
        json.field("Lon", body.Lon);
        json.field("Lat", body.Lat, false);
    }
    json.raw("}");
}

void writeMoon(JsonWriter& json, const MoonValues& moon) {
    json.raw("{");
    json.field("lon", moon.lon);
    json.field("lat", moon.lat);
    json.field("elongation", moon.elongation);
    json.field("age", moon.age);
    json.field("illumination", moon.illumination, false);
    json.raw("}");
}

void writeMarker(JsonWriter& json, const MarkerPlacement& marker) {
    json.raw("{");
    json.key("name");
    json.string(marker.name);
    json.raw(",");
    json.field("top", marker.top);
    json.field("left", marker.left);
    json.key("visible");
    json.raw(marker.visible ? "true" : "false");
    json.raw("}");
}

template <typename Item, std::size_t N, typename Write>
void writeArray(JsonWriter& json, const std::array<Item, N>& items, Write write) {
    json.raw("[");
    for (std::size_t n = 0; n < N; ++n) {
        if (n > 0) {
            json.raw(",");
        }
        write(n, items[n]);
    }
    json.raw("]");
}

void writeSky(JsonWriter& json, const ComputedSky& sky) {
    json.raw("{");
    json.field("julianDate", sky.julianDate);
    json.field("dayNumber", sky.dayNumber);
    json.key("text6");
    json.string(sky.text6);
    json.raw(",\"sky\":[");
    json.number(sky.sky.red);
    json.raw(",");
    json.number(sky.sky.green);
    json.raw(",");
    json.number(sky.sky.blue);
    json.raw("],\"bodies\":");
    writeArray(json, sky.places.bodies, [&](std::size_t n, const BodyPlace& body) { writeBody(json, static_cast<int>(n), body, sky.model); });
    json.raw(",\"moon\":");
    writeMoon(json, sky.places.moon);
    json.raw(",\"markers\":");
    writeArray(json, sky.markers, [&](std::size_t, const MarkerPlacement& marker) { writeMarker(json, marker); });
    json.raw(",\"moonPhase\":");
    if (sky.moonPhase) {
        json.raw("{");
        json.field("waning", sky.moonPhase->waning ? 1 : 0);
        json.field("angle", sky.moonPhase->angle, false);
        json.raw("}");
    } else {
        json.raw("null");
    }
    json.raw(",");
    json.key("report");
    json.string(sky.report);
    json.raw("}");
}

void writeRefusal(JsonWriter& json, const Refusal& refusal) {
    json.raw("{\"refused\":{");
    json.key("prompt");
    json.string(refusal.prompt);
    json.raw(",");
    json.key("title");
    json.string(refusal.title);
    json.raw("}}");
}

}  // namespace

FieldTexts parseCase(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::array<std::string, 6> parts;
    std::size_t n = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos && n < parts.size() - 1;
         tab = line.find('\t')) {
        parts[n++] = std::string(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    parts[n] = std::string(line);
    return {parts[0], parts[1], parts[2], parts[3], parts[4], parts[5] == "1"};
}

void appendOutcomeJson(std::string& out, const ComputeOutcome& outcome) {
    JsonWriter json(out);
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        writeRefusal(json, *refusal);
    } else {
        writeSky(json, std::get<ComputedSky>(outcome));
    }
}

}  // namespace zenlith::probe
