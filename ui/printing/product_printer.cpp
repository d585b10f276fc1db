#include "product_printer.h"

#include "pdf_fallback_printer.h"
#include "pdf_saver.h"
#include "system_printer.h"

namespace zenlith {

std::unique_ptr<Printer> makeProductPrinter() {
    return std::make_unique<PdfFallbackPrinter>(std::make_unique<SystemPrinter>(),
                                                std::make_unique<ModalPrintFailureDialogs>());
}

std::unique_ptr<Printer> makeProductPdfSaver(std::function<QString()> suggestedName) {
    return std::make_unique<PdfSaver>(std::make_unique<ModalPrintFailureDialogs>(std::move(suggestedName)));
}

}  // namespace zenlith
