# Pid files of the simulator's processes hold the pid and the process's start
# time: a pid the kernel has since given to another program (after a reboot or
# a killed session) is neither taken for ours nor killed.

# The start time of process PID, empty when there is none. The command name in
# /proc/PID/stat may hold blanks, so the fields are counted after its ")".
proc_start() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
    stat=${stat##*) }
    set -- $stat
    echo "${20}"
}

# write_pidfile FILE PID
write_pidfile() { echo "$2 $(proc_start "$2")" >"$1"; }

# pidfile_alive FILE: true while the process FILE names still runs.
pidfile_alive() {
    local pid start
    [ -f "$1" ] && read -r pid start <"$1" || return 1
    [ -n "$pid" ] && [ -n "$start" ] && [ "$(proc_start "$pid")" = "$start" ]
}

# kill_pidfile FILE: ends that process if it still runs, and forgets it.
kill_pidfile() {
    if pidfile_alive "$1"; then
        kill "$(cut -d' ' -f1 "$1")" 2>/dev/null || true
    fi
    rm -f "$1"
}
