#include "legacy_fonts.h"

#include <QStringList>

namespace zenlith {

QFont legacyFont(const char* family, double points, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void mapLegacyFonts() {
    // Culmus families first for their Hebrew; DejaVu covers whatever they lack.
    QFont::insertSubstitutions(QString::fromLatin1(msSerif), {QStringLiteral("Frank Ruehl CLM"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QString::fromLatin1(msSansSerif), {QStringLiteral("Miriam CLM"), QStringLiteral("DejaVu Sans")});
}

}  // namespace zenlith
