#!/usr/bin/env bash
# The audio output chooser end to end in the simulator, with the remote alone through the real IR daemon: the title
# bar's audio button opens it (the daemon restarts for it); a test plays on its device and comes back to the chosen
# one, .asoundrc untouched; a second television plugged in relabels its row; Apply makes the picked device the chosen
# one, and the home screen, which heard that OK too, does not open the chooser again; EXIT closes a chooser opened
# again. While the chooser is open the home screen and the chooser each have a client of the daemon, so every key acts
# twice: mostly both times on the button that had the focus, at times the second from where the first left it.
# IVO_SIM_SIZE picks the screen; IVO_E2E_SHOTS=DIR keeps the chooser's picture of docs/.
set -euo pipefail
src=${IVO_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
export IVO_BIN=${IVO_BIN:?the program to run} IVO_SIM_ROOT=/tmp/iva-$$
sim=$src/sim/ivo-sim root=$IVO_SIM_ROOT log=$IVO_SIM_ROOT/sim/commands.log shots=${IVO_E2E_SHOTS:-}
size=${IVO_SIM_SIZE:-1920x1080}
width=${size%x*}
fail() { echo "FAIL: $*" >&2; tail -n 20 "$root/sim/ivo.log" "$log" >&2 || true; exit 1; }
trap '"$sim" stop >/dev/null 2>&1 || true; rm -rf "$root"' EXIT
poll() { local end=$((SECONDS + $1)); shift; until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done; }
press() { irsend -d "$root/dev/lircd" SIMULATE "$(printf '%016x %02x %s simremote' "$1" "${3:-0}" "$2")" || fail "no IR daemon for $2"; }
active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
# Clients connected to the IR daemon: the daemon's own ends of their connections carry its socket's path.
clients() { [ "$(grep -c " 03 [0-9]* $root/dev/lircd\$" /proc/net/unix)" "$@" ]; }
restarts() { [ "$(grep -cxF '/etc/Tellora/init.d/lirc restart' "$log")" "$@" ]; }
played() { [ "$(cat "$root/sim/audio/played.log" 2>/dev/null | grep -c "	alsa_output.hw:$1\$")" "$2" "$3" ]; }
sink() { [ "$(PATH=$root/sim/bin:$PATH pactl get-default-sink)" = "alsa_output.hw:$1" ]; }
# Regions of the chooser in design coordinates (x y w h on 1920 x 1080) with the simulator's three outputs: the close
# button, each row's radio (r) and Test (t) button, the apply button, and the third row's label right of its name.
regions=(close:1490,190,120,120 r0:330,420,1000,110 t0:1390,430,180,90 r1:330,528,1000,110 t1:1390,538,180,90
    r2:330,637,1000,110 t2:1390,647,180,90 apply:1340,790,280,100)
crop() { local x y w h; IFS=, read -r x y w h <<<"$1"; echo "$((w * width / 1920))x$((h * width / 1920))+$((x * width / 1920))+$((y * width / 1920))"; }
cyan() { convert "$1" -crop "$(crop "$2")" +repage -fuzz 10% -fill black +opaque '#00d8ff' -fill white -opaque '#00d8ff' \
    -format '%[fx:int(mean*w*h)]' info:; }
# The region with the focus frame, in a new screenshot.
focused() {
    local r n best=none most=$((900 * width / 1920 * width / 1920))
    import -window root "$root/sim/chooser.png"
    for r in "${regions[@]}"; do
        n=$(cyan "$root/sim/chooser.png" "${r#*:}")
        [ "$n" -le "$most" ] || { best=${r%%:*} most=$n; }
    done
    echo "$best"
}
# Moves the focus to region $1 with the remote's arrows. A key acts twice and may move the focus twice, so the way
# is taken again from wherever the focus landed; each key is followed until the focus has moved.
place() { case $1 in close) echo -1 0 ;; apply) echo 9 0 ;; r*) echo "${1#r}" 0 ;; t*) echo "${1#t}" 1 ;; esac; }
goto() {
    local now row col want_row want_col tries=0
    read -r want_row want_col <<<"$(place "$1")"
    while now=$(focused) && [ "$now" != "$1" ]; do
        [ "$now" != none ] && [ $((tries++)) -lt 12 ] || return 1
        read -r row col <<<"$(place "$now")"
        if [ "$row" -lt "$want_row" ]; then press 2 KEY_DOWN
        elif [ "$row" -gt "$want_row" ]; then press 1 KEY_UP
        elif [ "$col" -lt "$want_col" ]; then press 4 KEY_RIGHT
        else press 3 KEY_LEFT; fi
        poll 30 moved "$now" || true
    done
}
moved() { [ "$(focused)" != "$1" ]; }
# Light pixels of the third row's label right of "HDMI 2", where a monitor's name goes, in the last screenshot.
named() { convert "$root/sim/chooser.png" -crop "$(crop 620,668,480,48)" +repage -threshold 60% -format '%[fx:int(mean*w*h)]' info:; }
area() { echo $(($1 * width / 1920 * width / 1920)); }
unset DISPLAY
for attempt in 1 2 3; do # another X server may take the display number picked
    IVO_SIM_SIZE=$size "$sim" run --keep >/dev/null && break
    "$sim" stop >/dev/null 2>&1 || true
    [ $attempt -lt 3 ] || fail "the simulator did not start"
