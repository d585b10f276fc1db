#pragma once
// Start-up takes the fields from the clock's texts by fixed character
// positions (1-based below), whatever the texts hold:
//   date dd/mm/yyyy: day 1-2, month 4-5, year 7-10 (the clock's own year);
//   time h:mm:ss or hh:mm:ss: hour 1-2 and minute 4-5, or, when the second
//   character is ":", hour 1 and minute 3-4.
// Positions beyond the text's end give fewer characters or none.
#include <string>
#include <string_view>

namespace zenlith::clock_positions {

std::string dayOf(std::string_view dateText);
std::string monthOf(std::string_view dateText);
std::string yearOf(std::string_view dateText);
std::string hourOf(std::string_view timeText);
std::string minuteOf(std::string_view timeText);

}  // namespace zenlith::clock_positions
