# Sourced: starting and ending the simulator's IR daemon, LIRC's own lircd
# with its UDP driver (no receiver needed) and --allow-simulate, on
# /dev/lircd. Used by "ivo-sim run" (setup.d/40-ir.start) and by the
# appliance's service script stand-in (/etc/Tellora/init.d/lirc). Needs
# SYSROOT, SIM_STATE and the pid file helpers.

lircd_pidfile=$SIM_STATE/pids/lircd.pid

# Returns once the daemon's socket is there; false when it never comes.
lircd_start() {
    local socket=$SYSROOT/dev/lircd port
    pidfile_alive "$lircd_pidfile" && return 0
    command -v lircd >/dev/null || { echo "no lircd on this machine (package lirc)" >&2; return 1; }
    mkdir -p "$SIM_STATE/pids"
    port=$(python3 -S -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    rm -f "$socket"
    nohup lircd --nodaemon --options-file="$SIM_STATE/ir/lirc_options.conf" --driver=udp --device="$port" \
        --output="$socket" --pidfile="$SIM_STATE/ir/lircd.pid" --logfile="$SIM_STATE/ir/lircd.log" \
        --allow-simulate "$SIM_STATE/ir/lircd.conf" </dev/null >/dev/null 2>&1 &
    write_pidfile "$lircd_pidfile" $!
    for _ in $(seq 50); do
        [ -S "$socket" ] && return 0
        pidfile_alive "$lircd_pidfile" || break
        sleep 0.1
    done
    echo "lircd did not open $socket (see $SIM_STATE/ir/lircd.log)" >&2
    return 1
}

# Returns once the daemon has ended, so its clients have seen the end.
lircd_stop() {
    local pid
    pidfile_alive "$lircd_pidfile" || { rm -f "$lircd_pidfile"; return 0; }
    pid=$(cut -d' ' -f1 "$lircd_pidfile")
    kill_pidfile "$lircd_pidfile"
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
}
