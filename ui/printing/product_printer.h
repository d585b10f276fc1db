#pragma once
// The printer the window uses unless a test gives it another: the system's
// default printer, with the offer to save as PDF when printing fails.
#include <QString>
#include <functional>
#include <memory>

#include "printer.h"

namespace zenlith {

std::unique_ptr<Printer> makeProductPrinter();

// Where "save as PDF" writes: a file the user names in the save dialog.
// `suggestedName` gives the file name the dialog offers.
std::unique_ptr<Printer> makeProductPdfSaver(std::function<QString()> suggestedName = {});

}  // namespace zenlith
