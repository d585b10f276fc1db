#include "table_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace zenlith {

namespace {

// A4 at 200 dots an inch, and its margin.
constexpr int longSideDots = 2339;
constexpr int shortSideDots = 1654;
constexpr int marginDots = 60;
constexpr double dotsPerPoint = 200.0 / 72;
constexpr double cellPaddingEms = 0.5;
constexpr double lineSpacing = 1.6;   // a line's height, in type sizes
constexpr double titleLines = 1.5;    // a title line's height, in lines
constexpr double titleScale = 1.3;    // the title's type against the table's

QFont pageFont(double pixels, bool bold) {
    QFont font(QStringLiteral("Frank Ruehl CLM"));
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    return font;
}

// A crowded table wraps its headings onto two lines and pads its cells less,
// so that many columns still print at a size one can read.
struct Fit {
    double pixels = 0;
    bool crowded = false;
    double headingLines() const { return crowded ? 2 : 1; }
    double paddingEms() const { return crowded ? cellPaddingEms / 2 : cellPaddingEms; }
};

// The narrowest a heading can be on at most two lines, split at a space.
double headingWidth(const QFontMetricsF& metrics, const QString& heading, bool wrapped) {
    double width = metrics.horizontalAdvance(heading);
    for (qsizetype space = heading.indexOf(QLatin1Char(' ')); wrapped && space > 0;
         space = heading.indexOf(QLatin1Char(' '), space + 1)) {
        width = std::min(width, std::max(metrics.horizontalAdvance(heading.left(space)),
                                         metrics.horizontalAdvance(heading.mid(space + 1))));
    }
    return width;
}

// Each column as wide as its widest cell, in pixels of the given font as the
// page measures it; a spanning cell takes the room of the columns it spans.
std::vector<double> naturalWidths(QPainter& painter, const QFont& font, const TablePage& table, const Fit& fit) {
    painter.setFont(font);
    const QFontMetricsF metrics = QFontMetricsF(painter.fontMetrics());
    const qsizetype count = table.headings.size();
    std::vector<double> widths;
    for (const QString& heading : table.headings) widths.push_back(headingWidth(metrics, heading, fit.crowded));
    for (const TablePageRow& row : table.rows) {
        for (qsizetype n = 0; n < row.cells.size() && n < count; ++n) {
            const bool spans = n == row.cells.size() - 1 && n < count - 1;
            if (!spans) widths[n] = std::max(widths[n], metrics.horizontalAdvance(row.cells[n]));
        }
    }
    for (double& width : widths) width += 2 * fit.paddingEms() * font.pixelSize();
    return widths;
}

// The largest type the page takes up to the table's own size: the headings
// on one line while that fits the width, else on two when that is larger.
Fit fitted(QPainter& painter, const TablePage& table, double usableWidth, double usableHeight) {
    Fit best;
    for (const bool crowded : {false, true}) {
        Fit fit{0, crowded};
        const double lines = titleLines * static_cast<double>(table.titleLines.size()) + fit.headingLines() +
                             static_cast<double>(table.rows.size());
        fit.pixels = std::min(table.largestPoints * dotsPerPoint, usableHeight / lines / lineSpacing);
        const auto totalWidth = [&] {
            const std::vector<double> atSize = naturalWidths(painter, pageFont(fit.pixels, true), table, fit);
            return std::accumulate(atSize.begin(), atSize.end(), 0.0);
        };
        double total = totalWidth();
        if (total <= usableWidth && !crowded) return fit;
        // Type comes in whole pixels, so the width does not shrink quite in proportion.
        for (int tries = 0; tries < 20 && total > usableWidth; ++tries, total = totalWidth()) {
            fit.pixels *= std::min(0.99, usableWidth / total);
        }
        if (fit.pixels > best.pixels) best = fit;
    }
    return best;
}

}  // namespace

QImage tablePageImage(const TablePage& table) {
    const int widthDots = table.landscape ? longSideDots : shortSideDots;
    const int heightDots = table.landscape ? shortSideDots : longSideDots;
    QImage page(widthDots, heightDots, QImage::Format_RGB32);
    page.fill(Qt::white);
    const double usableWidth = widthDots - 2 * marginDots;
    const double usableHeight = heightDots - 2 * marginDots;
    QPainter painter(&page);
    painter.setPen(Qt::black);
    const Fit fit = fitted(painter, table, usableWidth, usableHeight);
    const double pixels = fit.pixels;
    std::vector<double> widths = naturalWidths(painter, pageFont(pixels, true), table, fit);
    const double spare = usableWidth - std::accumulate(widths.begin(), widths.end(), 0.0);
    for (double& width : widths) width += std::max(0.0, spare) / static_cast<double>(widths.size());
    const double lineHeight = pixels * lineSpacing;

    // The title as large as the table's type allows, and no wider than the page.
    double titlePixels = pixels * titleScale;
    for (const QString& line : table.titleLines) {
        painter.setFont(pageFont(titlePixels, true));
        const double width = painter.fontMetrics().horizontalAdvance(line);
        if (width > usableWidth) titlePixels *= usableWidth / width * 0.98;
    }
    painter.setFont(pageFont(titlePixels, true));
    double top = marginDots;
    for (const QString& line : table.titleLines) {
        const QRectF box(marginDots, top, usableWidth, lineHeight * titleLines);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, line);
        top = box.bottom();
    }
    const auto drawRow = [&](const QStringList& cells, bool bold, bool shaded, double rowLines = 1) {
        const double rowHeight = lineHeight * rowLines;
        if (shaded) painter.fillRect(QRectF(marginDots, top, usableWidth, rowHeight), QColor(225, 225, 225));
        painter.setFont(pageFont(pixels, bold));
        double right = widthDots - marginDots;
        for (qsizetype n = 0; n < cells.size() && n < static_cast<qsizetype>(widths.size()); ++n) {
            const bool spans = n == cells.size() - 1 && n < static_cast<qsizetype>(widths.size()) - 1;
            const double width = spans ? right - marginDots : widths[static_cast<std::size_t>(n)];
            // A cell across the rest of the row starts at its right, beside the one before it.
            const double padding = fit.paddingEms() * pixels;
            const QRectF box = spans ? QRectF(right - width, top, width - padding, rowHeight)
                                     : QRectF(right - width, top, width, rowHeight);
            const int wrap = rowLines > 1 ? Qt::TextWordWrap : 0;
            painter.drawText(box, (spans ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter) | wrap, cells[n]);
            right -= width;
        }
        top += rowHeight;
        painter.drawLine(QPointF(marginDots, top), QPointF(widthDots - marginDots, top));
    };
    drawRow(table.headings, true, false, fit.headingLines());
    for (const TablePageRow& row : table.rows) drawRow(row.cells, row.bold, row.shaded);
    return page;
}

}  // namespace zenlith
