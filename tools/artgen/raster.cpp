#include "raster.h"

namespace artgen {

void rasterize(QImage& img, double scale, const Sampler& sample, int sub)
{
    const double step = 1.0 / sub;
    const double weight = 1.0 / (sub * sub);
    for (int py = 0; py < img.height(); ++py) {
        for (int px = 0; px < img.width(); ++px) {
            // Premultiplied accumulation so transparent samples do not
            // darken the edge.
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < sub; ++sy) {
                for (int sx = 0; sx < sub; ++sx) {
                    const QPointF p((px + (sx + 0.5) * step) / scale, (py + (sy + 0.5) * step) / scale);
                    const QColor c = sample(p);
                    const double ca = c.alphaF();
                    r += c.redF() * ca;
                    g += c.greenF() * ca;
                    b += c.blueF() * ca;
                    a += ca;
                }
            }
            if (a <= 0) {
                img.setPixelColor(px, py, Qt::transparent);
                continue;
            }
            img.setPixelColor(px, py, QColor::fromRgbF(r / a, g / a, b / a, a * weight));
        }
    }
}

} // namespace artgen
