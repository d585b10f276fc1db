#pragma once
// The settings kept between runs: read strictly, so that a damaged value never
// switches a feature on, and written only when a value changes, so that a
// start that changes nothing leaves the file alone.
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

namespace zenlith {

// The settings at `path`. A path that exists but is no regular file (a FIFO
// would block the start, a device would be replaced) is treated as absent:
// one line on standard error, and settings that live only for this run.
std::unique_ptr<QSettings> openKeptSettings(const QString& path);

// Where the program keeps its settings: the user's configuration folder.
QString keptSettingsPath();

// Written when it differs from what is kept, or from `absent` when nothing is.
void keepValue(QSettings& settings, const QString& key, const QVariant& value, const QVariant& absent = {});

// True only when the flag was written as true; anything else is false.
bool readFlag(const QSettings& settings, const QString& key);

}  // namespace zenlith
