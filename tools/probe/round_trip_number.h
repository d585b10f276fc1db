#pragma once
// A double as printf's %.17g writes it (17 significant digits, so it reads
// back exactly), independent of the C locale and fast for the magnitudes the
// probe prints by the hundred thousand.
#include <string>

namespace zenlith::probe {

void appendRoundTripNumber(std::string& out, double value);

}  // namespace zenlith::probe
