#pragma once
// A table drawn for one A4 page, right to left: the title lines, the headings
// and the rows, in one type family for Hebrew and digits. The type is as large
// as the page allows up to the given size, and the columns share out the
// width the cells leave, so the table spans the page.
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace zenlith {

struct TablePageRow {
    QStringList cells;  // fewer than the headings: the last spans the rest of the row
    bool shaded = false;
    bool bold = false;
};

struct TablePage {
    QStringList titleLines;
    QStringList headings;
    std::vector<TablePageRow> rows;
    bool landscape = false;
    double largestPoints = 10;
};

QImage tablePageImage(const TablePage& table);

}  // namespace zenlith
