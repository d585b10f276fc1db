#pragma once
// The printer the window uses unless a test gives it another: the system's
// default printer, with the offer to save as PDF when printing fails.
#include <memory>

#include "printer.h"

namespace zenlith {

std::unique_ptr<Printer> makeProductPrinter();

}  // namespace zenlith
