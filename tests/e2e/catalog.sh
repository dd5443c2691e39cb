#!/usr/bin/env bash
# The catalog with the remote alone: in the settings' application grid the second tile (Atlas, only offered by the
# catalog) opens its page; Install, answered Yes, runs the package tool stand-in, and once it rewrote the package
# configuration the page shows the package installed and enabled (its icon in colour); back home, a new tile beside
# the first, and OK on it starts it. IVO_E2E_SHOTS=DIR keeps the pictures of docs/.
. "$(dirname "$0")/lib.sh"
logged() { grep -q -- "$1" "$log"; }
installed() { grep -q '^\[Atlas\]' "$root/etc/config/bento.conf"; }
# The mean saturation of the application page's icon (grey while not installed and enabled).
coloured() {
    snap app
    [ "$(convert "$root/sim/app.png" -crop "$(scaled 470,220,300,300)" +repage -colorspace HSL -channel G -separate \
        -format '%[fx:int(100*mean)]' info:)" -ge 20 ]
}
# The focus in the settings: "L" the page buttons, "A0"/"A1" the application grid's first two tiles, "install" or
# "disable" the application page's button, else "none".
where() {
    local i blue='rgb(14,153,226)'
    onapp && { echo L; return; }
    for i in 0 1; do
        [ "$(colour "$root/sim/settings.png" $((535 + 255 * i)),190,240,240)" -lt "$(area 1000)" ] || { echo "A$i"; return; }
    done
    [ "$(colour "$root/sim/settings.png" 455,672,365,74 "$blue")" -lt "$(area 2000)" ] || { echo install; return; }
    [ "$(colour "$root/sim/settings.png" 455,782,365,74 "$blue")" -lt "$(area 2000)" ] || { echo disable; return; }
    echo none
}
start
installed && fail "Atlas is installed before the test"
poll 60 framed 0 || fail "the grid never showed its first tile selected"
titlebar 1410
press OK
poll 30 active IVO-Settings || fail "Settings did not open"
poll 30 logged "xrandr" || fail "the primary output was not asked for"
poll 60 is L where || fail "the settings did not open with the focus on their page buttons"
step RIGHT A0
step RIGHT A1
step OK install
press OK
poll 30 eval '! active IVO-Settings' || fail "Install did not ask"
answeryes
poll 30 logged "/sbin/bento_cli -a Atlas" || fail "Install did not reach the package tool"
poll 60 installed || fail "the package tool never installed Atlas"
[ -z "$shots" ] || { snap installing; keep installing settings-installing; }
poll 30 coloured || fail "the page does not show Atlas installed and enabled"
keep app settings-installed

# The home screen rebuilt its tiles meanwhile; its grid has the focus back with the first tile selected.
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
