#include "clock_positions.h"

namespace zenlith::clock_positions {

namespace {

// Characters first..first+count-1, counted from 1, cut at the text's end.
std::string characters(std::string_view text, std::size_t first, std::size_t count) {
    if (first > text.size()) return {};
    return std::string(text.substr(first - 1, count));
}

bool singleDigitHour(std::string_view timeText) {
    return timeText.size() >= 2 && timeText[1] == ':';
}

}  // namespace

std::string dayOf(std::string_view dateText) {
    return characters(dateText, 1, 2);
}

std::string monthOf(std::string_view dateText) {
    return characters(dateText, 4, 2);
}

std::string yearOf(std::string_view dateText) {
    return characters(dateText, 7, 4);
}

std::string hourOf(std::string_view timeText) {
    return singleDigitHour(timeText) ? characters(timeText, 1, 1) : characters(timeText, 1, 2);
}

std::string minuteOf(std::string_view timeText) {
    return singleDigitHour(timeText) ? characters(timeText, 3, 2) : characters(timeText, 4, 2);
}

}  // namespace zenlith::clock_positions
