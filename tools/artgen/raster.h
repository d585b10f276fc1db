#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

#include <functional>

namespace artgen {

// Colour (straight alpha) at a point given in 1x picture coordinates.
using Sampler = std::function<QColor(const QPointF&)>;

// Fills every pixel of img by averaging sub x sub samples, so edges are
// antialiased and the same sampler draws the 1x and the 2x picture.
void rasterize(QImage& img, double scale, const Sampler& sample, int sub = 4);

} // namespace artgen
