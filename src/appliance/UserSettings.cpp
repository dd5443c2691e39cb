#include "appliance/UserSettings.h"

#include "appliance/ConfigFile.h"

namespace UserSettings {

QString path() { return QString::fromLocal8Bit(qgetenv("HOME")) + QStringLiteral("/.config/Vendra/IVO.conf"); }

std::unique_ptr<QSettings> open() { return ConfigFile::settings(path()); }

} // namespace UserSettings
