#pragma once
// The printer the window uses unless a test gives it another: the system's
// default printer, with the offer to save as PDF when printing fails.
#include <memory>

#include "printer.h"

namespace zenlith {

std::unique_ptr<Printer> makeProductPrinter();

// Where "save as PDF" writes: a file the user names in the save dialog.
std::unique_ptr<Printer> makeProductPdfSaver();

}  // namespace zenlith
