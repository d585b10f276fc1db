#include "window_layout.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zenlith::window_layout {

const TwipsBox& boxOf(std::string_view name) {
    const auto* found = std::find_if(controls.begin(), controls.end(), [name](const TwipsBox& box) { return box.name == name; });
    if (found == controls.end()) throw std::out_of_range("no layout entry for " + std::string(name));
    return *found;
}

}  // namespace zenlith::window_layout
