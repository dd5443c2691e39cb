#!/usr/bin/env bash
# No key is lost or handled twice across a wait: keys that come while the home screen waits for a program are handled
# afterwards, in order, each where the focus is by then. Two waits a viewer can hit, each held by a hung program with
# its full budget:
#   - a program registered for the remote's keys: each key goes on to it through xdotool (10 s): the remote's Up from
#     the first tile starts the wait, and Down, Right, Right, Right, Left come during it. Up takes the focus to the
#     title bar, Down (handled there) back to the grid's first tile, then three tiles right and one left: the third
#     tile. A key lost or handled twice, or one handled where the focus was when it came, lands elsewhere (on the
#     title bar, or one tile off); the product's log names each key's forwarding once, in order.
#   - the power key, whose short press asks ps whether the media centre runs (5 s): X-level keys Left, Left, Right
#     typed during the wait take the focus from the fourth tile to the third.
# After each wait one more key of the remote moves the focus exactly one tile: nothing else was left over.
. "$(dirname "$0")/lib.sh"
hangs=$root/sim/hangs.log
# Where the focus is on the home screen; a tile shown selected beside a focused title-bar button (a grid that took
# keys while the title bar had the focus) is both.
where() {
    local tile title
    snap home || return 1
    tile=$(framedat "$root/sim/home.png" "${homeregions[@]:4}")
    title=$(framedat "$root/sim/home.png" "${homeregions[@]:0:4}")
    if [ "$tile" = none ]; then echo "$title"; elif [ "$title" = none ]; then echo "$tile"; else echo "$tile+$title"; fi
}
# The pid of the program hung by switch $1, once it hangs; it runs until its budget ends.
hung() { sed -n "s/^\([0-9]*\) $1\$/\1/p" "$hangs" 2>/dev/null | tail -n 1; }
waiting() { [ -n "$(hung "$1")" ]; }
running() { local stat; stat=$(cat "/proc/$1/stat" 2>/dev/null) && set -- ${stat##*) } && [ "$1" != Z ]; }
# The keys the product forwarded (or skipped forwarding) since the mark, as xdotool names them.
forwarded() { tail -n +$((mark + 1)) "$root/sim/ivo.log" | sed -n 's/.*command: .*xdotool key \([A-Za-z]*\)"*$/\1/p' | xargs; }

start
poll 60 is g0 where || fail "the grid's first tile does not have the focus"

# Any live process registered for the remote's keys: this flow's shell.
mkdir -p "$root/var/run/tellora"
echo $$ >"$root/var/run/tellora/ir_reg.pid"
echo XDOTOOL_HANG=yes >>"$root/sim/settings"
mark=$(wc -l <"$root/sim/ivo.log")
press UP
poll 60 waiting XDOTOOL_HANG || fail "Up did not go on to the registered program"
for key in DOWN RIGHT RIGHT RIGHT LEFT; do press $key; done
running "$(hung XDOTOOL_HANG)" || fail "the wait ended before the keys were pressed"
poll 60 is g2 where || fail "the keys of the wait took the focus to $(where), not the third tile"
[ "$(forwarded)" = "Up Down Right Right Right Left" ] || fail "forwarded: $(forwarded)"
press RIGHT
poll 60 is g3 where || fail "one more Right took the focus to $(where), not the fourth tile"
[ "$(forwarded)" = "Up Down Right Right Right Left Right" ] || fail "forwarded after one more Right: $(forwarded)"
: >"$root/var/run/tellora/ir_reg.pid"

# The power key's question to ps, with X-level keys.
echo PS_HANG=yes >>"$root/sim/settings"
press POWER
poll 60 waiting PS_HANG || fail "the power key did not ask ps"
xdotool key Left Left Right
running "$(hung PS_HANG)" || fail "the wait ended before the keys were typed"
poll 60 is g2 where || fail "the X keys of the wait took the focus to $(where), not the third tile"
press RIGHT
poll 60 is g3 where || fail "one more Right took the focus to $(where), not the fourth tile"
echo "e2e keys: all flows passed ($SECONDS s)"
