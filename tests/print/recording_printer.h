#pragma once
// A printer for tests: keeps every document it is handed and reports the
// status the test chose, without touching a spooler.
#include <vector>

#include "document_printer.h"

namespace zenlith::test {

class RecordingPrinter : public DocumentPrinter {
public:
    explicit RecordingPrinter(PrintStatus answer = PrintStatus::printed) : answer_(answer) {}

    PrintStatus deliver(const PrintDocument& document) override {
        delivered.push_back(document);
        return answer_;
    }

    std::vector<PrintDocument> delivered;

private:
    PrintStatus answer_;
};

}  // namespace zenlith::test
