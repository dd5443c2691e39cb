#!/usr/bin/env bash
# The catalog with the remote alone: the settings' second application tile (Atlas, only in the catalog) opens its
# page; Install, answered Yes, runs the package tool, and the page then shows Atlas installed and enabled (its icon in
# colour); back home, OK on the new tile beside the first starts it. IVO_E2E_SHOTS=DIR keeps the pictures of docs/.
. "$(dirname "$0")/lib.sh"
logged() { grep -q -- "$1" "$log"; }
installed() { grep -q '^\[Atlas\]' "$root/etc/config/bento.conf"; }
# The application page's icon in colour: its mean saturation (grey while not installed and enabled).
coloured() {
    snap app
    [ "$(convert "$root/sim/app.png" -crop "$(scaled 470,220,300,300)" +repage -colorspace HSL -channel G -separate \
        -format '%[fx:int(100*mean)]' info:)" -ge 20 ]
}
# "L" the page buttons, "A0"/"A1" the application grid's first two tiles, "install"/"disable" the page's button.
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
poll 60 framed 0 || fail "the grid never showed its first tile selected"
titlebar 1410
press OK
poll 30 active IVO-Settings || fail "Settings did not open"
poll 60 is L where || fail "the settings did not open with the focus on their page buttons"
step RIGHT A0
step RIGHT A1
step OK install
press OK
poll 30 eval '! active IVO-Settings' || fail "Install did not ask"
answeryes
poll 30 logged "/sbin/bento_cli -a Atlas" || fail "Install did not reach the package tool"
poll 60 installed || fail "the package tool never installed Atlas"
poll 30 coloured || fail "the page does not show Atlas installed and enabled"
keep app settings-installed

poll 60 is disable where || fail "the page did not give Disable the focus after the installation"
step EXIT A1
step EXIT L
press EXIT
poll 30 active IVO || fail "the settings did not close"
poll 30 framed 0 || fail "the home grid does not show its first tile selected" # rebuilt meanwhile, focus back
press RIGHT
poll 30 framed 1 || fail "Right did not reach the new tile"
press OK
poll 30 logged "apps/Atlas" || fail "OK on the new tile did not start Atlas"