done
export DISPLAY=$(cat "$root/sim/display")
poll 60 active IVO || fail "the home screen never took the focus"
poll 60 clients -ge 1 || fail "the home screen never connected to the IR daemon"
# Up from the grid reaches the title bar's first button (Up again there does nothing: the grid may take its focus
# late under load), Right the audio button; the home screen's own client alone hears the daemon.
button() { import -window root "$root/sim/home.png" && [ "$(cyan "$root/sim/home.png" "$1",50,140,90)" -gt "$(area 900)" ]; }
audio() { button 1270; }
for _ in $(seq 30); do press 1 KEY_UP; poll 2 button 1140 && break; done
button 1140 || fail "Up did not reach the title bar"
press 4 KEY_RIGHT
poll 60 audio || fail "Right did not reach the audio button"
press 5 KEY_OK
poll 60 active "IVO Audio Output" || fail "OK on the audio button did not open the chooser"
restarts -eq 1 || fail "the chooser did not restart the IR daemon"
poll 60 clients -eq 2 || fail "the home screen and the chooser are not both listening to the IR daemon"
[ "$(focused)" = close ] || fail "the chooser did not start on its close button"
chosen=$(cat "$root/home/admin/.asoundrc") # HDMI 1, the default output, written when the chooser read the devices

# The first row's Test button (the analog output, not the chosen one): OK tests once per client; OK held down
# (repeats) tests nothing more, which the later moves prove, as they come after on the same connections.
goto t0 || fail "the remote's arrows did not reach the first row's Test button"
press 5 KEY_OK; press 5 KEY_OK 1; press 5 KEY_OK 2
poll 60 played 0,0 -eq 4 || fail "OK on the first row's Test button did not play left and right twice"
goto r2 || fail "the remote's arrows did not reach the third row"
played 0,0 -eq 4 || fail "a held OK tested again"
sink 0,3 || fail "the test did not give the chosen device back its sound"
[ "$(cat "$root/home/admin/.asoundrc")" = "$chosen" ] || fail "a test changed .asoundrc"

# OK picks the third row (HDMI 2, no monitor yet); a television plugged into HDMI 2 names it.
press 5 KEY_OK
[ "$(named)" -lt "$(area 100)" ] || fail "the third row has a monitor's name before one is plugged in"
echo XRANDR_OUTPUTS=2 >>"$root/sim/settings"
PATH=$root/sim/bin:$PATH "$root/etc/Tellora/init.d/xrandr-hotplug.sh"
relabelled() { focused >/dev/null && [ "$(named)" -gt "$(area 600)" ]; }
poll 60 relabelled || fail "the third row did not take the name of the television plugged into HDMI 2"
[ -z "$shots" ] || cp "$root/sim/chooser.png" "$shots/audio-chooser-${size#*x}p.png"
played 0,7 -eq 0 || fail "picking a row played a sound"

# Apply: the third row's device is the chosen one, in .asoundrc and as the sound server's default.
goto apply || fail "the remote's arrows did not reach Apply"
press 5 KEY_OK
poll 60 active IVO || fail "Apply did not close the chooser"
poll 30 sink 0,7 || fail "Apply did not make HDMI 2 the default sink"
[ "$(head -n 1 "$root/home/admin/.asoundrc")" = "# 54656C6C6F7261 - HDMI2" ] || fail ".asoundrc does not name HDMI2"

# The audio button has the focus back, and the OK that applied (heard by the home screen too) did not open the chooser
# again: OK opens it once more, and EXIT closes it.
poll 60 audio || fail "the audio button did not get the focus back"
restarts -eq 1 || fail "the chooser opened again by itself"
press 5 KEY_OK
poll 60 active "IVO Audio Output" || fail "the chooser did not open again"
restarts -eq 2 || fail "the second chooser did not restart the IR daemon"
poll 60 clients -ge 1 || fail "the second chooser does not listen to the IR daemon"
press 9 KEY_EXIT
poll 60 active IVO || fail "EXIT did not close the chooser"
restarts -eq 2 || fail "a chooser opened by itself"
echo "e2e chooser: all flows passed"
