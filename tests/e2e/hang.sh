#!/usr/bin/env bash
# Every program the product runs, hung in turn. A first run with the remote notes where each program of the commands
# log first ran; then each is hung with short budgets (IVO_HANG_SCALE, 0.1 unless given), a start-up program's with the
# program started again (the home screen must come up and take the remote's keys), any other's at its place, entered
# with the remote and left with EXIT. The log must name its command ended, left running or skipped past its budget, or
# the program must have started it detached. IVO_HANG_ONLY (a regular expression) hangs only the programs it matches.
. "$(dirname "$0")/lib.sh"
simset=$root/sim/settings hangs=$root/sim/hangs.log scale=${IVO_HANG_SCALE:-0.1}
mark() { m_cmd=$(wc -l <"$log") m_ivo=$(wc -l <"$ivolog") m_hang=$({ cat "$hangs" 2>/dev/null || true; } | wc -l); }
logged() { since | grep -q -- "$1"; }
ran() { logged "$1" || tail -n +$((m_ivo + 1)) "$ivolog" | grep -q "command: skipped, $1 "; }
hungnow() { tail -n +$((m_hang + 1)) "$hangs" 2>/dev/null | cut -d' ' -f1; }

where() { snap home && framedat "$root/sim/home.png" "${homeregions[@]}"; }
toward() {
    case $1:$2 in
        g*:t*) press UP ;;
        t*:g*) press DOWN ;;
        *) if [ "${1:1}" -lt "${2:1}" ]; then press RIGHT; else press LEFT; fi ;;
    esac
}
athome() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$home" ]; }
# EXIT until the home screen is in front, each press until the screen changed.
changed() { snap after && [ "$(compare -metric AE "$root/sim/before.png" "$root/sim/after.png" null: 2>&1)" != 0 ]; }
leave() {
    for _ in 1 2 3 4 5 6; do
        athome && return 0
        snap before
        press EXIT
        poll 60 changed || fail "EXIT changed nothing on the screen"
    done
    athome || fail "EXIT did not lead back to the home screen"
}

# The settings from the title bar's button; Down the page buttons from App to the page $1 (General 6, Display 3,
# Preferences 4, About 5): the way to About shows every page.
opensettings() {
    goto t1410 || fail "the remote did not reach the settings button"
    press OK
    poll 60 active IVO-Settings || fail "OK on the settings button did not open the settings"
    poll 60 onapp || fail "the settings did not open with the focus on their first page button"
}
pageto() {
    local i
    for i in 6 3 4 5; do
        press DOWN
        poll 60 is $i page || fail "Down did not show the settings page $i"
        [ $i != "$1" ] || return 0
    done
}
boxkeys() { grep -c "name = $1) QKeyEvent(KeyPress, Key_Return" "$ivolog" || true; }
apprunning() { ! athome && ! active IVO-Settings && [ -n "$(xdotool getactivewindow 2>/dev/null)" ]; }

visit_about() { opensettings; pageto 5; leave; }
# The mobile-remote box on, and off once the daemon runs (or hangs before).
visit_general() {
    local n
    opensettings
    pageto 6
    n=$(boxkeys cbxPadlink)
    xdotool key Right Down Down Down Return
    poll 60 eval '[ "$(boxkeys cbxPadlink)" -gt $n ] && { daemon || [ -n "$(hungnow)" ]; }' ||
        fail "the mobile-remote box did not start the daemon"
    xdotool key Return
    poll 60 ran killall || fail "the mobile-remote box did not stop the daemon"
    leave
}
visit_im() {
    local n
    opensettings
    pageto 4
    n=$(windows)
    xdotool key Right Down Return
    poll 60 more "$n" || fail "the input-method row opened no menu"
    xdotool key Down Down Return
    poll 60 eval '! active IVO-Settings && ! athome' || fail "Add did not open the list of input methods"
    xdotool key Return
    poll 60 active IVO-Settings || fail "Return did not close the list of input methods"
    leave
}
visit_app() {
    local n
    opensettings
    n=$(pages 1)
    xdotool key Right Return
    poll 60 is $((n + 1)) pages 1 || fail "the application grid's first tile did not open its page"
    xdotool key Return
    poll 60 ran service.sh || fail "Disable (or Enable) did not stop (or start) the application"
    leave
}
visit_chooser() {
    goto t1270 || fail "the remote did not reach the audio button"
    press OK
    poll 60 active "IVO Audio Output" || fail "OK on the audio button did not open the chooser"
    xdotool key Down Right Return
    poll 60 ran pw-cat || fail "Test did not play"
    leave
}
# The first tile's application, closed by a short power key (unless a hung program kept it from coming up).
visit_tile() {
    goto g0 || fail "the remote did not reach the first tile"
    press OK
    poll 60 eval 'apprunning || [ -n "$(hungnow)" ]' || fail "OK on the first tile started no application"
    if apprunning; then
        press POWER
        # What closes it (started detached) may be the one that hangs: then the X server closes its window.
        poll 60 eval 'athome || { [ -n "${name:-}" ] && [ "$(outcome "$name")" = detached ]; }' ||
            fail "the power key did not close the application"
        athome || xdotool getactivewindow windowkill
    fi
    poll 60 eval '! lit' || fail "the launch's waiting lights never went"
}
places=(general about im app chooser tile)

