#!/usr/bin/env bash
# Stand-in for the screen hot-plug script: brings "Connected" and "Name" of
# screen.conf's output sections up to date from xrandr, then applies each
# connected output's "Mode", "Rate", "ExtendMode" and "ExtendFrom" with
# xrandr (the real tool on the real X server, or the simulated layout). It has
# finished when it returns, with or without "-fg".
source '@SYSROOT@/sim/lib.sh'
sim_log "$@"
sim_hang_check
sim_exec_python "$SIM_STATE/screens/hotplug.py"
