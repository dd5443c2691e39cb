#!/usr/bin/env bash
# The catalog end to end in the simulator, with the remote alone through the real IR daemon: the title bar's Settings
# button opens the settings, Right enters the application grid, the second tile (Atlas, only offered by the catalog)
# opens its page, Install asks and, answered Yes, runs the package tool stand-in; once it rewrote the package
# configuration the page shows the package installed and enabled (its icon in colour); back home, the grid has the
# focus, a new tile beside its first, and OK on that tile starts it. IVO_E2E_SHOTS=DIR keeps the pictures of docs/.
set -euo pipefail
src=${IVO_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
export IVO_BIN=${IVO_BIN:?the program to run} IVO_SIM_ROOT=/tmp/ivc-$$
sim=$src/sim/ivo-sim root=$IVO_SIM_ROOT log=$IVO_SIM_ROOT/sim/commands.log shots=${IVO_E2E_SHOTS:-}
fail() { echo "FAIL: $*" >&2; tail -n 20 "$root/sim/ivo.log" "$log" >&2 || true; exit 1; }
trap '"$sim" stop >/dev/null 2>&1 || true; rm -rf "$root"' EXIT
poll() { local end=$((SECONDS + $1)); shift; until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done; }
press() { irsend -d "$root/dev/lircd" SIMULATE "$(printf '%016x %02x %s simremote' "$1" "${3:-0}" "$2")"; }
logged() { grep -q -- "$1" "$log"; }
active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
# Mean colour saturation of the one-application page's icon (grey while the package is not installed and enabled).
coloured() {
    import -window root "$root/sim/app.png"
    [ "$(convert "$root/sim/app.png" -crop 300x300+470+220 +repage -colorspace HSL -channel G -separate \
        -format '%[fx:int(100*mean)]' info:)" -ge 20 ]
}
framed() { # the home grid's focus frame on tile $1 (0-4) of the first row, in a new screenshot
    import -window root "$root/sim/grid.png" && [ "$(convert "$root/sim/grid.png" -crop 240x240+$((380 + 229 * $1))+157 \
        +repage -fuzz 10% -fill black +opaque '#00d8ff' -fill white -opaque '#00d8ff' -format '%[fx:int(mean*w*h)]' info:)" -ge 1000 ]
}
installed() { grep -q '^\[Atlas\]' "$root/etc/config/bento.conf"; }

unset DISPLAY
for attempt in 1 2 3; do # another X server may take the display number picked
    "$sim" run --keep >/dev/null && break
    "$sim" stop >/dev/null 2>&1 || true
    [ $attempt -lt 3 ] || fail "the simulator did not start"
done
export DISPLAY=$(cat "$root/sim/display")
poll 60 active IVO || fail "the home screen never took the focus"
poll 60 grep -q "accepted new client" "$root/sim/ir/lircd.log" || fail "the home screen never connected to the IR daemon"
installed && fail "Atlas is installed before the test"
poll 60 framed 0 || fail "the grid never showed its first tile selected"

# Up to the title bar, right to Settings, OK.
press 1 KEY_UP; sleep 0.5; press 4 KEY_RIGHT; sleep 0.5; press 4 KEY_RIGHT; sleep 0.5; press 5 KEY_OK
poll 30 active IVO-Settings || fail "Settings did not open"
poll 30 logged "xrandr" || fail "the primary output was not asked for"
# Into the grid (its first tile), right to Atlas, OK: its page with Install focused.
sleep 1; press 4 KEY_RIGHT; sleep 0.5; press 4 KEY_RIGHT; sleep 0.5; press 5 KEY_OK
sleep 1; press 5 KEY_OK
# The question focuses No; Left to Yes, OK.
sleep 1; press 3 KEY_LEFT; sleep 0.5; press 5 KEY_OK
poll 30 logged "/sbin/bento_cli -a Atlas" || fail "Install did not reach the package tool"
poll 60 installed || fail "the package tool never installed Atlas"
[ -z "$shots" ] || import -window root "$shots/settings-installing-1080p.png"
poll 30 coloured || fail "the page does not show Atlas installed and enabled"
[ -z "$shots" ] || cp "$root/sim/app.png" "$shots/settings-installed-1080p.png"

# Back (page, grid, column closes the dialog). The package configuration changed while the settings were open: the
# home screen rebuilt its tiles, and its grid, which took the focus then, has it with the first tile selected. Right to
# the new tile, OK.
sleep 4; press 6 KEY_EXIT; sleep 0.5; press 6 KEY_EXIT; sleep 0.5; press 6 KEY_EXIT
poll 30 active IVO || fail "the settings did not close"
poll 30 framed 0 || fail "the home grid does not show its first tile selected"
press 4 KEY_RIGHT
poll 30 framed 1 || fail "Right did not reach the new tile"
[ -z "$shots" ] || cp "$root/sim/grid.png" "$shots/home-new-tile-1080p.png"
press 5 KEY_OK
poll 30 logged "apps/Atlas" || fail "OK on the new tile did not start Atlas"
echo "catalog flow: ok"
