#!/usr/bin/env bash
# The appliance's IR receiver and IR daemon: /dev/lirc0 is a FIFO that
# "ivo-sim press" feeds with raw samples; the daemon's configuration for
# 40-ir.start.
source "$SIM_SRC/setup-lib.sh"

mkdir -p "$SYSROOT/dev"
if [ ! -p "$SYSROOT/dev/lirc0" ]; then
    rm -f "$SYSROOT/dev/lirc0"
    mkfifo -m 660 "$SYSROOT/dev/lirc0"
fi
install_standins ir
