#pragma once

#include "display/ScreenConfFile.h"

#include <QList>
#include <QString>

// The Display page's view of the appliance: what it reads from the screen
// configuration file, the X server's screen blanking and the user settings
// when it is shown, and the steps that apply a choice of the secondary
// monitors, screen-off, overscan and wallpaper rows. Resolutions have their
// own step with a confirmation (ResolutionChange).
namespace DisplayState {

struct View_s {
    // The connected outputs in section order, at most five.
    QList<ScreenConfFile::screenInfo_s> screens;
    // The secondary monitors' arrangement by output 2's "ExtendMode"
    // (ScreenConfFile::Arrangement); -1 with one output or a word it does
    // not know, which leaves the row's label as it was.
    int arrangement = -1;
    // Overscan is offered with exactly one output.
    bool overscanOffered = false;
    int overscanMargin = 0; // tenths of a percent; 0 when not offered
    QString overscanError; // "field is not an int" for a margin in no base
    int standbySeconds = 0; // the X server's standby time-out, 0 = never
    int wallpaper = 0; // "Wallpaper/Image"
};

// Reads everything the page shows. With two or more outputs a margin left
// in the file is set back to 0 and the file saved, as overscan then is off.
View_s read();

// Secondary monitors: writes the arrangement (ScreenConfFile::Arrangement)
// for the connected outputs, sets the overscan margin to 0 when there are
// several, saves, applies it with the hot-plug script and returns the
// primary output's x offset, where the dialog goes.
int applyArrangement(int arrangement, const QList<ScreenConfFile::screenInfo_s>& screens);
// Screen off: one time-out for standby, suspend and off, kept as the preset;
// returns the standby time-out the X server reports afterwards.
int applyScreenOff(int seconds);
// Overscan: stores the margin and has the margin tool apply it.
void applyOverscan(int margin);

} // namespace DisplayState
