#pragma once
// The system's default printer, reached without a dialog.
#include "document_printer.h"

namespace zenlith {

class SystemPrinter : public DocumentPrinter {
public:
    PrintStatus deliver(const PrintDocument& document) override;
};

}  // namespace zenlith
