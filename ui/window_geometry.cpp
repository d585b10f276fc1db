#include "window_geometry.h"

#include <QSettings>
#include <QWidget>

namespace zenlith {

namespace {

QString keyOf(const QString& name) { return name + QStringLiteral("/geometry"); }

}  // namespace

void restoreWindowGeometry(QWidget& window, const QSettings& settings, const QString& name) {
    const QVariant kept = settings.value(keyOf(name));
    if (kept.typeId() == QMetaType::QByteArray) window.restoreGeometry(kept.toByteArray());
}

void saveWindowGeometry(const QWidget& window, QSettings& settings, const QString& name) {
    const QByteArray geometry = window.saveGeometry();
    if (settings.value(keyOf(name)).toByteArray() != geometry) settings.setValue(keyOf(name), geometry);
}

}  // namespace zenlith
