#include "settings/DisplayState.h"

#include "appliance/UserSettings.h"
#include "display/DisplayCommands.h"
#include "display/DpmsConfig.h"

namespace DisplayState {

View_s read()
{
    View_s v;
    ScreenConfFile file;
    file.load();
    v.screens = file.connectedScreens().mid(0, ScreenConfFile::kMaxOutputs);
    if (v.screens.size() >= 2)
        v.arrangement = ScreenConfFile::arrangementOf(v.screens[1].extendMode);
    v.overscanOffered = v.screens.size() < 2;
    if (!v.overscanOffered) {
        if (file.clearOverscan())
            file.save();
    } else {
        v.overscanMargin = file.overscanMargin(&v.overscanError);
    }
    DpmsConfig().mode(&v.standbySeconds, nullptr, nullptr);
    v.wallpaper = UserSettings::wallpaper();
    return v;
}

int applyArrangement(int arrangement, const QList<ScreenConfFile::screenInfo_s>& screens)
{
    ScreenConfFile file;
    file.load();
    file.setArrangement(ScreenConfFile::Arrangement(arrangement), screens);
    if (screens.size() > 1)
        file.setOverscanMargin(0);
    file.save();
    DisplayCmd::applyArrangement();
    return DisplayCmd::primaryOutputX();
}

int applyScreenOff(int seconds)
{
    DpmsConfig dpms;
    dpms.setMode(seconds, -1, -1);
    dpms.savePreset();
    int standby = 0;
    dpms.mode(&standby, nullptr, nullptr);
    return standby;
}

void applyOverscan(int margin)
{
    ScreenConfFile file;
    file.load();
    file.setOverscanMargin(margin);
    file.save();
    DisplayCmd::updateMargins();
}

} // namespace DisplayState
