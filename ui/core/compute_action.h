#pragma once
// The compute button's work without the widgets: from the five field texts
// and the summer-time box to either a refusal or everything the window shows.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "body_result.h"
#include "chart_geometry.h"
#include "engine.h"

namespace zenlith {

struct FieldTexts {
    std::string year;    // Text1
    std::string month;   // Combo1
    std::string day;     // Combo2
    std::string hour;    // Combo3
    std::string minute;  // Combo4
    bool summerTime = false;  // Check4 ticked
};

struct Refusal {
    std::string_view prompt;
    std::string_view title;
    friend bool operator==(const Refusal&, const Refusal&) = default;
};

struct MoonValues {
    double lon = 0;
    double lat = 0;
    double elongation = 0;
    double age = 0;
    double illumination = 0;
};

struct ComputedSky {
    double julianDate = 0;
    float dayNumber = 0;
    std::string text6;                        // leap, weekday, day-of-year line
    Rgb sky;                                  // Frame5's background
    std::array<MarkerPlacement, 9> markers;   // in marker-table order
    std::optional<MoonPhaseDrawing> moonPhase;
    std::array<BodyResult, bodyCount> bodies; // before the report's cut
    MoonValues moon;                          // before the report's cut
    std::string report;                       // Text2, CR LF between lines
};

using ComputeOutcome = std::variant<Refusal, ComputedSky>;

// Runs the whole action on the window's engine, whose cells keep what this run
// leaves in them until the next one.
ComputeOutcome runComputeAction(Engine& engine, const FieldTexts& fields, std::string_view decimalSeparator);

}  // namespace zenlith
