# Sourced by every stand-in: finds the sysroot and logs the command line.
# The log holds one line per command, paths shown as the appliance has them.
# The setup writes the sysroot's path in place of the marker below.
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
}

# A simulator setting from sim/settings (KEY=value lines), else a default.
sim_setting() {
    local v
    v=$(sed -n "s/^$1=//p" "$SIM_STATE/settings" 2>/dev/null | tail -n 1)
    printf '%s' "${v:-$2}"
}