# The product's word on program $1 since the mark ("ended", "left running", "still running after its kill",
# "skipped"; for one hung under another, on the outermost); "detached" when the hung process is none of the product's.
linesof() {
    local word
    word=$(sed 's/[.]/\\./g' <<<"$1")
    tail -n +$((m_ivo + 1)) "$ivolog" | grep -E "command: (ran past its budget|skipped, $word ran past)" |
        grep -E "(^|[ /\"])$word([ \"]|\$)"
}
# Process $1 runs in a session of its own (every command the program waits for runs in the program's).
detached() { local own; own=$(session "$1") && [ "$own" != "$(session "$pid")" ]; }
outcome() {
    local p line outer=$1 under=
    for p in $(hungnow); do
        ! detached "$p" || { echo detached; return; }
        outer=$(sed -n "s/^$p \([^ ]*\).*/\1/p" "$root/sim/hangs.started")
        outer=${outer##*/}
    done
    line=$(linesof "$1" | head -n 1)
    [ -n "$line" ] || [ "$outer" = "$1" ] || { line=$(linesof "$outer" | head -n 1) under=" (under $outer)"; }
    case $line in
        *"skipped, "*) echo "skipped$under" ;;
        *) [ -n "$(hungnow)" ] || return 0 ;;&
        *", ended: "*) echo "ended$under" ;;
        *", left running: "*) echo "left running$under" ;;
        *", still running after its kill"*) echo "still running after its kill$under" ;;
    esac
}
switch() { local n=${1##*/}; [[ $n != ?*.* ]] || n=${n%.*}; printf '%s_HANG' "$(tr a-z A-Z <<<"$n" | tr -c 'A-Z0-9\n' _)"; }
hang() { cp "$root/sim/settings.run" "$simset"; [ -z "${1:-}" ] || echo "$(switch "$1")=yes" >>"$simset"; }
release() { hang; local p; for p in $(hungnow); do kill "$p" 2>/dev/null || true; done; }

# The program started again with short budgets: the home screen comes up with the focus and takes the remote's keys.
again() {
    IVO_SIM_BUDGET_SCALE="$scale" "$sim" restart >/dev/null || fail "the program did not start again"
    pid=$(cut -d" " -f1 "$root/sim/ivo.pid")
    poll 60 eval 'active IVO && is "$pid" xdotool getactivewindow getwindowpid' || fail "the home screen did not come up"
    home=$(xdotool getactivewindow)
    poll 60 clients -ge 1 || fail "the home screen did not connect to the IR daemon"
    listens "after its start"
}
listens() {
    poll 60 leftfrom none || fail "the home screen showed no focus ($1)"
    if is g1 where; then goto g2; else goto g1; fi || fail "the home screen did not take the remote's keys ($1)"
}

declare -A first
programs=()
note() {
    local word name
    for word in $(since | cut -d' ' -f1); do
        name=${word##*/}
        [ -z "${first[$name]:-}" ] || continue
        first[$name]=$1
        [[ ! $name =~ ${IVO_HANG_ONLY:-.} ]] || programs+=("$name")
    done
}
start
poll 60 grep -q 'first frame:' "$ivolog" || fail "no first frame"
# The start-up's programs are those run until its last step is logged.
poll 60 grep -q '^Step 3 ' "$ivolog" || fail "the start-up did not end"
m_cmd=0
note start
cp "$simset" "$root/sim/settings.run"
for p in "${places[@]}"; do
    mark
    visit_$p
    note "$p"
done
# A program that overran is skipped for a while: where one did, the next visit starts with the program started again,
# or it may miss what the skipped one would have done; so does the first visit, unless a start-up hang restarted it.
overran=" ${places[*]} "
for name in "${programs[@]}"; do
    at=${first[$name]}
    [[ $at == start || " $overran " != *" $at "* ]] || { overran=; again; }
    hang "$name"
    mark
    if [ "$at" = start ]; then m_ivo=0 overran=; again; else visit_"$at"; fi
    poll 60 eval '[ -n "$(outcome "$name")" ]' || fail "$name hung in $at, and the log names none of its commands"
    [ "$at" = start ] || [ "$(outcome "$name")" = detached ] || overran+=" $at"
    release
    [ "$at" = start ] || athome || fail "the home screen is not in front after $name"
done
listens "after the last hang"
