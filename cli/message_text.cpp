#include "message_text.h"

namespace zenlith::cli {

namespace {

constexpr std::size_t longestQuoted = 60;

}  // namespace

std::string quotedForMessage(std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text.substr(0, longestQuoted)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            quoted += "\\x";
            quoted += hex[byte >> 4];
            quoted += hex[byte & 15];
        } else {
            quoted += c;
        }
    }
    if (text.size() > longestQuoted) quoted += "...";
    quoted += '"';
    return quoted;
}

std::string withWindowReason(std::string_view english, std::string_view reason) {
    std::string text(english);
    text += "; the window says:\n";
    text += reason;
    return text;
}

}  // namespace zenlith::cli
