#!/bin/sh
# Resident memory of varkel-sim over many transfers: the gateway runs for
# days, so what it keeps must not grow with each download and upload.
# Prints VmRSS (and the heap's share, VmData) after a few warm-up rounds and
# after ROUNDS download + upload rounds of docs/example.xml, and the growth
# per round.
# Usage: bench/sim_memory.sh [build dir] [rounds] [configuration]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
rounds=${2:-150}
file=${3:-$here/docs/example.xml}
cli=$build/cli/varkel-cli
sim=$build/sim/varkel-sim
out=$(mktemp -d)
simpid=
trap '[ -n "$simpid" ] && kill "$simpid" 2>/dev/null; rm -rf "$out"' EXIT

[ -x "$cli" ] && [ -x "$sim" ] || { echo "no varkel-cli or varkel-sim in $build (build them first)" >&2; exit 1; }
[ -r "$file" ] || { echo "cannot read $file" >&2; exit 1; }

"$sim" --link "$out/gw" >/dev/null 2>&1 &
simpid=$!
n=0
while [ ! -e "$out/gw" ] && [ "$n" -lt 100 ]; do sleep 0.05; n=$((n + 1)); done
[ -e "$out/gw" ] || { echo "varkel-sim did not start" >&2; exit 1; }

# Kilobytes of a field of /proc/PID/status.
status_kb() {
    awk -v f="$1:" '$1 == f { print $2 }' "/proc/$simpid/status"
}

round() {
    "$cli" download "$file" --port "$out/gw" >/dev/null 2>"$out/err" ||
        { echo "download failed" >&2; cat "$out/err" >&2; exit 1; }
    "$cli" upload --port "$out/gw" -o "$out/up.xml" >/dev/null 2>"$out/err" ||
        { echo "upload failed" >&2; cat "$out/err" >&2; exit 1; }
}

# The first rounds fault in code and the allocator's first arenas.
i=0
while [ "$i" -lt 5 ]; do round; i=$((i + 1)); done
rss0=$(status_kb VmRSS)
data0=$(status_kb VmData)
i=0
while [ "$i" -lt "$rounds" ]; do round; i=$((i + 1)); done
rss1=$(status_kb VmRSS)
data1=$(status_kb VmData)
awk -v r0="$rss0" -v r1="$rss1" -v d0="$data0" -v d1="$data1" -v n="$rounds" 'BEGIN {
    printf "varkel-sim memory, %d download + upload rounds\n", n
    printf "  VmRSS  before %7d kB  after %7d kB  growth %8.1f bytes a round\n", r0, r1, (r1 - r0) * 1024 / n
    printf "  VmData before %7d kB  after %7d kB\n", d0, d1
}'
