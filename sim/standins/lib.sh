# Sourced by every stand-in and by the wrappers around this machine's own
# programs: finds the sysroot, logs the command line and honours the
# program's hang switch. The log holds one line per command, paths shown as
# the appliance has them. The setup writes the sysroot's path in place of the
# marker below.
SYSROOT='@SYSROOT@'
SIM_STATE=$SYSROOT/sim

sim_log() {
    local line="${0#"$SYSROOT"}" a
    # Stand-ins for programs found on PATH, and the runner's actions, log
    # their bare name.
    case $0 in "$SIM_STATE"/bin/* | "$SIM_STATE"/actions/*) line=${0##*/} ;; esac
    for a in "$@"; do
        case $a in
            *[[:space:]]*|'') line+=" \"${a//"$SYSROOT"/}\"" ;;
            *) line+=" ${a//"$SYSROOT"/}" ;;
        esac
    done
    printf '%s\n' "$line" >>"$SIM_STATE/commands.log"
    # The outermost simulated program, the one the product started: the
    # programs this one starts inherit it.
    export SIM_STARTED_AS=${SIM_STARTED_AS:-$line}
}

# sim_setting_in VAR KEY DEFAULT: sets VAR to the simulator setting KEY from
# sim/settings (KEY=value lines, the last one counts; empty means unset), else
# to DEFAULT. Only the shell's builtins: every stand-in asks on every call.
sim_setting_in() {
    local -n _value=$1
    local _line
    _value=
    if [ -r "$SIM_STATE/settings" ]; then
        while IFS= read -r _line || [ -n "$_line" ]; do
            [[ $_line != "$2="* ]] || _value=${_line#*=}
        done <"$SIM_STATE/settings"
    fi
    [ -n "$_value" ] || _value=$3
}

# A simulator setting, printed.
sim_setting() {
    local v
    sim_setting_in v "$1" "$2"
    printf '%s' "$v"
}

# sim_hang_switch VAR FILE: sets VAR to the hang switch of the program FILE:
# its file name in upper case, the extension dropped, every character other
# than A-Z and 0-9 turned into "_", then "_HANG" ("xrandr-hotplug.sh" gives
# XRANDR_HOTPLUG_HANG, "pw-cat" PW_CAT_HANG, "bento_cli" BENTO_CLI_HANG).
sim_hang_switch() {
    local -n _switch=$1
    local _name=${2##*/}
    [[ $_name != ?*.* ]] || _name=${_name%.*}
    _name=${_name^^}
    _switch=${_name//[^A-Z0-9]/_}_HANG
}

# Called right after sim_log: with the program's hang switch set to "yes" in
# sim/settings, the program never answers, as one that waits for a password
# or a device. It has logged its line; it adds "PID SWITCH" to sim/hangs.log
# (a test waits for that line, and sees whether the pid was ended) and waits
# until it is killed or the sysroot's sim folder goes. The switch is the one
# of the name it was started by (what the log shows) or, for a link, of the
# file the link leads to (a package's run.sh is tvapp: RUN_HANG or
# TVAPP_HANG).
sim_hang_check() {
    local switch value target fd
    sim_hang_switch switch "$0"
    sim_setting_in value "$switch" no
    if [ "$value" != yes ] && [ -L "$0" ]; then
        target=$(readlink -f "$0")
        sim_hang_switch switch "$target"
        sim_setting_in value "$switch" no
    fi
    [ "$value" = yes ] || return 0
    printf '%s %s\n' "$$" "$switch" >>"$SIM_STATE/hangs.log"
    # "PID LINE": the command line (as logged) of the outermost simulated
    # program it runs under, itself when none; the product names that one
    # when it gives up on it.
    printf '%s %s\n' "$$" "$SIM_STARTED_AS" >>"$SIM_STATE/hangs.started"
    # A read with a time-out on a pipe this shell holds both ends of: no child
    # process waits with it, so a signal to the shell (or to its process
    # group) leaves nothing behind.
    exec {fd}<> <(:)
    wait "$!" 2>/dev/null || :
    while [ -d "$SIM_STATE" ]; do
        read -r -t 1 -u "$fd" _ || :
    done
    exit 1
}

# Runs a stand-in's Python part. Without the site module: the parts need only
# the standard library, and site takes about a third of the interpreter's
# start, which every call of the stand-in pays.
sim_exec_python() {
    exec python3 -S "$@"
}

# Runs this machine's own program of the wrapper's name: the first one on PATH
# that is not the simulator's.
sim_exec_real() {
    local name=${0##*/} dir
    local IFS=:
    for dir in $PATH; do
        [ -n "$dir" ] && [ "$dir" != "$SIM_STATE/bin" ] || continue
        if [ -x "$dir/$name" ] && [ ! -d "$dir/$name" ] && ! [ "$dir/$name" -ef "$SIM_STATE/bin/$name" ]; then
            exec "$dir/$name" "$@"
        fi
    done
    echo "$name: command not found" >&2
    exit 127
}
