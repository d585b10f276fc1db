#pragma once
// The day's events as a table read right to left at a glance. Each row of the
// bodies' part is one passage of a body across the sky, its rise, culmination
// and set in time order from right to left; a passage that began before the
// day's midnight or ends after the next says so in place of the time, and a
// body that rises again the same day has a second row, "ושוב". Then the
// Sun's twilights (dawn under rise, dusk under set) and the day's length, the
// Moon's light and phases and, when the sheet carries them, the day's halachic
// times. No toolkit: the window draws the rows, copies and prints them.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "day_sheet.h"

namespace zenlith {

// The name, then rise, its azimuth, culmination, its altitude, set, its azimuth.
inline constexpr int dayTableColumnCount = 7;

enum class DayRowKind {
    heading,  // a part's name, and what its columns hold where they differ from the headings
    cells,    // a value under each heading
    wide,     // a name and one value across the rest of the row
};

struct DayTableRow {
    DayRowKind kind = DayRowKind::cells;
    std::vector<std::string> cells;
    std::string definition;  // what the name means, where it needs saying
};

struct DayColumn {
    std::string_view heading;
    std::string_view definition;
};
const std::array<DayColumn, dayTableColumnCount>& dayTableColumns();

// Two lines: the civil and the Hebrew date; the place, its clock and the model.
std::vector<std::string> dayTableTitle(const DaySheet& sheet, const ClockRules& rules);

// illumination: the Moon's illuminated percentage at the entered instant.
std::vector<DayTableRow> dayTableRows(const DaySheet& sheet, const ClockRules& rules,
                                      std::optional<double> illumination);

}  // namespace zenlith
