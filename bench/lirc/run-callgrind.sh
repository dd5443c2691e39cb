#!/usr/bin/env bash
# Instructions per sample of all six decoders together, clock reads included,
# counted by callgrind: the difference between a run of 2N and one of N
# samples, divided by N, so start-up and stream building cancel out.
#
#   bench/lirc/run-callgrind.sh BUILD_DIR [N] [real|stamp]
#
# real (default): each decoder reads the real-time clock itself;
# stamp: the loop stamps each sample once and the decoders read the stamp.
set -euo pipefail
build=${1:?usage: run-callgrind.sh BUILD_DIR [N] [real|stamp]}
n=${2:-200000}
mode=${3:-real}
bin=$build/bench/bench_irDecodeCost
[ -x "$bin" ] || { echo "no $bin: build the target bench_irDecodeCost" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "valgrind is needed (apt-get install valgrind)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

instructions() {
    valgrind --tool=callgrind --callgrind-out-file="$work/out.$1" --log-file="$work/log.$1" \
        "$bin" "$1" "$mode" >"$work/stdout.$1" 2>/dev/null
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p' "$work/log.$1"
}

one=$(instructions "$n")
two=$(instructions "$((2 * n))")
echo "N=$n:  $(cat "$work/stdout.$n")"
echo "2N=$((2 * n)): $(cat "$work/stdout.$((2 * n))")"
echo "instructions: N run $one, 2N run $two"
awk -v a="$one" -v b="$two" -v n="$n" -v m="$mode" \
    'BEGIN { printf "instructions per sample (six decoders, clock %s): %.1f\n", m, (b - a) / n }'
