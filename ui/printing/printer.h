#pragma once
// What the print actions need of a printer. The window talks only to this, so
// tests can put a recording printer or a PDF file in the spooler's place.
#include <QImage>
#include <QString>

namespace zenlith {

enum class PrintStatus { printed, noPrinter, failed };

class Printer {
public:
    virtual ~Printer() = default;
    virtual void setFontSize(int points) = 0;
    // Hebrew lines need right-to-left order and right alignment.
    virtual void setRightToLeft(bool on) = 0;
    // A text holding line breaks prints as several lines.
    virtual void printLine(const QString& text) = 0;
    // Scaled to fit the page, on a page of its own.
    virtual void printImage(const QImage& image) = 0;
    // Pages turned sideways, for the whole document: a table wider than tall.
    virtual void setLandscape(bool on) = 0;
    // Sends the job; the next print starts a new document.
    virtual PrintStatus endDocument() = 0;
};

}  // namespace zenlith
