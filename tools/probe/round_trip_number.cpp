#include "round_trip_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace zenlith::probe {

namespace {

__extension__ typedef unsigned __int128 u128;  // products of up to 100 bits
constexpr int digits = 17;
constexpr std::uint64_t lowest17 = 10000000000000000ULL;  // 10^16

// 5^0 .. 5^27: enough for every scale the fast path uses.
constexpr auto powersOfFive = [] {
    std::array<std::uint64_t, 28> table{};
    table[0] = 1;
    for (std::size_t n = 1; n < table.size(); ++n) {
        table[n] = table[n - 1] * 5;
    }
    return table;
}();

// round(|value| * 10^k) to nearest, ties to even, exactly: |value| = m 2^q,
// so the product is m 5^k 2^(q+k).
std::uint64_t scaledDigits(std::uint64_t m, int q, int k) {
    const u128 product = static_cast<u128>(m) * powersOfFive[static_cast<std::size_t>(k)];
    const int shift = -(q + k);
    if (shift <= 0) {
        return static_cast<std::uint64_t>(product << -shift);
    }
    const u128 whole = product >> shift;
    const u128 rest = product - (whole << shift);
    const u128 half = static_cast<u128>(1) << (shift - 1);
    const bool up = rest > half || (rest == half && (whole & 1) != 0);
    return static_cast<std::uint64_t>(whole + (up ? 1 : 0));
}

// Fixed notation of the 17 digits with the first digit at 10^exponent,
// trailing zeros and a bare point dropped.
void appendFixed(std::string& out, bool negative, std::uint64_t d, int exponent) {
    char digitText[24];
    const auto end = std::to_chars(digitText, digitText + sizeof digitText, d).ptr;
    std::string_view all(digitText, static_cast<std::size_t>(end - digitText));
    while (all.size() > 1 && all.back() == '0' && static_cast<int>(all.size()) > exponent + 1) {
        all.remove_suffix(1);
    }
    if (negative) {
        out += '-';
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(all);
        return;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent + 1);
    out.append(all.substr(0, integerDigits));
    if (all.size() > integerDigits) {
        out += '.';
        out.append(all.substr(integerDigits));
    }
}

}  // namespace

void appendRoundTripNumber(std::string& out, double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < 1e10)) {
        char buffer[40];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
        out.append(buffer, result.ptr);
        return;
    }
    int q = 0;
    const double fraction = std::frexp(magnitude, &q);  // magnitude = fraction 2^q
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    q -= 53;
    // log10(2) from the binary exponent: off by at most one, mended below.
    int exponent = static_cast<int>(std::floor((q + 52) * 0.30102999566398120));
    std::uint64_t d = scaledDigits(m, q, digits - 1 - exponent);
    // The logarithm may miss by one near a power of ten, and rounding may
    // carry into an eighteenth digit: then scale once more.
    if (d >= 10 * lowest17) {
        ++exponent;
        d = scaledDigits(m, q, digits - 1 - exponent);
    } else if (d < lowest17) {
        --exponent;
        d = scaledDigits(m, q, digits - 1 - exponent);
    }
    appendFixed(out, value < 0, d, exponent);
}

}  // namespace zenlith::probe
