#pragma once
// Reads a PDF back with poppler's command-line tools, independently of the Qt
// code that wrote it.
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace zenlith::test {

// False when poppler-utils is not installed.
bool popplerAvailable();

// The text, one entry per printed line; the direction marks pdftotext adds
// are removed.
QStringList pdfLines(const QString& fileName);

// pdftotext gives right-to-left lines in visual order and may split a Hebrew
// word where glyphs are kerned apart, so a printed line is recognised by its
// words regardless of their order: true when some line of the PDF, or a few
// consecutive ones for a line wrapped at the page width, hold exactly the
// words of the expected line. The exact order of the pieces is checked on the
// recorded document, before painting.
bool hasLineWithWordsOf(const QStringList& lines, const QString& expected);

int pdfPageCount(const QString& fileName);

// Where each printed line stands on the first page, in points, and the page's
// width.
struct PdfLineBoxes {
    double pageWidth = 0;
    QList<QRectF> lines;
};
PdfLineBoxes pdfLineBoxes(const QString& fileName);

// The page of each image, in the order of the pages.
QList<int> pdfImagePages(const QString& fileName);

// A page as poppler paints it, at the given resolution.
QImage pdfPageImage(const QString& fileName, int page, int dotsPerInch);

}  // namespace zenlith::test
