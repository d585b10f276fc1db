#pragma once
// A printer for tests: keeps every document it is handed and reports the
// status the test chose, without touching a spooler. Given a PDF file, it
// also paints each document into it as a printer paints its pages, and the
// painting's status is its answer.
#include <QString>
#include <vector>

#include "document_printer.h"
#include "pdf_printer.h"

namespace zenlith::test {

class RecordingPrinter : public DocumentPrinter {
public:
    explicit RecordingPrinter(PrintStatus answer = PrintStatus::printed) : answer_(answer) {}

    PrintStatus deliver(const PrintDocument& document) override {
        delivered.push_back(document);
        return paintInto.isEmpty() ? answer_ : PdfPrinter(paintInto).deliver(document);
    }

    std::vector<PrintDocument> delivered;
    QString paintInto;

private:
    PrintStatus answer_;
};

}  // namespace zenlith::test
