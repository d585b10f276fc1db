#pragma once
// The month's table drawn for one A4 page turned sideways: the title, the
// headings and a row a day, right to left, with the rows that are set apart
// shaded. The type is as large as the page allows, up to 10 points, so a
// month of every column still reads at arm's length.
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace zenlith {

struct AlmanacPageRow {
    QStringList cells;
    bool setApart = false;  // Shabbat or a festival
};

QImage almanacPageImage(const QString& title, const QStringList& headings, const std::vector<AlmanacPageRow>& rows);

}  // namespace zenlith
