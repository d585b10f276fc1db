#pragma once
// A text the user gave, quoted for a one-line message: control characters
// shown as \xNN, so that the message stays one line, and a long text cut.
#include <string>
#include <string_view>

namespace zenlith::cli {

std::string quotedForMessage(std::string_view text);

}  // namespace zenlith::cli
