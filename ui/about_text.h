#pragma once
// The About box's text: the program, its version, the splash's copyright
// line, and the libraries and data it runs on, with their versions.
#include <string>

namespace zenlith {

std::string aboutText();

}  // namespace zenlith
