#pragma once
// Numbers as the table prints them.
#include <string>

namespace zenlith::cli {

// A figure already cut to two decimals, exactly as the report writes it (at
// most 15 significant digits, no trailing zeros, a leading zero below one),
// quickly: the table writes some eighty of these per instant.
void appendShownNumber(std::string& out, double cutValue);

// The shortest text that reads back as exactly this number.
void appendRoundTripNumber(std::string& out, double value);

}  // namespace zenlith::cli
