#pragma once
// The printers collect a whole document and hand it over at its end; each kind
// of output only says how a finished document is delivered.
#include "print_document.h"
#include "printer.h"

namespace zenlith {

class DocumentPrinter : public Printer {
public:
    void setFontSize(int points) override;
    void setRightToLeft(bool on) override;
    void printLine(const QString& text) override;
    void printImage(const QImage& image) override;
    void setLandscape(bool on) override;
    PrintStatus endDocument() override;

    virtual PrintStatus deliver(const PrintDocument& document) = 0;

private:
    PrintDocument document_;
    int fontSize_ = 10;
    bool rightToLeft_ = false;
};

}  // namespace zenlith
