#pragma once
// The command line of zenlith-ephemeris, read into plain values. Every
// mistake comes back as one line that names the option to fix.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "civil_date.h"
#include "place_choice.h"
#include "coming_event.h"
#include "day_zmanim.h"
#include "sky_model.h"
#include "table_columns.h"
#include "time_step.h"

namespace zenlith::cli {

enum class SummerMode { automatic, on, off };

// Minutes and hours are elapsed time; days, weeks (seven days), months and
// years keep the clock time of --from on the new date.
struct RangeStep {
    StepUnit unit = StepUnit::hour;
    long long count = 1;
    friend bool operator==(const RangeStep&, const RangeStep&) = default;
};

struct InstantRange {
    CivilDateTime from;
    CivilDateTime to;  // included when the steps land on it
    RangeStep step;
};

// The months of --almanac, both included.
struct MonthRange {
    int fromYear = 0, fromMonth = 0;
    int toYear = 0, toMonth = 0;
};

struct Options {
    std::vector<CivilDateTime> at;       // --at, in the order given
    std::optional<InstantRange> range;   // --from, --to, --step
    // With neither, the instants come from standard input, one a line.
    SummerMode summer = SummerMode::automatic;
    ModelKind model = ModelKind::classic;
    TableColumns columns;
    std::optional<std::string> outputPath;
    bool events = false;  // the day's events of each date instead of figures
    PlaceRequest place;   // --place, or --lat, --lon, --height, --tz
    std::optional<std::string> listPlaces;  // --list-places [TEXT]: the places matching it ("" for all)
    std::optional<MonthRange> almanac;  // the month's table of these months instead of figures
    // --next: the sky's coming events from --from (or now) to --to (or a year on).
    bool next = false;
    std::optional<CivilDateTime> nextFrom;
    std::optional<CivilDateTime> nextTo;
    std::vector<EventGroup> kinds;  // --kinds; empty for every kind
    bool stars = false;   // the catalogue's stars at each instant instead of the bodies
    std::optional<double> magnitudeLimit;  // with stars: only those at most this faint
    // --zmanim: with --events or --almanac, the day's halachic times too;
    // candles lit --candle-minutes before sunset (the place's custom without
    // it), havdalah by --havdalah.
    bool zmanim = false;
    // --dip: rises and sets on the horizon lowered for the place's height.
    bool horizonDip = false;
    std::optional<int> candleMinutes;
    HavdalahRule havdalah = HavdalahRule::atTzeit;
};

struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
    std::string message;
};

using ParsedCommandLine = std::variant<Options, ShowHelp, ShowVersion, UsageError>;

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& arguments);

// Parses a step such as 10m, 1h, 1d, 2w, 1mo or 1y.
std::optional<RangeStep> parseStep(std::string_view text);

std::string_view helpText();

}  // namespace zenlith::cli
