#include "almanac_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace zenlith {

namespace {

// A4 sideways at 200 dots an inch, and its margin.
constexpr int pageWidthDots = 2339;
constexpr int pageHeightDots = 1654;
constexpr int marginDots = 60;
constexpr double dotsPerPoint = 200.0 / 72;
constexpr double largestPoints = 10;
constexpr double cellPaddingEms = 0.5;

QFont pageFont(double pixels, bool bold) {
    QFont font(QStringLiteral("Frank Ruehl CLM"));
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    return font;
}

// Each column as wide as its widest cell, in pixels of the given font.
std::vector<double> naturalWidths(const QFont& font, const QStringList& headings,
                                  const std::vector<AlmanacPageRow>& rows) {
    const QFontMetricsF metrics(font);
    std::vector<double> widths;
    for (const QString& heading : headings) widths.push_back(metrics.horizontalAdvance(heading));
    for (const AlmanacPageRow& row : rows) {
        for (qsizetype n = 0; n < row.cells.size() && n < headings.size(); ++n) {
            widths[n] = std::max(widths[n], metrics.horizontalAdvance(row.cells[n]));
        }
    }
    for (double& width : widths) width += 2 * cellPaddingEms * font.pixelSize();
    return widths;
}

}  // namespace

QImage almanacPageImage(const QString& title, const QStringList& headings, const std::vector<AlmanacPageRow>& rows) {
    QImage page(pageWidthDots, pageHeightDots, QImage::Format_RGB32);
    page.fill(Qt::white);
    const double usableWidth = pageWidthDots - 2 * marginDots;
    const double usableHeight = pageHeightDots - 2 * marginDots;
    // Lines: the title, the headings and the rows, each 1.6 times the type.
    const double lines = 1.5 + 1 + static_cast<double>(rows.size());
    double pixels = std::min(largestPoints * dotsPerPoint, usableHeight / lines / 1.6);
    const std::vector<double> atSize = naturalWidths(pageFont(pixels, true), headings, rows);
    const double total = std::accumulate(atSize.begin(), atSize.end(), 0.0);
    if (total > usableWidth) pixels *= usableWidth / total;
    std::vector<double> widths = naturalWidths(pageFont(pixels, true), headings, rows);
    // What is left over is shared out, so the table spans the page.
    const double spare = usableWidth - std::accumulate(widths.begin(), widths.end(), 0.0);
    for (double& width : widths) width += std::max(0.0, spare) / static_cast<double>(widths.size());
    const double lineHeight = pixels * 1.6;

    QPainter painter(&page);
    painter.setPen(Qt::black);
    painter.setFont(pageFont(pixels * 1.3, true));
    const QRectF titleBox(marginDots, marginDots, usableWidth, lineHeight * 1.5);
    painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignVCenter, title);
    double top = titleBox.bottom();
    const auto drawRow = [&](const QStringList& cells, bool bold, bool shaded) {
        if (shaded) painter.fillRect(QRectF(marginDots, top, usableWidth, lineHeight), QColor(225, 225, 225));
        painter.setFont(pageFont(pixels, bold));
        double right = pageWidthDots - marginDots;
        for (qsizetype n = 0; n < cells.size() && n < static_cast<qsizetype>(widths.size()); ++n) {
            const QRectF cell(right - widths[n], top, widths[n], lineHeight);
            painter.drawText(cell, Qt::AlignCenter, cells[n]);
            right -= widths[n];
        }
        top += lineHeight;
        painter.drawLine(QPointF(marginDots, top), QPointF(pageWidthDots - marginDots, top));
    };
    drawRow(headings, true, false);
    for (const AlmanacPageRow& row : rows) drawRow(row.cells, false, row.setApart);
    return page;
}

}  // namespace zenlith
