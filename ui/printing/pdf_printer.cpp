#include "pdf_printer.h"

#include <QPrinter>
#include <utility>

#include "page_painter.h"

namespace zenlith {

PdfPrinter::PdfPrinter(QString fileName) : fileName_(std::move(fileName)) {}

PrintStatus PdfPrinter::deliver(const PrintDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName_);
    printer.setDocName(QStringLiteral("Zenlith"));
    return paintDocument(printer, document) ? PrintStatus::printed : PrintStatus::failed;
}

}  // namespace zenlith
