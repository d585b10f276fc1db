#include "window_geometry.h"

#include <QSettings>
#include <QWidget>

#include "kept_settings.h"

namespace zenlith {

namespace {

QString keyOf(const QString& name) { return name + QStringLiteral("/geometry"); }

}  // namespace

void restoreWindowGeometry(QWidget& window, const QSettings& settings, const QString& name) {
    const QVariant kept = settings.value(keyOf(name));
    if (kept.typeId() == QMetaType::QByteArray) window.restoreGeometry(kept.toByteArray());
}

void saveWindowGeometry(const QWidget& window, QSettings& settings, const QString& name) {
    keepValue(settings, keyOf(name), window.saveGeometry());
}

}  // namespace zenlith
