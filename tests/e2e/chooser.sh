#!/usr/bin/env bash
# The audio output chooser with the remote alone: the title bar's audio button opens it (the IR daemon restarts, the
# home screen and the chooser are its clients); one OK on Test plays one test and gives the chosen device its sound
# back, .asoundrc untouched; a television plugged in relabels its row; Apply makes the picked device the chosen one,
# and the home screen, which heard that OK too, does not open the chooser again; EXIT closes it. IVO_E2E_SHOTS=DIR
# keeps the chooser's picture of docs/.
. "$(dirname "$0")/lib.sh"
restarts() { [ "$(grep -cxF '/etc/Tellora/init.d/lirc restart' "$log")" "$@" ]; }
# Sounds played on device $1 (a test plays the left channel, then the right: tests counts the right ones).
played() { [ "$(cat "$root/sim/audio/played.log" 2>/dev/null | grep -c "${4:-}	alsa_output.hw:$1\$")" "$2" "$3" ]; }
tests() { played "$@" Front_Right.wav; }
sink() { [ "$(PATH=$root/sim/bin:$PATH pactl get-default-sink)" = "alsa_output.hw:$1" ]; }
# The close button, each row's radio (r) and Test (t) button, the apply button.
regions=(close:1490,190,120,120 r0:330,420,1000,110 t0:1390,430,180,90 r1:330,528,1000,110 t1:1390,538,180,90
    r2:330,637,1000,110 t2:1390,647,180,90 apply:1340,790,280,100)
where() { snap chooser && framedat "$root/sim/chooser.png" "${regions[@]}"; }
# Light pixels right of the third row's "HDMI 2", where a monitor's name goes.
named() { convert "$root/sim/chooser.png" -crop "$(scaled 620,668,480,48)" +repage -threshold 60% -format '%[fx:int(mean*w*h)]' info:; }
start
titlebar 1270
press OK
poll 60 active "IVO Audio Output" || fail "OK on the audio button did not open the chooser"
restarts -eq 1 || fail "the chooser did not restart the IR daemon"
poll 60 clients -eq 2 || fail "the home screen and the chooser are not both listening to the IR daemon"
is close where || fail "the chooser did not start on its close button"
chosen=$(cat "$root/home/admin/.asoundrc") # HDMI 1, written when the chooser read the devices

# One OK on the first row's Test (the analog output) tests once, its repeats nothing more: both clients read the later
# moves after it, and the test runs before the screen shows the focus moved.
step DOWN r0
step RIGHT t0
press OK
poll 60 tests 0,0 -ge 1 || fail "OK on the first row's Test button did not test the analog output"
press OK 1; press OK 2
step LEFT r0
step DOWN r1
step DOWN r2
tests 0,0 -eq 1 && played 0,0 -eq 2 || fail "one OK on the first row's Test button played more than one test"
sink 0,3 || fail "the test did not give the chosen device back its sound"
[ "$(cat "$root/home/admin/.asoundrc")" = "$chosen" ] || fail "a test changed .asoundrc"

# OK picks the third row (HDMI 2, no monitor yet); a television plugged into HDMI 2 names it.
press OK
echo XRANDR_OUTPUTS=2 >>"$root/sim/settings"
PATH=$root/sim/bin:$PATH "$root/etc/Tellora/init.d/xrandr-hotplug.sh"
relabelled() { where >/dev/null && [ "$(named)" -gt "$(area 600)" ]; }
poll 60 relabelled || fail "the third row did not take the name of the television plugged into HDMI 2"
keep chooser audio-chooser
played 0,7 -eq 0 || fail "picking a row played a sound"

step DOWN apply
press OK
poll 60 active IVO || fail "Apply did not close the chooser"
poll 30 sink 0,7 || fail "Apply did not make HDMI 2 the default sink"
[ "$(head -n 1 "$root/home/admin/.asoundrc")" = "# 54656C6C6F7261 - HDMI2" ] || fail ".asoundrc does not name HDMI2"
poll 60 titled 1270 || fail "the audio button did not get the focus back"
restarts -eq 1 || fail "the chooser opened again by itself"
press OK
poll 60 active "IVO Audio Output" || fail "the chooser did not open again"
restarts -eq 2 || fail "the second chooser did not restart the IR daemon"
poll 60 clients -ge 1 || fail "the second chooser does not listen to the IR daemon"
press EXIT
poll 60 active IVO || fail "EXIT did not close the chooser"
restarts -eq 2 || fail "a chooser opened by itself"
