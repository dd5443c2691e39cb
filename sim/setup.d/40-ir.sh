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

# The built-in receiver's driver: the modes it offers and the one it is in.
put_file /proc/ite_8721f_cir/support <<'MODES'
1:NEC
2:RC6
3:Sony SIRC
MODES
put_file /proc/ite_8721f_cir/current <<'MODE'
1
MODE
