#!/usr/bin/env bash
# Every program that a whole start of the simulator runs has a hang switch that works: a headless run up to the first
# frame logs the programs; each is started again with its switch (its file name in upper case, the extension dropped,
# every other character not A-Z0-9 "_", then "_HANG") set to yes, and must log its line, report its hang in
# sim/hangs.log and stay; a TERM to its process group ends it, with nothing of the group left behind.
set -euo pipefail
src=${IVO_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export IVO_BIN=${IVO_BIN:?the program to run} IVO_SIM_ROOT=/tmp/iv-hang-$$
sim=$src/sim/ivo-sim root=$IVO_SIM_ROOT
log=$root/sim/commands.log settings=$root/sim/settings
fail() { echo "FAIL: $*" >&2; exit 1; }
trap '"$sim" stop >/dev/null 2>&1 || true; rm -rf "$root"' EXIT
poll() { local end=$((SECONDS + $1)); shift; until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done; }
hanging() { grep -qx "$1 $2" "$root/sim/hangs.log" 2>/dev/null; }
gone() { ! pgrep -g "$1" >/dev/null; }
switch() { local n=${1##*/}; [[ $n != ?*.* ]] || n=${n%.*}; printf '%s_HANG' "$(tr a-z A-Z <<<"$n" | tr -c 'A-Z0-9\n' _)"; }

unset DISPLAY
for attempt in 1 2 3; do # another X server may take the display number picked
    IVO_SIM_SHOT=$root/shot.png "$sim" run >/dev/null && break
    "$sim" stop >/dev/null 2>&1 || true
    [ $attempt -lt 3 ] || fail "the simulator did not start"
done
grep -q 'first frame:' "$root/sim/ivo.log" || fail "the program showed no first frame"
programs=$(cut -d' ' -f1 "$log" | sort -u)
[ "$(wc -l <<<"$programs")" -ge 5 ] || fail "the start ran only these programs: $programs"
cp "$settings" "$root/sim/settings.run"
for program in $programs; do
    if [[ $program == /* ]]; then file=$root$program
    elif [ -x "$root/sim/bin/$program" ]; then file=$root/sim/bin/$program
    else file=$root/sim/actions/$program
    fi
    [ -x "$file" ] || fail "$program: not in the simulator"
    key=$(switch "$program")
    { cat "$root/sim/settings.run"; echo "$key=yes"; } >"$settings"
    : >"$log"
    setsid "$file" --hang-check </dev/null >/dev/null 2>&1 &
    pid=$!
    poll 30 hanging $pid "$key" || fail "$program did not hang with $key=yes"
    [ "$(cat "$log")" = "$program --hang-check" ] || fail "$program logged '$(cat "$log")'"
    kill -TERM -- -$pid
    poll 10 gone $pid || fail "$program left processes behind after a TERM to its group: $(pgrep -g $pid -a)"
    wait $pid 2>/dev/null || true
    echo "ok: $program ($key)"
done
