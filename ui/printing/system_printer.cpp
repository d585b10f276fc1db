#include "system_printer.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "page_painter.h"

namespace zenlith {

PrintStatus SystemPrinter::deliver(const PrintDocument& document) {
    // Asked anew for every job: the user may set up a printer while we run.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return PrintStatus::noPrinter;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Zenlith"));
    return paintDocument(printer, document) ? PrintStatus::printed : PrintStatus::failed;
}

}  // namespace zenlith
