#pragma once
// Instants as the command line writes them: a civil date and time of the site,
// "YYYY-MM-DD HH:MM" (or a T between date and time; the time may be left out
// for midnight). Only the shape is checked here: whether the window takes the
// date is the window's rules' to say.
#include <optional>
#include <string>
#include <string_view>

#include "civil_date.h"

namespace zenlith::cli {

std::optional<CivilDateTime> parseInstant(std::string_view text);

// "2026-03-01 09:05"; years below 1000 are padded to four digits, with a
// minus sign before years before year 0.
void appendInstantText(std::string& out, const CivilDateTime& when);

}  // namespace zenlith::cli
