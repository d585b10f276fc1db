#include "entered_text.h"

#include <algorithm>
#include <array>

namespace zenlith {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Unicode 14 (the version of the platform's own tables), category Cf.
constexpr std::array<Range, 21> formatCharacters{{
    {0xAD, 0xAD},       {0x600, 0x605},     {0x61C, 0x61C},     {0x6DD, 0x6DD},     {0x70F, 0x70F},
    {0x890, 0x891},     {0x8E2, 0x8E2},     {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
    {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x13438}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
}};

// Unicode 14, category Nd: every script's digits stand in runs of ten, 0 to
// 9; these are the code points of the zeros.
constexpr std::array<char32_t, 66> digitZeros{
    0x30,    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,   0xC66,
    0xCE6,   0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,  0x1810,  0x1946,
    0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,  0xA8D0,  0xA900,  0xA9D0,
    0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066, 0x110F0, 0x11136, 0x111D0, 0x112F0,
    0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x16A60,
    0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0,
};

struct Decoded {
    char32_t c = 0;
    std::size_t length = 0;  // 0: not a well-formed sequence
};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// One well-formed UTF-8 sequence (no overlong forms, no surrogates).
Decoded decodeAt(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5                ? 4
                                                                            : 0;
    if (length == 0 || pos + length > text.size()) return {};
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(byte)) return {};
        c = (c << 6) | (byte & 0x3F);
    }
    constexpr std::array<char32_t, 5> smallestOfLength{0, 0, 0x80, 0x800, 0x10000};
    if (c < smallestOfLength[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
    return {c, length};
}

}  // namespace

bool isFormatCharacter(char32_t c) {
    const auto after = std::upper_bound(formatCharacters.begin(), formatCharacters.end(), c,
                                        [](char32_t value, const Range& range) { return value < range.first; });
    return after != formatCharacters.begin() && c <= std::prev(after)->last;
}

int decimalDigitValue(char32_t c) {
    const auto after = std::upper_bound(digitZeros.begin(), digitZeros.end(), c);
    if (after == digitZeros.begin()) return -1;
    const char32_t offset = c - *std::prev(after);
    return offset < 10 ? static_cast<int>(offset) : -1;
}

std::size_t formatCharacterLengthAt(std::string_view utf8, std::size_t pos) {
    if (pos >= utf8.size() || static_cast<unsigned char>(utf8[pos]) < 0x80) return 0;
    const Decoded decoded = decodeAt(utf8, pos);
    return decoded.length > 0 && isFormatCharacter(decoded.c) ? decoded.length : 0;
}

std::string cleanEnteredText(std::string_view utf8) {
    std::string clean;
    clean.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Decoded decoded = decodeAt(utf8, pos);
        if (decoded.length == 0) {
            ++pos;  // not a character; kept, it could join others into one
            continue;
        }
        const int digit = decimalDigitValue(decoded.c);
        if (digit >= 0) {
            clean += static_cast<char>('0' + digit);
        } else if (!isFormatCharacter(decoded.c)) {
            clean.append(utf8.substr(pos, decoded.length));
        }
        pos += decoded.length;
    }
    return clean;
}

}  // namespace zenlith
