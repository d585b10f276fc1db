#pragma once
// A window's place and size kept between runs. Qt's own record is used: it
// tells the frame from the window (no creeping under title bars) and brings a
// window saved on a screen that is gone onto the nearest one.
#include <QString>

class QSettings;
class QWidget;

namespace zenlith {

// Under `name`/geometry; nothing happens when there is no usable record.
void restoreWindowGeometry(QWidget& window, const QSettings& settings, const QString& name);
// Written only when it differs from what is kept.
void saveWindowGeometry(const QWidget& window, QSettings& settings, const QString& name);

}  // namespace zenlith
