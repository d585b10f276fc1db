#include "almanac_page.h"

#include "table_page.h"

namespace zenlith {

QImage almanacPageImage(const QString& title, const QStringList& headings, const std::vector<AlmanacPageRow>& rows) {
    TablePage table{{title}, headings, {}, true, 10};
    for (const AlmanacPageRow& row : rows) table.rows.push_back({row.cells, row.setApart, false});
    return tablePageImage(table);
}

}  // namespace zenlith
