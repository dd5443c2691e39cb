#!/usr/bin/env bash
# Keys that come while the home screen waits for a hung program are handled afterwards, in order, each once, where the
# focus is by then: the remote's keys forwarded through xdotool to a registered program, and X-level keys during the
# power key's question to ps. One more Right after each wait moves the focus one tile: nothing was left over.
. "$(dirname "$0")/lib.sh"
hangs=$root/sim/hangs.log
# A tile shown selected beside a focused title-bar button (a grid that took keys while the title bar had the focus)
# is both.
where() {
    local tile title
    snap home || return 1
    tile=$(framedat "$root/sim/home.png" "${homeregions[@]:4}")
    title=$(framedat "$root/sim/home.png" "${homeregions[@]:0:4}")
    if [ "$tile" = none ]; then echo "$title"; elif [ "$title" = none ]; then echo "$tile"; else echo "$tile+$title"; fi
}
hung() { sed -n "s/^\([0-9]*\) $1\$/\1/p" "$hangs" 2>/dev/null | tail -n 1; } # the pid hung by switch $1
waiting() { [ -n "$(hung "$1")" ]; }
# The keys forwarded since the mark, as xdotool names them.
forwarded() { tail -n +$((m_ivo + 1)) "$ivolog" | sed -n 's/.*command: .*xdotool key \([A-Za-z]*\)"*$/\1/p' | xargs; }
start
poll 60 is g0 where || fail "the grid's first tile does not have the focus"
# The start-up's last answer comes before the wait: a hung forward must not hold it back into the keys' turn.
poll 60 grep -q '^Step 3 ' "$ivolog" || fail "the start-up did not end"

mkdir -p "$root/var/run/tellora"
echo $$ >"$root/var/run/tellora/ir_reg.pid" # a live process registered for the remote's keys: this shell
echo XDOTOOL_HANG=yes >>"$root/sim/settings"
m_ivo=$(wc -l <"$ivolog")
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

echo PS_HANG=yes >>"$root/sim/settings"
press POWER
poll 60 waiting PS_HANG || fail "the power key did not ask ps"
xdotool key Left Left Right
running "$(hung PS_HANG)" || fail "the wait ended before the keys were typed"
poll 60 is g2 where || fail "the X keys of the wait took the focus to $(where), not the third tile"
press RIGHT
poll 60 is g3 where || fail "one more Right took the focus to $(where), not the fourth tile"
