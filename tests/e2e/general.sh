#!/usr/bin/env bash
# The General and About pages end to end in the simulator, by keys alone (X-level keys, as the virtual keyboard types
# them): the settings open on a command, Down and Return reach the first box, Return switches the clock off in the
# user's settings; the mobile-remote box starts the daemon stand-in (found by the real pidof) behind its boot link and
# stops it again (the real killall); Escape and Down reach the About page with the version and build date.
# IVO_SIM_SIZE picks the screen; IVO_E2E_SHOTS=DIR keeps the pictures of both pages for docs/; IVO_E2E_KEEP=1 keeps
# the sysroot.
set -euo pipefail
src=${IVO_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
export IVO_BIN=${IVO_BIN:?the program to run} IVO_SIM_ROOT=/tmp/ivg-$$
sim=$src/sim/ivo-sim root=$IVO_SIM_ROOT log=$IVO_SIM_ROOT/sim/commands.log shots=${IVO_E2E_SHOTS:-}
size=${IVO_SIM_SIZE:-1920x1080}
fail() { echo "FAIL: $*" >&2; tail -n 20 "$root/sim/ivo.log" "$log" >&2 || true; exit 1; }
trap '"$sim" stop >/dev/null 2>&1 || true; [ -n "${IVO_E2E_KEEP:-}" ] || rm -rf "$root"' EXIT
poll() { local end=$((SECONDS + $1)); shift; until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done; }
logged() { grep -qF -- "$1" "$root/sim/ivo.log"; }
key() { xdotool key "$@"; }
active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
# The page index the dialog logged last, once it is the one given.
page() { [ "$(grep -o 'currentChanged(int)\]\[[0-9]*\] index=[0-9]*' "$root/sim/ivo.log" | tail -n 1 | sed 's/.*=//')" = "$1" ]; }
clock() { grep -qix "DisplayDatetime=$1" "$root/home/admin/.config/Vendra/IVO.conf"; }
# This sysroot's daemon (its argv names the sysroot): another simulator on the machine runs its own.
daemon() { pgrep -f " remotepad $root/sim\$" >/dev/null; }
link=$root/etc/Tellora/xorg_rcS.d/S03remotepad

IVO_SIM_SIZE=$size "$sim" run --keep >/dev/null || fail "the simulator did not start"
export DISPLAY=$(cat "$root/sim/display")
poll 60 logged "inewpkg" || fail "the home screen did not start"
# Written again until it is taken: the home window may not watch the file yet.
opened() { echo "Settings Open" >"$root/tmp/ivo.cmd"; poll 5 active IVO-Settings; }
poll 90 opened || fail "the settings did not open"
# Opening ends with the focus on the checked page button: Down reaches the General page.
key Down
poll 20 page 6 || fail "Down did not reach the General page"
key Return
# Pictures are taken after the frame is drawn; the flow itself waits on what it checks.
[ -z "$shots" ] || { sleep 0.5; import -window root "$shots/settings-general-${size#*x}p.png"; }
key Return
poll 20 clock no || fail "Return on the first box did not switch the clock off"

key Down Down Down Return
poll 30 daemon || fail "the mobile-remote box did not start the daemon"
[ "$(readlink "$link")" = /etc/Tellora/xinit/start_remotepad ] || fail "no boot link to the start script"
key Return
poll 30 eval '! daemon' || fail "the daemon did not stop"
[ ! -L "$link" ] || fail "the boot link stayed"
grep -qx "/opt/bin/remotepad" "$log" || fail "the daemon stand-in did not run"

key Escape Down Down Down
poll 20 page 5 || fail "Escape and Down did not reach the About page"
[ -z "$shots" ] || { sleep 0.5; import -window root "$shots/settings-about-${size#*x}p.png"; }
echo "PASS"
