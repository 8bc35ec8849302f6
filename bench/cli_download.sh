#!/bin/sh
# Whole-process time of `varkel-cli download` of 48 commands to varkel-sim
# taking the time of a real 19200 baud line, against the floor of that line
# (every byte both ways, the version pause, and the pace after each frame
# where it is longer than the exchange's bytes).
# Usage: bench/cli_download.sh [build dir] [runs] [pace-ms]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${2:-9}
pace=${3:-0}
cli=$build/cli/varkel-cli
sim=$build/sim/varkel-sim
out=$(mktemp -d)
simpid=
trap '[ -n "$simpid" ] && kill "$simpid" 2>/dev/null; rm -rf "$out"' EXIT

[ -x "$cli" ] && [ -x "$sim" ] || { echo "no varkel-cli or varkel-sim in $build (build them first)" >&2; exit 1; }

# 48 read commands, mapped one after the other.
file=$out/commands48.xml
. "$here/bench/commands48.sh"

"$sim" --wire-timing --trace --link "$out/gw" >"$out/trace" 2>/dev/null &
simpid=$!
n=0
while [ ! -e "$out/gw" ] && [ "$n" -lt 100 ]; do sleep 0.05; n=$((n + 1)); done
[ -e "$out/gw" ] || { echo "varkel-sim did not start" >&2; exit 1; }

i=0
while [ "$i" -lt "$runs" ]; do
    i=$((i + 1))
    start=$(date +%s%N)
    "$cli" download "$file" --port "$out/gw" --pace-ms "$pace" >/dev/null 2>"$out/err" ||
        { echo "download $i failed" >&2; cat "$out/err" >&2; exit 1; }
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>"$out/times"
done
sleep 0.2

# The floor per run, from the gateway's trace: every exchange takes its
# bytes' time on the line, both ways; a paced one at least the pace, which
# runs from the end of sending while the request and its answer travel.
# The two version queries (the first request's bytes) are not paced and
# have the fixed pause between them.
awk -v runs="$runs" -v pace="$pace" '
    function close_exchange() {
        if (bytes == 0)
            return
        line = bytes * 0.520833
        total += (paced && pace > line) ? pace : line
        bytes = 0
    }
    /^<- / {
        close_exchange()
        requests++
        request = substr($0, 4)
        if (version == "")
            version = request
        paced = request != version
        bytes = NF - 1
    }
    /^-> / { bytes += NF - 1 }
    END {
        close_exchange()
        printf "%.3f %d\n", total / runs + 100, requests / runs
    }' "$out/trace" >"$out/floor"
read -r floor frames <"$out/floor"
median=$(sort -n "$out/times" | awk '{ t[NR] = $1 } END { m = int((NR + 1) / 2); printf "%.3f", t[m] / 1000 }')
awk -v f="$floor" -v m="$median" -v fr="$frames" -v p="$pace" -v r="$runs" 'BEGIN {
    printf "cli download, 48 commands, pace %d ms, %d runs, %d frames\n", p, r, fr
    printf "  floor  %9.1f ms\n  median %9.1f ms\n  ratio  %9.3f\n", f, m, m / f
}'
