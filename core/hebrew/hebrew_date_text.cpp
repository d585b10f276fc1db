#include "hebrew_date_text.h"

#include <array>
#include <string_view>

#include "hebrew_numeral.h"

namespace zenlith {

namespace {

constexpr std::array<std::string_view, 13> monthNames = {
    "תשרי", "חשוון", "כסלו", "טבת", "שבט", "אדר א׳", "אדר", "ניסן", "אייר", "סיוון", "תמוז", "אב", "אלול",
};

std::string_view monthName(const HebrewDate& date) {
    if (date.leapYear && date.month == HebrewMonth::adar) {
        return "אדר ב׳";
    }
    return monthNames[static_cast<std::size_t>(date.month)];
}

// A year ending in 000 shows its thousands instead.
std::string yearText(int year) {
    return year % 1000 != 0 ? hebrewNumeral(year % 1000) : hebrewNumeral(year / 1000);
}

}  // namespace

std::string hebrewDateText(const HebrewDate& date) {
    return hebrewNumeral(date.day) + " ב" + hebrewMonthText(date);
}

std::string hebrewMonthText(const HebrewDate& date) { return std::string(monthName(date)) + " " + yearText(date.year); }

}  // namespace zenlith
