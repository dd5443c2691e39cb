#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The user's settings file, ~/.config/Vendra/IVO.conf (organisation "Vendra",
// application "IVO"). Opened by its path under the current HOME rather than
// through the organisation name, because Qt resolves that location once per
// process and tests switch homes.
//
// The keys more than one unit reads have their typed reader here. Where two
// readers of one key compare differently, each rule has its own function.
namespace UserSettings {
QString path();
std::unique_ptr<QSettings> open();

// "TaskBar/Enable" as start-up and the tiles read it: "True" ignoring case,
// "False" when absent.
bool taskBarEnabled();
bool taskBarEnabled(const QSettings& settings);
// Writes "TaskBar/Enable" as "True" or "False" and writes the settings out.
void setTaskBarEnabled(bool enabled);
// "TaskBar/Enable" stored as "False" when it is empty; true when it was.
bool storeTaskBarDefault();
// The web interface turned the task bar on: "TaskBar/Enable" is "yes"
// ignoring case ("no" when absent) and "TaskBar/setfromweb" is a number other
// than 0.
bool taskBarTurnedOnFromWeb();
// Removes "TaskBar/setfromweb" and writes the settings out.
void forgetTaskBarFromWeb();

// "Wallpaper/Image": 0 (the default picture) to 3; 0 when absent.
int wallpaper();
// Stores the chosen picture in "Wallpaper/Image" and, for templates 1 to 3,
// the appliance path of its 4K picture in "Wallpaper/Path" (left as it is
// for the default picture); writes the settings out.
void setWallpaper(int image);

// Which status labels of the title bar show: each unless its key
// ("UIControl/DisplayDatetime", "UIControl/DisplayIP",
// "UIControl/DisplayServername") is "no" ignoring case.
struct Labels_s {
    bool clock = true;
    bool addresses = true;
    bool names = true;
};
Labels_s labels();
Labels_s labels(const QSettings& settings);
enum class Label { Clock, Addresses, Names };
// Writes one of those keys, "yes" or "no", and writes the settings out.
void setLabelShown(Label label, bool shown);

// "BENTO/LastRun": the package whose tile was entered last.
QString lastRun();
void setLastRun(const QString& package);

// The codes learned for custom remote slot 0, 1 or 2: group "RemoteKeySet%1"
// holds one key "RemoteKeySet%1/key%2" per learned button (step 0 to 6),
// each a scan code in decimal. A slot with "key0" set counts as learned.
QString remoteKeySetGroup(int slot);
QString remoteKeySetKey(int slot, int step);

// "Preference/InternalIR": the built-in IR receiver's mode the viewer chose;
// 0 (none chosen) when absent.
int internalIr();
void setInternalIr(int mode);
} // namespace UserSettings
