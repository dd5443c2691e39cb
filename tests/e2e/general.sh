#!/usr/bin/env bash
# The General and About pages end to end in the simulator, by keys alone (X-level keys, as the virtual keyboard types
# them): the settings open on a command, Down and Return reach the first box, Return switches the clock off in the
# user's settings; the mobile-remote box starts the daemon stand-in (found by the real pidof) behind its boot link and
# stops it again (the real killall); Escape and Down reach the About page with the version and build date.
# IVO_SIM_SIZE picks the screen; IVO_E2E_SHOTS=DIR keeps the pictures of both pages for docs/.
. "$(dirname "$0")/lib.sh"
key() { xdotool key "$@"; }
# The page index the dialog logged last, once it is the one given.
page() { [ "$(grep -o 'currentChanged(int)\]\[[0-9]*\] index=[0-9]*' "$root/sim/ivo.log" | tail -n 1 | sed 's/.*=//')" = "$1" ]; }
clock() { grep -qix "DisplayDatetime=$1" "$root/home/admin/.config/Vendra/IVO.conf"; }
# This sysroot's daemon (its argv names the sysroot): another simulator on the machine runs its own.
daemon() { pgrep -f " remotepad $root/sim\$" >/dev/null; }
link=$root/etc/Tellora/xorg_rcS.d/S03remotepad
start
# Written again until it is taken: the home window may not watch the file yet.
opened() { echo "Settings Open" >"$root/tmp/ivo.cmd"; poll 5 active IVO-Settings; }
poll 90 opened || fail "the settings did not open"
# Opening ends with the focus on the checked page button: Down reaches the General page.
key Down
poll 20 page 6 || fail "Down did not reach the General page"
key Return
picture settings-general
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
picture settings-about
echo "e2e general: all flows passed"
