#pragma once
// The day's events as lines of Hebrew text: what the window shows, copies and
// prints. Times in the site's civil time; where the day's clock changes, or a
// time falls on the other side of a change, each time says which it is.
#include <optional>
#include <string>
#include <vector>

#include "day_sheet.h"

namespace zenlith {

inline constexpr std::string_view daySheetTitle = "אירועי היום";

class TimeWriter;

std::string_view moonPhaseName(MoonPhase phase);
// "דמדומים אזרחיים (6°)", by TwilightIndex.
std::string_view twilightName(int depth);
// "המודל המקורי" or "המודל המדויק", as the menu names them.
std::string_view modelName(ModelKind model);
// "62.1°".
std::string angleText(double degrees);
// "14:13" from sunrise to sunset; empty where the day has not both in order.
std::string dayLengthText(const BodyEvents& sun);
// "התאריך העברי: …; משקיעת החמה, 19:47: …": the Hebrew day turns at the place's sunset.
std::string hebrewDateLine(const DaySheet& sheet, const TimeWriter& times);
// The body's Hebrew name with its article ("השמש", "נוגה").
std::string_view hebrewBodyName(int body);

// illumination: the Moon's illuminated percentage at the entered instant.
// One line of a body's or a star's rise, culmination and set on a day, in
// the same words as the sheet's.
std::string horizonEventsLine(std::string_view name, const BodyEvents& events, const ClockRules& rules,
                              const DaySpan& span);

std::vector<std::string> daySheetLines(const DaySheet& sheet, const ClockRules& rules,
                                       std::optional<double> illumination);

}  // namespace zenlith
