#pragma once
// Paints a laid-out sky map on any painter: the screen, an image, an SVG
// file, a PDF page or a printer.
#include <QFont>
#include <QPixmap>
#include <array>

#include "chart_geometry.h"
#include "sky_scene.h"

class QPainter;

namespace zenlith {

struct SkyMapLook {
    Rgb sky;                               // by the Sun's altitude, as the form's chart
    bool grid = true;                      // altitude and azimuth lines
    std::array<QPixmap, bodyCount> pictures;  // the Moon's already shaded to its phase
    QFont font;
};

void paintSkyMap(QPainter& painter, const sky_map::SkyScene& scene, const sky_map::SkyProjection& projection,
                 const SkyMapLook& look);

}  // namespace zenlith
