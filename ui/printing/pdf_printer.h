#pragma once
// Pages written to a PDF file instead of a printer: where the user saves a job
// that could not be printed, and what tests read back.
#include <QString>

#include "document_printer.h"

namespace zenlith {

class PdfPrinter : public DocumentPrinter {
public:
    explicit PdfPrinter(QString fileName);
    PrintStatus deliver(const PrintDocument& document) override;

private:
    QString fileName_;
};

}  // namespace zenlith
