#!/usr/bin/env bash
# The home screen's reactions end to end in the simulator, driven through the IR daemon: Right, Right, OK starts the
# third tile behind the waiting animation; a short power key closes the focused window, holding it restarts the
# service once; "lsh" in the second command file runs its command, "msg" shows the package's message, closed by OK.
# IVO_E2E_SHOTS=DIR keeps the launch and message screens of docs/.
set -euo pipefail
src=${IVO_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
export IVO_BIN=${IVO_BIN:?the program to run} IVO_SIM_ROOT=/tmp/ive-$$
sim=$src/sim/ivo-sim root=$IVO_SIM_ROOT log=$IVO_SIM_ROOT/sim/commands.log shots=${IVO_E2E_SHOTS:-}
fail() { echo "FAIL: $*" >&2; tail -n 20 "$root/sim/ivo.log" "$log" >&2 || true; exit 1; }
trap '"$sim" stop >/dev/null 2>&1 || true; rm -rf "$root"' EXIT
poll() { local end=$((SECONDS + $1)); shift; until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done; }
press() { irsend -d "$root/dev/lircd" SIMULATE "$(printf '%016x %02x %s simremote' "$1" "${3:-0}" "$2")"; }
logged() { grep -qxF -- "$1" "$log"; }
active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
homes() { [ "$(xdotool search --onlyvisible --name '^IVO$' 2>/dev/null | wc -l)" "$@" ]; }
framed() { # the grid's focus frame on tile $1 (0-4) of the first row, in a new screenshot
    import -window root "$root/sim/grid.png" && [ "$(convert "$root/sim/grid.png" -crop 240x240+$((380 + 229 * $1))+157 \
        +repage -fuzz 10% -fill black +opaque '#00d8ff' -fill white -opaque '#00d8ff' -format '%[fx:int(mean*w*h)]' info:)" -ge 1000 ]
}
lights() { # pixels of the waiting animation's leading light, where it turns
    convert "$1" -crop 160x160+830+420 +repage -fuzz 8% -fill black +opaque '#bff4ff' \
        -fill white -opaque '#bff4ff' -format '%[fx:int(mean*w*h)]' info:
}

unset DISPLAY
for attempt in 1 2 3; do # another X server may take the display number picked
    "$sim" run --keep >/dev/null && break
    "$sim" stop >/dev/null 2>&1 || true
    [ $attempt -lt 3 ] || fail "the simulator did not start"
done
export DISPLAY=$(cat "$root/sim/display")
poll 60 active IVO || fail "the home screen never took the focus"
home=$(xdotool getactivewindow)
poll 60 grep -q "accepted new client" "$root/sim/ir/lircd.log" || fail "the home screen never connected to the IR daemon"

import -window root "$root/sim/before.png"
[ "$(lights "$root/sim/before.png")" -lt 20 ] || fail "waiting lights before any launch"
# The application's window waits to be let go: the animation (ten seconds at
# most) is on the screen until then.
echo TVAPP_HOLD=yes >>"$root/sim/settings"
poll 60 framed 0 || fail "the grid never showed its first tile selected"
press 4 KEY_RIGHT; press 4 KEY_RIGHT
poll 30 framed 2 || fail "the moves did not reach the grid"
press 5 KEY_OK
poll 30 logged /share/vol1/.tellora/apps/Gallery/run.sh || fail "OK did not start the third tile"
lit() { import -window root "$root/sim/launching.png" && [ "$(lights "$root/sim/launching.png")" -ge 60 ]; }
poll 30 lit || fail "no waiting animation"
[ -z "$shots" ] || cp "$root/sim/launching.png" "$shots/home-launching-1080p.png"
touch "$root/sim/tvapp.go"
poll 60 bash -c '[ "$(xdotool getactivewindow getwindowname)" != IVO ]' || fail "the application never came up"
for w in $(xdotool search --name '^Gallery$'); do xdotool windowkill "$w" 2>/dev/null || true; done

xmessage -name ivo-e2e -title ivo-e2e "power key test" & probe=$!
poll 30 active ivo-e2e || fail "the test window never took the focus"
press 8 KEY_POWER
poll 30 bash -c "! kill -0 $probe 2>/dev/null" || fail "a short power key left the window open"
poll 30 active IVO || fail "the home screen did not get the focus back"

held=$SECONDS
i=0 end=$((SECONDS + 60))
until logged tellora_restart || [ $SECONDS -ge $end ]; do press 8 KEY_POWER $((i++ % 256)); sleep 0.1; done
logged tellora_restart || fail "holding the power key did not restart the service"
# Another key ends a hold at once: repeats still on their way after the restart
# start no new one whose release would close the message window below.
press 7 KEY_MENU
[ $((SECONDS - held)) -ge 5 ] || fail "restarted before the key was held 5.5 s"

printf 'lsh remote-helper\n' >"$root/tmp/ivo.hd3"
poll 30 logged remote-helper || fail "lsh did not run its command"
printf 'msg Cinema welcome\n' >"$root/tmp/ivo.hd3"
poll 30 homes -ge 2 || fail "no message for msg"
# Under load the message may show before it has the focus; OK before that would reach a tile.
message() { local w; w=$(xdotool getactivewindow 2>/dev/null) && [ "$w" != "$home" ] && [ "$(xdotool getwindowname "$w")" = IVO ]; }
poll 30 message || fail "the message never took the focus"
[ -z "$shots" ] || { sleep 0.5; import -window root "$shots/notice-1080p.png"; } # settled for the picture
press 5 KEY_OK
poll 30 homes -eq 1 || fail "the remote's OK did not close the message"
# The flows since the long hold are the later events: by now a second restart would have shown.
[ "$(grep -cxF tellora_restart "$log")" = 1 ] || fail "the restart ran more than once"
echo "e2e reactions: all flows passed"
