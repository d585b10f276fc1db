#pragma once
// The Moon's phase, drawn as dark-grey lines across a copy of a Moon picture;
// the copy keeps its shading however often the window repaints.
#include <QPixmap>

#include "chart_geometry.h"

namespace zenlith {

QPixmap shadedCopy(const QPixmap& moonPicture, const MoonPhaseDrawing& phase);

}  // namespace zenlith
