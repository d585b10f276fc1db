#pragma once
// The Hebrew names of the bright stars: the 40 brightest of the catalogue and
// a few more that people know by name.
#include <string_view>

namespace zenlith::stars {

// The name of the star with this HR number; empty when it has none.
std::string_view hebrewStarName(int hr);

}  // namespace zenlith::stars
