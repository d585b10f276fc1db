#include "chart_geometry.h"

#include <cmath>

#include "body_result.h"

namespace zenlith {

namespace {
constexpr double twipsPerDegreeOfAltitude = 40;
constexpr double twipsPerDegreeOfAzimuth = 28;
constexpr int firstParallel = -90;
constexpr int lastParallel = 90;
}  // namespace

Rgb skyColourFor(double sunAltitude) {
    if (sunAltitude >= 0) {
        return {255, 255, 192};  // day
    }
    if (sunAltitude >= -6) {
        return {0, 128, 128};    // civil twilight
    }
    if (sunAltitude >= -12) {
        return {0, 64, 64};      // nautical twilight
    }
    if (sunAltitude >= -18) {
        return {0, 0, 64};       // astronomical twilight
    }
    return {0, 0, 0};            // night
}

// Each marker's own bases centre its picture on the body's point.
const std::array<MarkerSpec, 9> markerTable = {{
    {"moon1", moonIndex, 3838, 452},
    {"venus", venusIndex, 3837, 652},
    {"mercury", mercuryIndex, 3837, 452},
    {"sun", sunIndex, 3742, 607},
    {"mars", marsIndex, 3837, 652},
    {"jupiter", jupiterIndex, 3837, 652},
    {"saturn", saturnIndex, 3837, 450},
    {"uranus", uranusIndex, 3837, 452},
    {"neptun", neptuneIndex, 3837, 452},
}};

MarkerPlacement placeMarker(const MarkerSpec& spec, double alt, double az) {
    MarkerPlacement placement;
    placement.name = spec.name;
    placement.top = static_cast<float>(spec.chartTopBase - twipsPerDegreeOfAltitude * alt);
    placement.left = static_cast<float>(spec.chartLeftBase + twipsPerDegreeOfAzimuth * az);
    placement.visible = !(alt < 0);  // exactly on the horizon still shows
    return placement;
}

std::optional<MoonPhaseDrawing> moonPhaseFor(double moonAge, double moonIllumination) {
    const double wholePercent = std::floor(std::fabs(moonIllumination));
    if (moonAge <= 14) {
        return MoonPhaseDrawing{false, static_cast<float>(wholePercent * 1.8)};
    }
    if (moonAge >= 15) {
        // 179, not 180: a new Moon while waning is shaded, not cleared.
        return MoonPhaseDrawing{true, static_cast<float>(179 - wholePercent * 1.8)};
    }
    return std::nullopt;
}

std::vector<ShadeLine> moonShadeLines(float pictureWidth, const MoonPhaseDrawing& phase) {
    const float a = std::fabs(phase.angle);
    if (a == 180) {
        return {};
    }
    const double k = std::atan(1.0) / 45;
    const float r = pictureWidth / 2;
    // Waxing shades the left part (lit on the right); waning the right part.
    const float side = phase.waning ? 1.0f : -1.0f;
    std::vector<ShadeLine> lines;
    lines.reserve(lastParallel - firstParallel + 1);
    for (int t = firstParallel; t <= lastParallel; ++t) {
        const double parallel = t * k;
        ShadeLine line;
        line.x1 = static_cast<float>(r * std::cos(a * k) * std::cos(parallel) + r);
        line.y1 = static_cast<float>(r - r * std::sin(parallel));
        line.x2 = static_cast<float>(r * std::cos(parallel) * side + r);
        line.y2 = line.y1;
        lines.push_back(line);
    }
    return lines;
}

}  // namespace zenlith
