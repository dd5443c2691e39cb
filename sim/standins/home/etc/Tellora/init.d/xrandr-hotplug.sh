#!/usr/bin/env bash
# Stand-in for the screen hot-plug script: the simulated screen is already set.
source '@SYSROOT@/sim/lib.sh'
sim_log "$@"
