#include "kept_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

namespace zenlith {

namespace {

// A settings file for a run that keeps nothing, in a folder of its own that
// goes with the settings object.
class RunOnlySettings : public QSettings {
public:
    RunOnlySettings() : QSettings(folderPath() + QStringLiteral("/zenlith.ini"), QSettings::IniFormat) {}
    // Synced before the folder goes, so that QSettings' own destructor has
    // nothing left to write back into it.
    ~RunOnlySettings() override {
        clear();
        sync();
        QDir(fileName().section(QLatin1Char('/'), 0, -2)).removeRecursively();
    }

private:
    static QString folderPath() {
        const QString path = QDir::temp().filePath(QStringLiteral("zenlith-settings-%1").arg(QCoreApplication::applicationPid()));
        QDir().mkpath(path);
        return path;
    }
};

}  // namespace

QString keptSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/zenlith/zenlith.conf");
}

std::unique_ptr<QSettings> openKeptSettings(const QString& path) {
    const QFileInfo file(path);
    if (file.exists() && !file.isFile()) {
        std::fprintf(stderr, "zenlith: %s is not a regular file; starting with the default settings, keeping none\n",
                     QFile::encodeName(path).constData());
        return std::make_unique<RunOnlySettings>();
    }
    return std::make_unique<QSettings>(path, QSettings::NativeFormat);
}

namespace {

// A file read back gives texts where a number or a flag was written.
bool sameValue(const QVariant& kept, const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray) {
        return kept.typeId() == QMetaType::QByteArray && kept.toByteArray() == value.toByteArray();
    }
    return kept.isValid() && kept.toString() == value.toString();
}

}  // namespace

void keepValue(QSettings& settings, const QString& key, const QVariant& value, const QVariant& absent) {
    if (!sameValue(settings.value(key, absent), value)) settings.setValue(key, value);
}

bool readFlag(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    return value.toString() == QLatin1String("true");
}

}  // namespace zenlith
