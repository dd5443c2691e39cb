#!/usr/bin/env bash
# The catalog end to end in the simulator, with the remote alone through the real IR daemon: the title bar's Settings
# button opens the settings, Right enters the application grid, the second tile (Atlas, only offered by the catalog)
# opens its page, Install asks and, answered Yes, runs the package tool stand-in; once it rewrote the package
# configuration the page shows the package installed and enabled (its icon in colour); back home, the grid has the
# focus, a new tile beside its first, and OK on that tile starts it. IVO_E2E_SHOTS=DIR keeps the pictures of docs/.
. "$(dirname "$0")/lib.sh"
logged() { grep -q -- "$1" "$log"; }
installed() { grep -q '^\[Atlas\]' "$root/etc/config/bento.conf"; }
# Mean colour saturation of the one-application page's icon (grey while the package is not installed and enabled).
coloured() {
    snap app
    [ "$(convert "$root/sim/app.png" -crop "$(scaled 470,220,300,300)" +repage -colorspace HSL -channel G -separate \
        -format '%[fx:int(100*mean)]' info:)" -ge 20 ]
}
# Where the focus is in the settings: "L" the page buttons (the App button filled), "A0" or "A1" the application
# grid's first or second tile (framed), "install" or "disable" the one-application page's button (filled), else "none".
where() {
    local i
    snap focus
    [ "$(colour "$root/sim/focus.png" 20,170,380,135 'rgb(7,81,120)' 3%)" -lt "$(area 20000)" ] || { echo L; return; }
    for i in 0 1; do
        [ "$(colour "$root/sim/focus.png" $((535 + 255 * i)),190,240,240)" -lt "$(area 1000)" ] || { echo "A$i"; return; }
    done
    [ "$(colour "$root/sim/focus.png" 455,672,365,74 'rgb(14,153,226)')" -lt "$(area 2000)" ] || { echo install; return; }
    [ "$(colour "$root/sim/focus.png" 455,782,365,74 'rgb(14,153,226)')" -lt "$(area 2000)" ] || { echo disable; return; }
    echo none
}
start
installed && fail "Atlas is installed before the test"
poll 60 framed 0 || fail "the grid never showed its first tile selected"

# The settings button, OK: the page buttons have the focus. Into the grid (its first tile), right to Atlas, OK: its
# page with Install focused.
titlebar 1410
press OK
poll 30 active IVO-Settings || fail "Settings did not open"
poll 30 logged "xrandr" || fail "the primary output was not asked for"
poll 60 is L where || fail "the settings did not open with the focus on their page buttons"
step RIGHT A0
step RIGHT A1
step OK install
# The question focuses No; Left to Yes, OK.
press OK
poll 30 eval '! active IVO-Settings' || fail "Install did not ask"
answeryes
poll 30 logged "/sbin/bento_cli -a Atlas" || fail "Install did not reach the package tool"
poll 60 installed || fail "the package tool never installed Atlas"
[ -z "$shots" ] || { snap installing; keep installing settings-installing; }
poll 30 coloured || fail "the page does not show Atlas installed and enabled"
keep app settings-installed

# Back (page, grid, column closes the dialog) once the page's message has gone and Disable has the focus. The package
# configuration changed while the settings were open: the home screen rebuilt its tiles, and its grid, which took the
# focus then, has it with the first tile selected. Right to the new tile, OK.
poll 60 is disable where || fail "the page did not give Disable the focus after the installation"
step EXIT A1
step EXIT L
press EXIT
poll 30 active IVO || fail "the settings did not close"
poll 30 framed 0 || fail "the home grid does not show its first tile selected"
press RIGHT
poll 30 framed 1 || fail "Right did not reach the new tile"
keep grid home-new-tile
press OK
poll 30 logged "apps/Atlas" || fail "OK on the new tile did not start Atlas"
echo "e2e catalog: all flows passed"
