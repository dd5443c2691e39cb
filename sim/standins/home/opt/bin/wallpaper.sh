#!/usr/bin/env bash
# Stand-in for the script that paints the wallpaper on a second screen.
source '@SYSROOT@/sim/lib.sh'
sim_log "$@"
sim_hang_check
