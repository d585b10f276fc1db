#pragma once

#include "pictures.h"

#include <QSize>
#include <QString>

namespace artgen {

// Writes dir/name.png at the nominal size and dir/name@2x.png at twice it.
bool writePicture(const QString& dir, const QString& name, QSize size, const Draw& draw);

// Writes iconsDir/hicolor/NxN/apps/<name>.png for the usual desktop sizes,
// each drawn at its own size from a drawing made for `nominal` pixels.
bool writeThemeIcons(const QString& iconsDir, const QString& name, int nominal, const Draw& draw);

} // namespace artgen
