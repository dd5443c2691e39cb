#!/usr/bin/env bash
# Two simulators started together on one machine keep to themselves: each catalog server listens on a port of its own
# and answers for its own sysroot, each program fetches the catalog from its own server, and the time budget scale
# given to one simulator reaches its program only.
set -euo pipefail
src=${IVO_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export IVO_BIN=${IVO_BIN:?the program to run}
sim=$src/sim/ivo-sim roots=(/tmp/iv-sbs1-$$ /tmp/iv-sbs2-$$) scales=(0.5 '')
fail() { echo "FAIL: $*" >&2; exit 1; }
cleanup() { local r; for r in "${roots[@]}"; do IVO_SIM_ROOT=$r "$sim" stop >/dev/null 2>&1 || true; rm -rf "$r"; done; }
trap cleanup EXIT
poll() { local end=$((SECONDS + $1)); shift; until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done; }
fetched() { grep -q '"GET /bentocenter_eng.xml ' "$1/sim/catalog/server.log"; }
start() {
    for _ in 1 2 3; do # another X server may take the display number picked
        env ${2:+IVO_SIM_BUDGET_SCALE=$2} IVO_SIM_ROOT="$1" "$sim" run --keep >/dev/null && return 0
        IVO_SIM_ROOT=$1 "$sim" stop >/dev/null 2>&1 || true
    done
    return 1
}

unset DISPLAY IVO_SIM_CATALOG_PORT
start "${roots[0]}" "${scales[0]}" & first=$!
start "${roots[1]}" "${scales[1]}" || fail "the second simulator did not start"
wait $first || fail "the first simulator did not start"
for i in 0 1; do
    r=${roots[i]}
    port=$(cat "$r/sim/catalog/port")
    [ "$(curl -fs --noproxy '*' "http://127.0.0.1:$port/sim-root")" = "$r" ] || fail "port $port does not serve $r"
    grep -qx "BENTO CENTER XML = http://127.0.0.1:$port/bentocenter_%s.xml" "$r/etc/config/corvex.conf" ||
        fail "$r names another catalog address: $(grep 'BENTO CENTER' "$r/etc/config/corvex.conf")"
    grep -q ">http://127.0.0.1:$port/packages/" "$r/sim/catalog/www/bentocenter_eng.xml" ||
        fail "the catalog of $r names another server"
    poll 120 fetched "$r" || fail "the program of $r never fetched the catalog from its own server"
    pid=$(cut -d' ' -f1 "$r/sim/ivo.pid")
    scale=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^IVO_BUDGET_SCALE=//p')
    [ "$scale" = "${scales[i]}" ] || fail "the program of $r runs with IVO_BUDGET_SCALE='$scale'"
done
