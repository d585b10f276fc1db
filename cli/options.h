#pragma once
// The command line of zenlith-ephemeris, read into plain values. Every
// mistake comes back as one line that names the option to fix.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "civil_date.h"
#include "sky_model.h"
#include "table_columns.h"

namespace zenlith::cli {

enum class SummerMode { automatic, on, off };

struct InstantRange {
    CivilDateTime from;
    CivilDateTime to;  // included when the steps land on it
    long long stepMinutes = 60;
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
    bool stars = false;   // the catalogue's stars at each instant instead of the bodies
    std::optional<double> magnitudeLimit;  // with stars: only those at most this faint
};

struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
    std::string message;
};

using ParsedCommandLine = std::variant<Options, ShowHelp, ShowVersion, UsageError>;

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& arguments);

// Parses a step such as 10m, 1h, 1d or 2w into minutes.
std::optional<long long> parseStep(std::string_view text);

std::string_view helpText();

}  // namespace zenlith::cli
