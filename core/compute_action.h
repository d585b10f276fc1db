#pragma once
// The compute button's work without the widgets: from the five field texts
// and the summer-time box to either a refusal or everything the window shows.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "chart_geometry.h"
#include "engine.h"
#include "sky_model.h"

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

struct ComputedSky {
    double julianDate = 0;
    float dayNumber = 0;
    std::string text6;                        // leap, weekday, day-of-year line
    Rgb sky;                                  // Frame5's background
    std::array<MarkerPlacement, 9> markers;   // in marker-table order
    std::optional<MoonPhaseDrawing> moonPhase;
    ModelKind model = ModelKind::classic;     // which model placed the bodies
    SkyPlaces places;                         // before the report's cut
    std::string report;                       // Text2, CR LF between lines
};

using ComputeOutcome = std::variant<Refusal, ComputedSky>;

// The figures alone, for front ends that print numbers and draw nothing.
struct PlacedSky {
    double julianDate = 0;                // universal time
    ModelKind model = ModelKind::classic;
    SkyPlaces places;                     // before the report's cut
};

using PlacementOutcome = std::variant<Refusal, PlacedSky>;

// Runs the whole action: the fields are read and checked, and the calendar
// converted, on the window's engine, whose cells keep what this run leaves in
// them until the next one; the bodies are placed by the chosen model.
ComputeOutcome runComputeAction(Engine& engine, SkyModel& model, const FieldTexts& fields,
                                std::string_view decimalSeparator);

// The same action up to the bodies' places: the same checks, the same cells
// left behind, the same figures, and no text or drawing built.
PlacementOutcome placeBodies(Engine& engine, SkyModel& model, const FieldTexts& fields);

}  // namespace zenlith
