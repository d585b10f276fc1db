#pragma once
// Saving as PDF by the user's own choice: the save dialog names the file,
// and the same pages a printer would get are written there.
#include <memory>

#include "document_printer.h"
#include "print_failure_dialogs.h"

namespace zenlith {

class PdfSaver : public DocumentPrinter {
public:
    explicit PdfSaver(std::unique_ptr<PrintFailureDialogs> dialogs);
    // Printed also when the user cancels the dialog: nothing went wrong.
    PrintStatus deliver(const PrintDocument& document) override;

private:
    std::unique_ptr<PrintFailureDialogs> dialogs_;
};

}  // namespace zenlith
