#!/usr/bin/env bash
# The General and About pages by X-level keys alone: Return switches the clock off in the user's settings; the
# mobile-remote box starts the daemon stand-in behind its boot link and stops it again. IVO_E2E_SHOTS=DIR keeps the
# pictures of both pages for docs/.
. "$(dirname "$0")/lib.sh"
link=$root/etc/Tellora/xorg_rcS.d/S03remotepad
start
poll 90 opened || fail "the settings did not open"
xdotool key Down # from the checked page button
poll 20 is 6 page || fail "Down did not reach the General page"
xdotool key Return
picture settings-general
xdotool key Return
poll 20 is no setting UIControl/DisplayDatetime || fail "Return on the first box did not switch the clock off"

xdotool key Down Down Down Return
poll 30 daemon || fail "the mobile-remote box did not start the daemon"
[ "$(readlink "$link")" = /etc/Tellora/xinit/start_remotepad ] || fail "no boot link to the start script"
xdotool key Return
poll 30 eval '! daemon' || fail "the daemon did not stop"
[ ! -L "$link" ] || fail "the boot link stayed"
grep -qx "/opt/bin/remotepad" "$log" || fail "the daemon stand-in did not run"

xdotool key Escape Down Down Down
poll 20 is 5 page || fail "Escape and Down did not reach the About page"
picture settings-about
