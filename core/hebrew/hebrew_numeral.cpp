#include "hebrew_numeral.h"

#include <array>
#include <string_view>
#include <vector>

namespace zenlith {

namespace {

constexpr std::string_view geresh = "׳";
constexpr std::string_view gershayim = "״";

struct Letter {
    int value;
    std::string_view letter;
};

constexpr std::array<Letter, 22> letters = {{
    {400, "ת"}, {300, "ש"}, {200, "ר"}, {100, "ק"}, {90, "צ"}, {80, "פ"}, {70, "ע"}, {60, "ס"},
    {50, "נ"},  {40, "מ"},  {30, "ל"},  {20, "כ"},  {10, "י"}, {9, "ט"},  {8, "ח"},  {7, "ז"},
    {6, "ו"},   {5, "ה"},   {4, "ד"},   {3, "ג"},   {2, "ב"},  {1, "א"},
}};

// The letters from the largest down, but 15 and 16 not as Yah.
std::vector<std::string_view> lettersOf(int number) {
    std::vector<std::string_view> out;
    for (const Letter& letter : letters) {
        const int rest = number % 100;
        if (letter.value == 10 && (rest == 15 || rest == 16)) {
            continue;
        }
        while (number >= letter.value) {
            out.push_back(letter.letter);
            number -= letter.value;
        }
    }
    return out;
}

}  // namespace

std::string hebrewNumeral(int number) {
    if (number < 1 || number > 999) {
        return {};
    }
    const std::vector<std::string_view> parts = lettersOf(number);
    std::string text;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k + 1 == parts.size()) {
            text += parts.size() == 1 ? std::string(parts[k]) + std::string(geresh)
                                      : std::string(gershayim) + std::string(parts[k]);
        } else {
            text += parts[k];
        }
    }
    return text;
}

}  // namespace zenlith
