#!/bin/sh
# Idle cost of the virtual gateway at work: varkel-sim runs 48 commands at
# 19200 baud with a 20 ms poll delay against varkel-slave taking that line's
# time, and the processor time varkel-sim takes over a stretch is read from
# /proc/PID/stat (user and system time of all its threads).
# Usage: bench/sim_idle.sh [build dir] [seconds]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
secs=${2:-10}
cli=$build/cli/varkel-cli
sim=$build/sim/varkel-sim
slave=$build/sim/varkel-slave
out=$(mktemp -d)
simpid=
slavepid=
trap '[ -n "$simpid" ] && kill "$simpid" 2>/dev/null; [ -n "$slavepid" ] && kill "$slavepid" 2>/dev/null; rm -rf "$out"' EXIT

[ -x "$cli" ] && [ -x "$sim" ] && [ -x "$slave" ] ||
    { echo "no varkel-cli, varkel-sim or varkel-slave in $build (build them first)" >&2; exit 1; }

file=$out/commands48.xml
. "$here/bench/commands48.sh"
"$cli" set "$file" subnet 8 20 >/dev/null

"$slave" --baud 19200 --link "$out/sl" >/dev/null 2>&1 &
slavepid=$!
"$sim" --link "$out/gw" --subnet "$out/sl" --plc 127.0.0.1:0 >/dev/null 2>"$out/sim.err" &
simpid=$!
n=0
while { [ ! -e "$out/gw" ] || [ ! -e "$out/sl" ]; } && [ "$n" -lt 100 ]; do sleep 0.05; n=$((n + 1)); done
"$cli" download "$file" --port "$out/gw" >/dev/null 2>"$out/err" ||
    { echo "download failed" >&2; cat "$out/err" >&2; exit 1; }
sleep 2
grep -q "48" "$out/sim.err" || { echo "varkel-sim does not run the 48 commands" >&2; cat "$out/sim.err" >&2; exit 1; }

ticks() { awk '{ print $14 + $15 }' "/proc/$simpid/stat"; }
hz=$(getconf CLK_TCK)
t0=$(ticks)
s0=$(date +%s%N)
sleep "$secs"
t1=$(ticks)
s1=$(date +%s%N)
awk -v t=$((t1 - t0)) -v hz="$hz" -v ns=$((s1 - s0)) 'BEGIN {
    printf "varkel-sim at work (48 commands, 19200 baud, 20 ms poll delay): %.2f %% of one processor over %.1f s\n",
        100 * t / hz / (ns / 1e9), ns / 1e9 }'
