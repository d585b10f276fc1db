#include "moon_shading.h"

#include <QPainter>

namespace zenlith {

QPixmap shadedCopy(const QPixmap& moonPicture, const MoonPhaseDrawing& phase) {
    QPixmap copy = moonPicture.copy();
    const auto width = static_cast<float>(moonPicture.deviceIndependentSize().width());
    QPainter painter(&copy);
    painter.setPen(QPen(QColor(52, 52, 52), 2));
    for (const ShadeLine& line : moonShadeLines(width, phase)) {
        painter.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
    }
    return copy;
}

}  // namespace zenlith
