#include "number_cells.h"

#include <charconv>
#include <cmath>

#include "number_text.h"

namespace zenlith::cli {

namespace {

// Below this a figure's hundredths have at most 14 significant digits.
constexpr double shortCutLimit = 1e12;

void appendDigits(std::string& out, unsigned long long value) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

void appendShownNumber(std::string& out, double cutValue) {
    // A double that is the nearest to a decimal of at most 15 significant
    // digits gives that decimal back at fifteen digits. The cut leaves most
    // figures the nearest double to their hundredths, but not all (-1 + 0.94
    // is not the nearest to -0.06): those take the general conversion.
    const long long hundredths = std::fabs(cutValue) < shortCutLimit ? std::llround(cutValue * 100) : 0;
    if (static_cast<double>(hundredths) / 100 != cutValue) {
        appendNumberText(out, cutValue, ".");
        return;
    }
    if (hundredths < 0) out += '-';
    const unsigned long long magnitude = hundredths < 0 ? 0ULL - static_cast<unsigned long long>(hundredths)
                                                        : static_cast<unsigned long long>(hundredths);
    appendDigits(out, magnitude / 100);
    const auto fraction = static_cast<int>(magnitude % 100);
    if (fraction != 0) {
        out += '.';
        out += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
    }
}

void appendRoundTripNumber(std::string& out, double value) {
    char digits[32];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace zenlith::cli
