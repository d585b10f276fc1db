#include "pdf_saver.h"

#include <utility>

#include "pdf_printer.h"
#include "print_texts.h"

namespace zenlith {

PdfSaver::PdfSaver(std::unique_ptr<PrintFailureDialogs> dialogs) : dialogs_(std::move(dialogs)) {}

PrintStatus PdfSaver::deliver(const PrintDocument& document) {
    const QString fileName = dialogs_->pdfFileName();
    if (fileName.isEmpty()) return PrintStatus::printed;
    const PrintStatus status = PdfPrinter(fileName).deliver(document);
    if (status != PrintStatus::printed) dialogs_->tell(printText::saveFailed);
    return status;
}

}  // namespace zenlith
