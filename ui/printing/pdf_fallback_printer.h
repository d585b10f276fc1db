#pragma once
// A printer that, when its job cannot be printed, tells the user why and offers
// to save the very same pages as a PDF file. Nothing is sent twice.
#include <memory>

#include "document_printer.h"
#include "print_failure_dialogs.h"

namespace zenlith {

class PdfFallbackPrinter : public DocumentPrinter {
public:
    PdfFallbackPrinter(std::unique_ptr<DocumentPrinter> primary, std::unique_ptr<PrintFailureDialogs> dialogs);
    // The primary printer's status, whatever became of the offer.
    PrintStatus deliver(const PrintDocument& document) override;

private:
    void offerPdf(PrintStatus failure, const PrintDocument& document);

    std::unique_ptr<DocumentPrinter> primary_;
    std::unique_ptr<PrintFailureDialogs> dialogs_;
};

}  // namespace zenlith
