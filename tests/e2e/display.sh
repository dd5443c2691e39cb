#!/usr/bin/env bash
# The Display page on X.Org's dummy driver (a real RandR output), driven by the remote (inside the choice menus with
# xdotool): a new resolution confirmed "Yes" stays on the server and in screen.conf; one nobody answers is taken back
# by the question's count-down. IVO_SIM_SIZE picks the first mode; IVO_E2E_SHOTS=DIR keeps pictures for docs/.
. "$(dirname "$0")/lib.sh"
screens=$root/etc/Tellora/config/screen.conf
ran() { [ "$(since | grep -c "$1")" "${@:2}" ]; }
confkey() { setting "Screen1/$1" "$screens"; }
# The question: a window named like the home screen's that is not it.
asking() { active IVO && [ "$(xdotool getactivewindow)" != "$home" ]; }
# The output's current mode and rate ("1280x720 50.00").
current() { /usr/bin/xrandr -q | awk '/^ / && /\*/ { for (i = 2; i <= NF; i++) if ($i ~ /\*/) { sub(/[*+]+/, "", $i); print $1, $i; exit } }'; }

# A menu shorter than a fifth of the screen: the rates of one mode (the modes' menu is as tall as the screen).
ratesmenu() {
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do xdotool getwindowgeometry "$w"; done |
        awk -v most=$((width / 5)) '/Geometry/ { split($2, g, "x"); if (g[2] < most) short = 1 } END { exit !short }'
}
# A mode's place among the output's modes and its rates, as xrandr lists them and so the menus.
modeindex() { /usr/bin/xrandr -q | awk -v m="$1" '/^ / { if ($1 == m) { print n + 0; exit } n++ }'; }
rates() { /usr/bin/xrandr -q | awk -v m="$1" '/^ / && $1 == m { for (i = 2; i <= NF; i++) if ($i != "+") { sub(/[*+]+/, "", $i); print $i } }'; }
# Keys from a menu's entry $1 (-1: none highlighted) to entry $2, and Return.
walk() {
    local n key=Down
    if [ "$1" -lt 0 ]; then n=$(($2 + 1)); elif [ "$2" -ge "$1" ]; then n=$(($2 - $1)); else n=$(($1 - $2)) key=Up; fi
    for _ in $(seq "$n"); do xdotool key "$key"; done
    xdotool key Return
}
# Mode $1 at its first rate from the resolution menu, which highlights screen.conf's.
choose() {
    local before from
    before=$(windows)
    press OK
    poll 30 more "$before" || fail "OK on the resolution row opened no menu"
    walk "$(modeindex "$(confkey Mode)")" "$(modeindex "$1")"
    [ "$(rates "$1" | wc -l)" -ge 2 ] || return 0
    poll 30 ratesmenu "$1" || fail "no rate menu for $1"
    from=$(rates "$1" | grep -nxF -- "$(confkey Rate)" | cut -d: -f1 || true)
    walk "$((${from:-0} - 1))" 0
}
# The Display page (by a click: the settings may open with the focus on the applications' grid), its resolution row
# focused with the remote and its menu opened and closed.
moved() { [ "$(pages)" -gt "$1" ]; }
enterdisplay() {
    local n w
    poll 60 opened || fail "the settings dialog did not open"
    n=$(pages) w=$(xdotool getdisplaygeometry | cut -d' ' -f1)
    for _ in 1 2 3; do
        xdotool mousemove $((180 * w / 1920)) $((510 * w / 1920)) click 1
        poll 20 moved "$n" && break
    done
    moved "$n" || fail "a click on Display changed no page"
    is 3 page || fail "the click did not show the Display page"
    press RIGHT
    n=$(windows)
    for _ in 1 2 3; do
        press OK
        poll 10 more "$n" && break
    done
    more "$n" || fail "OK on the resolution row opened no menu"
    xdotool key Escape
    poll 30 is "$n" windows || fail "Escape did not close the menu"
}

start IVO_SIM_X=xorg
first=$(current)
enterdisplay
picture display-1-output

# Yes: the question comes with the new mode on the server, and the mode stays.
mark
choose 1280x720
poll 60 asking || fail "no question after choosing 1280x720"
is "1280x720 $(rates 1280x720 | head -n 1)" current || fail "the server does not show 1280x720 while asking"
ran "xrandr-hotplug.sh -fg" -eq 1 || fail "the hot-plug script did not run once for the new mode"
# The settings follow the screen to its new size, which activates windows anew, before the keys.
poll 30 grep -q 'w:1280  h:720' "$ivolog" || fail "the settings did not follow the screen to 1280x720"
answeryes
poll 30 active IVO-Settings || fail "Yes did not end the question"
poll 30 ran "ivomargin -u" -eq 1 || fail "the margin tool did not run after Yes"
ran "xrandr-hotplug.sh -fg" -eq 1 || fail "Yes took the mode back"
is "1280x720 $(rates 1280x720 | head -n 1)" current && is 1280x720 confkey Mode || fail "1280x720 did not stay"

# Nobody answers: the count-down takes the mode back, on the server and in the file.
kept=$(current)
mark
choose "${first%% *}"
poll 60 asking || fail "no question after choosing ${first%% *}"
asked=$SECONDS
poll 60 active IVO-Settings || fail "the count-down did not end the question"
[ $((SECONDS - asked)) -ge 10 ] || fail "the question ended before its count-down"
poll 30 ran "ivomargin -u" -eq 1 || fail "the margin tool did not run after the count-down"
ran "xrandr-hotplug.sh -fg" -eq 2 || fail "the count-down did not run the hot-plug script again"
is "$kept" current && is 1280x720 confkey Mode || fail "the count-down did not take $first back to $kept"

if [ -n "$shots" ]; then # the page with three monitors of the simulated layout
    "$sim" stop >/dev/null 2>&1 || true
    rm -f "$screens" # laid out anew for the screen size
    start IVO_SIM_OUTPUTS=3
    enterdisplay
    picture display-3-outputs
fi
