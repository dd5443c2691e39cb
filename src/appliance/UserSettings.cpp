#include "appliance/UserSettings.h"

namespace UserSettings {

QString path() { return QString::fromLocal8Bit(qgetenv("HOME")) + QStringLiteral("/.config/Vendra/IVO.conf"); }

std::unique_ptr<QSettings> open() { return std::make_unique<QSettings>(path(), QSettings::IniFormat); }

} // namespace UserSettings
