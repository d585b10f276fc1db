#include "page_painter.h"

#include <QPainter>
#include <QTextOption>
#include <algorithm>

namespace zenlith {

namespace {

// Latin from a font that has no Hebrew, Hebrew from a Hebrew font, so that no
// embedded font mixes both scripts: a spooler's PostScript step may give the
// two halves of a mixed font one name, and then the Hebrew is lost.
const QStringList printFamilies{QStringLiteral("DejaVu Serif"), QStringLiteral("Frank Ruehl CLM")};

class PagePainter {
public:
    explicit PagePainter(QPrinter& printer) : printer_(printer) {}

    bool begin() { return painter_.begin(&printer_); }

    bool end() { return painter_.end() && pagesOk_ && printer_.printerState() != QPrinter::Error; }

    void operator()(const PrintedLine& line) {
        QFont font;
        font.setFamilies(printFamilies);
        font.setPointSize(line.fontSize);
        painter_.setFont(font);
        // A report line is wider than a portrait page at this size; it wraps
        // rather than losing its ends past the margin.
        // Absolute: a plain right alignment turns left in right-to-left text.
        QTextOption option(line.rightToLeft ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft);
        option.setTextDirection(line.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        const qreal width = printer_.width();
        const qreal height = std::max<qreal>(painter_.fontMetrics().lineSpacing(),
                                             painter_.boundingRect(QRectF(0, 0, width, printer_.height()), line.text, option).height());
        if (top_ + height > printer_.height()) {
            newPage();
        }
        painter_.drawText(QRectF(0, top_, width, height), line.text, option);
        top_ += height;
    }

    void operator()(const QImage& image) {
        if (top_ > 0) {
            newPage();
        }
        const QSize size = image.size().scaled(printer_.width(), printer_.height(), Qt::KeepAspectRatio);
        painter_.drawImage(QRect(QPoint((printer_.width() - size.width()) / 2, 0), size), image);
        top_ = printer_.height();  // whatever follows starts a page of its own
    }

private:
    void newPage() {
        pagesOk_ = printer_.newPage() && pagesOk_;
        top_ = 0;
    }

    QPrinter& printer_;
    QPainter painter_;
    qreal top_ = 0;
    bool pagesOk_ = true;
};

}  // namespace

bool paintDocument(QPrinter& printer, const PrintDocument& document) {
    if (document.landscape) {
        printer.setPageOrientation(QPageLayout::Landscape);
    }
    PagePainter pages(printer);
    if (!pages.begin()) {
        return false;
    }
    for (const PrintItem& item : document.items) {
        std::visit(pages, item);
    }
    return pages.end();
}

}  // namespace zenlith
