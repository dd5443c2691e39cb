#!/usr/bin/env bash
# The Preferences page end to end in the simulator, with the remote alone through the real IR daemon (inside a row's
# choice menu, which is no widget with the focus, the keys are the X server's, from xdotool): the receiver's mode goes
# into its driver's file and is kept; an input method is switched on and another off through the list dialog (the real
# gsettings keeps the list, the real ibus the active one); a learned remote is reset and an unlearned slot's learning
# dialog opens and closes with nothing written; a language is chosen. IVO_SIM_SIZE picks the screen; IVO_E2E_SHOTS=DIR
# keeps the page's picture of docs/.
set -euo pipefail
src=${IVO_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
# The appliance has its own receiver, so the learned remotes have key tables.
export IVO_BIN=${IVO_BIN:?the program to run} IVO_SIM_ROOT=/tmp/ivp-$$ IVO_SIM_IR=yes
sim=$src/sim/ivo-sim root=$IVO_SIM_ROOT shots=${IVO_E2E_SHOTS:-}
size=${IVO_SIM_SIZE:-1920x1080}
home=$root/home/admin conf=$root/home/admin/.config/Vendra/IVO.conf
fail() { echo "FAIL: $*" >&2; tail -n 30 "$root/sim/ivo.log" >&2 || true; exit 1; }
trap '"$sim" stop >/dev/null 2>&1 || true; rm -rf "$root"' EXIT
poll() { local end=$((SECONDS + $1)); shift; until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done; }
press() { irsend -d "$root/dev/lircd" SIMULATE "$(printf '%016x %02x %s simremote' "$1" 0 "$2")" || fail "no IR daemon for $2"; }
up() { press 1 KEY_UP; }
down() { press 2 KEY_DOWN; }
right() { press 4 KEY_RIGHT; }
ok() { press 5 KEY_OK; }
active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
# The program's visible windows; a choice menu open adds one.
windows() { xdotool search --onlyvisible --pid "$(cut -d" " -f1 "$root/sim/ivo.pid")" 2>/dev/null | wc -l; }
more() { [ "$(windows)" -gt "$1" ]; }
fewer() { [ "$(windows)" -lt "$1" ]; }
# OK on the focused row opens its menu (or the list dialog); X keys move in the menu and choose.
menu() {
    local before
    before=$(windows)
    ok
    poll 30 more "$before" || fail "OK did not open a choice menu"
    xdotool key --delay 150 "$@"
}
# A key of the user settings ("Group/key"), empty when absent.
setting() { awk -F= -v g="[${1%%/*}]" -v k="${1#*/}" '/^\[/ { in_g = $0 == g } in_g && $1 == k { print substr($0, length(k) + 2) }' "$conf"; }
is() { [ "$("${@:2}")" = "$1" ]; }
# The simulated display's ibus and gsettings, as the program reaches them.
imenv() { env HOME="$home" XDG_CONFIG_HOME="$home/.config" GSETTINGS_BACKEND=keyfile IBUS_ADDRESS="unix:path=$root/sim/ibus/bus" "$@"; }
preload() { imenv gsettings get org.freedesktop.ibus.general preload-engines; }
engine() { imenv ibus engine; }
current() { cat "$root/proc/ite_8721f_cir/current"; }

# The second custom remote was learned before.
"$sim" setup >/dev/null || fail "the simulator's setup failed"
{ echo "[RemoteKeySet1]"; for k in 0 1 2 3 4 5 6; do echo "key$k=$((4000 + k))"; done; } >>"$conf"
printf '4000 103\n4001 108\n' >"$home/.config/Vendra/lirckeytable2.conf"

unset DISPLAY
for attempt in 1 2 3; do # another X server may take the display number picked
    IVO_SIM_SIZE=$size "$sim" run --keep >/dev/null && break
    "$sim" stop >/dev/null 2>&1 || true
    [ $attempt -lt 3 ] || fail "the simulator did not start"
done
export DISPLAY=$(cat "$root/sim/display")
poll 60 active IVO || fail "the home screen never took the focus"
poll 60 grep -q "accepted new client" "$root/sim/ir/lircd.log" || fail "the home screen never connected to the IR daemon"

# The settings open on the page buttons, or on the tile grid's first tile, from which Left leads to them (EXIT on the
# page buttons closes the settings: then they are opened again, on the buttons).
echo "Settings Open" >"$root/tmp/ivo.cmd"
poll 60 active IVO-Settings || fail "the command file did not open the settings"
press 9 KEY_EXIT
if poll 10 active IVO; then
    echo "Settings Open" >"$root/tmp/ivo.cmd"
    poll 60 active IVO-Settings || fail "the command file did not open the settings again"
else
    press 3 KEY_LEFT
fi
# Down the page buttons to Preferences, one page change (its index logged) after another; Right into the page: its
# first row, the language.
pages() { grep -c "index=[0-9]*$" "$root/sim/ivo.log"; }
page() { grep -o "index=[0-9]*$" "$root/sim/ivo.log" | tail -n 1; }
more_pages() { [ "$(pages)" -gt "$1" ]; }
for _ in 1 2 3 4; do
    [ "$(page)" != index=4 ] || break
    n=$(pages)
    down
    poll 60 more_pages "$n" || fail "Down on the page buttons changed no page"
done
[ "$(page)" = index=4 ] || fail "Down did not reach the Preferences page"
right

# Down twice: the receiver row, past the input-method row. Its menu: NEC (the current mode), RC6, Sony SIRC.
down; down
menu Down Return
poll 30 is 2 current || fail "choosing RC6 did not switch the receiver"
poll 30 is 2 setting Preference/InternalIR || fail "the receiver's mode was not kept"

# Up: the input-method row. English (US) (active) and Deutsch are on; Add opens the list of the others, where OK takes
# the first, English (UK): it is switched on and active.
up
n=$(windows)
menu Down Down Return
poll 30 more "$n" || fail "Add did not open the list dialog"
ok
poll 30 fewer $((n + 1)) || fail "OK did not close the list dialog"
poll 30 is "['xkb:us::eng', 'xkb:de::deu', 'xkb:gb::eng']" preload || fail "English (UK) was not switched on: $(preload)"
poll 30 is xkb:gb::eng engine || fail "English (UK) is not active"
# The menu now lists English (UK) too, the active one first picked; Remove offers Deutsch first: OK switches it off.
menu Down Down Return
poll 30 more "$n" || fail "Remove did not open the list dialog"
ok
poll 30 is "['xkb:us::eng', 'xkb:gb::eng']" preload || fail "Deutsch was not switched off: $(preload)"
is xkb:gb::eng engine || fail "switching another method off changed the active one"
poll 30 fewer $((n + 1)) || fail "the list dialog did not close"

# Down past the receiver row and the custom-remote header to the second slot, learned: OK opens the learning dialog
# on its reset page, OK there forgets the remote.
down; down; down; down
ok
poll 30 active "IVO-Learn Remote" || fail "OK on the second slot did not open the learning dialog"
ok
poll 30 active IVO-Settings || fail "Reset did not close the learning dialog"
[ -z "$(setting RemoteKeySet1/key0)" ] || fail "the reset slot is still in the user settings"
[ ! -s "$home/.config/Vendra/lirckeytable2.conf" ] || fail "the reset slot's key table is not empty"
# Up to the first slot, not learned: its learning dialog starts at its first page; EXIT closes it, nothing written.
up
ok
poll 30 active "IVO-Learn Remote" || fail "OK on the first slot did not open the learning dialog"
press 9 KEY_EXIT
poll 30 active IVO-Settings || fail "EXIT did not close the learning dialog"
[ -z "$(setting RemoteKeySet0/key0)" ] || fail "closing the learning dialog stored a remote"
# The screen once it has settled (two shots alike): the page as docs/ shows it.
settled() {
    import -window root "$root/sim/a.png" && import -window root "$root/sim/b.png" \
        && [ "$(compare -metric AE "$root/sim/a.png" "$root/sim/b.png" null: 2>&1)" = 0 ]
}
if [ -n "$shots" ]; then
    poll 30 settled || fail "the screen never settled"
    cp "$root/sim/b.png" "$shots/settings-preferences-${size#*x}p.png"
fi

# Up four times: the language row. Two down from English: Français.
up; up; up; up
menu Down Down Return
poll 30 is fre setting Preference/Language || fail "choosing Français did not switch the language"
active IVO-Settings || fail "the settings closed"
echo "e2e preferences: all flows passed"
