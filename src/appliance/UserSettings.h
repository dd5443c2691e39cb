#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The user's settings file, ~/.config/Vendra/IVO.conf (organisation "Vendra",
// application "IVO"). Opened by its path under the current HOME rather than
// through the organisation name, because Qt resolves that location once per
// process and tests switch homes.
namespace UserSettings {
QString path();
std::unique_ptr<QSettings> open();
} // namespace UserSettings
