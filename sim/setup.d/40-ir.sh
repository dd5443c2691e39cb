#!/usr/bin/env bash
# The appliance's IR receiver and IR daemon: /dev/lirc0 is a FIFO that
# "ivo-sim press" feeds with raw samples; the daemon's configuration and its
# service script (40-ir.start, /etc/Tellora/init.d/lirc).
source "$SIM_SRC/setup-lib.sh"

mkdir -p "$SYSROOT/dev"
if [ ! -p "$SYSROOT/dev/lirc0" ]; then
    rm -f "$SYSROOT/dev/lirc0"
    mkfifo -m 660 "$SYSROOT/dev/lirc0"
fi
install_standins ir
# The service script runs outside the setup: it brings the pid file helpers.
cp "$SIM_SRC/pidfile.sh" "$SIM_STATE/pidfile.sh"
