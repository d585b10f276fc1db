#include "document_printer.h"

#include <QRegularExpression>
#include <utility>

namespace zenlith {

void DocumentPrinter::setFontSize(int points) {
    fontSize_ = points;
}

void DocumentPrinter::setRightToLeft(bool on) {
    rightToLeft_ = on;
}

void DocumentPrinter::printLine(const QString& text) {
    // The report is written with CR LF, but a text box hands it back with LF.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(lineBreak)) {
        document_.items.emplace_back(PrintedLine{line, fontSize_, rightToLeft_});
    }
}

void DocumentPrinter::printImage(const QImage& image) {
    document_.items.emplace_back(image);
}

void DocumentPrinter::setLandscape(bool on) {
    document_.landscape = on;
}

PrintStatus DocumentPrinter::endDocument() {
    const PrintDocument finished = std::exchange(document_, {});
    return deliver(finished);
}

}  // namespace zenlith
