#!/usr/bin/env bash
# The home screen's reactions through the IR daemon: Right, Right, OK starts the third tile behind the waiting
# animation; a short power key closes the focused window, holding it restarts the service once; "lsh" in the second
# command file runs its command, "msg" shows the package's message, closed by OK. IVO_E2E_SHOTS=DIR keeps pictures.
. "$(dirname "$0")/lib.sh"
logged() { grep -qxF -- "$1" "$log"; }
homes() { [ "$(xdotool search --onlyvisible --name '^IVO$' 2>/dev/null | wc -l)" "$@" ]; }
start
echo TVAPP_HOLD=yes >>"$root/sim/settings" # the application's window waits for tvapp.go, the animation with it
poll 60 framed 0 || fail "the grid never showed its first tile selected"
press RIGHT; press RIGHT
poll 30 framed 2 || fail "the moves did not reach the grid"
press OK
poll 30 logged /share/vol1/.tellora/apps/Gallery/run.sh || fail "OK did not start the third tile"
poll 30 lit || fail "no waiting animation"
keep lights home-launching
touch "$root/sim/tvapp.go"
poll 60 eval '! active IVO' || fail "the application never came up"
for w in $(xdotool search --name '^Gallery$'); do xdotool windowkill "$w" 2>/dev/null || true; done

xmessage -name ivo-e2e -title ivo-e2e "power key test" & probe=$!
poll 30 active ivo-e2e || fail "the test window never took the focus"
press POWER
poll 30 eval "! kill -0 $probe 2>/dev/null" || fail "a short power key left the window open"
poll 30 active IVO || fail "the home screen did not get the focus back"

held=$SECONDS i=0
poll 60 eval 'press POWER $((i++ % 256)); logged tellora_restart' || fail "holding the power key did not restart the service"
press MENU # ends the hold: repeats still on their way start no new one (whose release would close the message)
[ $((SECONDS - held)) -ge 5 ] || fail "restarted before the key was held 5.5 s"

printf 'lsh remote-helper\n' >"$root/tmp/ivo.hd3"
poll 30 logged remote-helper || fail "lsh did not run its command"
printf 'msg Cinema welcome\n' >"$root/tmp/ivo.hd3"
poll 30 homes -ge 2 || fail "no message for msg"
# Under load the message may show before it has the focus; OK before that would reach a tile.
message() { local w; w=$(xdotool getactivewindow 2>/dev/null) && [ "$w" != "$home" ] && [ "$(xdotool getwindowname "$w")" = IVO ]; }
poll 30 message || fail "the message never took the focus"
picture notice
press OK
poll 30 homes -eq 1 || fail "the remote's OK did not close the message"
[ "$(grep -cxF tellora_restart "$log")" = 1 ] || fail "the restart ran more than once"
