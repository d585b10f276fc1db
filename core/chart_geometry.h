#pragma once
// Where the chart puts things: the sky colour by the Sun's altitude, each
// marker's Top and Left (twips inside the chart frame), the Moon-phase
// decision, and the shading lines drawn across the Moon pictures (pixels).
#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace zenlith {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

Rgb skyColourFor(double sunAltitude);

struct MarkerSpec {
    std::string_view name;  // the marker control's object name
    int bodyIndex;
    double chartTopBase;    // Top at altitude 0
    double chartLeftBase;   // Left at azimuth 0
};

// In the order the markers are placed: the Moon first.
extern const std::array<MarkerSpec, 9> markerTable;

struct MarkerPlacement {
    std::string_view name;
    float top = 0;
    float left = 0;
    bool visible = false;
};

MarkerPlacement placeMarker(const MarkerSpec& spec, double alt, double az);

// What the phase drawing is handed: moonWaning and moonPhaseAngle.
struct MoonPhaseDrawing {
    bool waning = false;
    float angle = 0;  // degrees, -1..180
};

// Nothing when the age lies strictly between 14 and 15 days: then no phase
// is drawn at all.
std::optional<MoonPhaseDrawing> moonPhaseFor(double moonAge, double moonIllumination);

struct ShadeLine {
    float x1, y1, x2, y2;
};

// The 181 lines, from the parallel t = -90 to t = 90, that shade the dark part
// of a disc of the given picture width; empty for the full Moon (angle 180),
// which shows unshaded.
std::vector<ShadeLine> moonShadeLines(float pictureWidth, const MoonPhaseDrawing& phase);

}  // namespace zenlith
