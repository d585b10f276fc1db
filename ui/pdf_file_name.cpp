#include "pdf_file_name.h"

#include <cstdlib>

namespace zenlith {

QString pdfFileNameFor(const std::optional<CivilDateTime>& shown) {
    if (!shown) return QStringLiteral("zenlith.pdf");
    const QChar zero(QLatin1Char('0'));
    // The sign stands before the padded digits of a year before our era.
    return QStringLiteral("zenlith-%1%2-%3-%4-%5%6.pdf")
        .arg(shown->year < 0 ? QStringLiteral("-") : QString())
        .arg(std::abs(shown->year), 4, 10, zero)
        .arg(shown->month, 2, 10, zero)
        .arg(shown->day, 2, 10, zero)
        .arg(shown->hour, 2, 10, zero)
        .arg(shown->minute, 2, 10, zero);
}

}  // namespace zenlith
