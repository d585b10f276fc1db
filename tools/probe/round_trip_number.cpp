#include "round_trip_number.h"

#include <algorithm>
#include <array>
#include <bit>
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

// Eight decimal digits of a number below 10^8, two at a time.
void writeEightDigits(char* out, std::uint32_t value) {
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    for (int n = 6; n >= 0; n -= 2) {
        const std::uint32_t pair = value % 100;
        value /= 100;
        out[n] = pairs[2 * pair];
        out[n + 1] = pairs[2 * pair + 1];
    }
}

// Fixed notation of the 17 digits with the first digit at 10^exponent
// (-4 to 9 here), trailing zeros and a bare point dropped, written straight
// into out. The halves are converted apart, in 32 bits, which is much quicker
// than one 64-bit chain of divisions.
void appendFixed(std::string& out, bool negative, std::uint64_t d, int exponent) {
    char digitText[digits];
    const auto high = static_cast<std::uint32_t>(d / 100000000);  // 9 digits
    digitText[0] = static_cast<char>('0' + high / 100000000);
    writeEightDigits(digitText + 1, high % 100000000);
    writeEightDigits(digitText + 9, static_cast<std::uint32_t>(d % 100000000));
    int length = digits;
    while (length > exponent + 1 && digitText[length - 1] == '0') {
        --length;
    }

    constexpr std::size_t longest = 1 + 2 + 3 + digits;  // -0.000ddd…
    const std::size_t start = out.size();
    out.resize(start + longest);
    char* p = out.data() + start;
    if (negative) {
        *p++ = '-';
    }
    if (exponent < 0) {
        *p++ = '0';
        *p++ = '.';
        for (int n = exponent + 1; n < 0; ++n) {
            *p++ = '0';
        }
        p = std::copy(digitText, digitText + length, p);
    } else {
        p = std::copy(digitText, digitText + exponent + 1, p);
        if (length > exponent + 1) {
            *p++ = '.';
            p = std::copy(digitText + exponent + 1, digitText + length, p);
        }
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
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
    // magnitude = m 2^q, read straight from the bits (normal numbers only in
    // this range).
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t m = (bits & ((1ULL << 52) - 1)) | (1ULL << 52);
    const int q = static_cast<int>(bits >> 52) - 1075;
    // log10(2) from the binary exponent: off by at most one, mended below.
    int exponent = ((q + 52) * 1233) >> 12;  // 1233 / 4096 is just above log10(2)
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
