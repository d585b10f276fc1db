// The small Moon marker: a plain pale disc; the program paints the phase.
#include "pictures.h"

namespace artgen {

Draw moonDiscPicture()
{
    return fromSampler([](const QPointF& p) {
        const QPointF d = p - QPointF(11.5, 11.5);
        const bool inside = QPointF::dotProduct(d, d) < 11.0 * 11.0;
        return inside ? QColor(236, 234, 222) : QColor(Qt::transparent);
    });
}

} // namespace artgen
