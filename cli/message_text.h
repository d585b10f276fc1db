#pragma once
// A text the user gave, quoted for a one-line message: control characters
// shown as \xNN, so that the message stays one line, and a long text cut.
#include <string>
#include <string_view>

namespace zenlith::cli {

std::string quotedForMessage(std::string_view text);

// An English message followed by the window's own reason, in its Hebrew
// words, on a line of its own: no line mixes the two languages.
std::string withWindowReason(std::string_view english, std::string_view reason);

}  // namespace zenlith::cli
