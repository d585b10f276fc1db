#pragma once
// Text as it enters an input field. Text copied from Hebrew documents and web
// pages carries invisible direction marks, and numbers may come in the digits
// of another script; a field must show exactly what it reads, so:
//  - Unicode format characters (general category Cf: direction marks, zero-
//    width spaces and joiners, byte-order marks, bidi embeddings, overrides
//    and isolates) are removed;
//  - decimal digits of any script (general category Nd) become ASCII digits.
// Texts are UTF-8; bytes that are not well-formed UTF-8 are dropped too, so
// that the result is well formed and cleaning it again changes nothing.
#include <cstddef>
#include <string>
#include <string_view>

namespace zenlith {

bool isFormatCharacter(char32_t c);

// 0..9 for a decimal digit of any script, -1 for anything else.
int decimalDigitValue(char32_t c);

// The number of bytes of the format character that starts at `pos`, 0 when
// none does.
std::size_t formatCharacterLengthAt(std::string_view utf8, std::size_t pos);

std::string cleanEnteredText(std::string_view utf8);

}  // namespace zenlith
