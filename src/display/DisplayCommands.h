#pragma once

#include "appliance/CommandRunner.h"

// The display scripts and tools of the appliance that the Display page runs,
// each waited for. Every absolute path goes through Appliance::path().
namespace DisplayCmd {

// "/bin/bash -c "/etc/Tellora/init.d/xrandr-hotplug.sh -fg"": applies the
// screen configuration file after a resolution change; the script has
// finished when this returns.
CommandResult_s applyResolution();
// "/etc/Tellora/init.d/xrandr-hotplug.sh -fg", split at blanks (no shell):
// applies the file after the secondary monitors' arrangement changed.
CommandResult_s applyArrangement();
// The x offset of the primary output, from the pipeline
// "/usr/bin/xrandr | grep primary | sed 's/.*primary//g' | sed 's/+/ /g' | awk '{print $2}'"
// run through bash; 0 when its trimmed output is not a number.
int primaryOutputX();
// "/bin/bash -c "/opt/bin/ivomargin -u"": the margin tool re-applies the
// overscan margin and the window manager's margins.
CommandResult_s updateMargins();

} // namespace DisplayCmd
