#include "pdf_fallback_printer.h"

#include <utility>

#include "pdf_printer.h"
#include "print_texts.h"

namespace zenlith {

PdfFallbackPrinter::PdfFallbackPrinter(std::unique_ptr<DocumentPrinter> primary,
                                       std::unique_ptr<PrintFailureDialogs> dialogs)
    : primary_(std::move(primary)), dialogs_(std::move(dialogs)) {}

PrintStatus PdfFallbackPrinter::deliver(const PrintDocument& document) {
    const PrintStatus status = primary_->deliver(document);
    if (status != PrintStatus::printed) {
        offerPdf(status, document);
    }
    return status;
}

void PdfFallbackPrinter::offerPdf(PrintStatus failure, const PrintDocument& document) {
    const QString& reason = failure == PrintStatus::noPrinter ? printText::noPrinter : printText::failed;
    if (!dialogs_->offerPdf(reason + QLatin1Char('\n') + printText::offerPdf)) {
        return;
    }
    const QString fileName = dialogs_->pdfFileName();
    if (fileName.isEmpty()) {
        return;
    }
    if (PdfPrinter(fileName).deliver(document) != PrintStatus::printed) {
        dialogs_->tell(printText::saveFailed);
    }
}

}  // namespace zenlith
