#!/bin/sh
# Downloading one configuration of 48 commands to N virtual gateways at once
# (varkel-sim taking the time of a real 19200 baud line) against the time of
# one; and the CPU time varkel-cli spends, which stays low when the workers
# wait on their lines instead of spinning.
# Usage: bench/cli_download_many.sh [build dir] [gateways] [runs]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
count=${2:-8}
runs=${3:-3}
cli=$build/cli/varkel-cli
sim=$build/sim/varkel-sim
out=$(mktemp -d)
pids=
trap 'for p in $pids; do kill "$p" 2>/dev/null; done; rm -rf "$out"' EXIT

[ -x "$cli" ] && [ -x "$sim" ] || { echo "no varkel-cli or varkel-sim in $build (build them first)" >&2; exit 1; }

file=$out/commands48.xml
. "$here/bench/commands48.sh"

ports=""
i=1
while [ "$i" -le "$count" ]; do
    "$sim" --wire-timing --link "$out/gw$i" >/dev/null 2>&1 &
    pids="$pids $!"
    ports="$ports --port $out/gw$i"
    i=$((i + 1))
done
i=1
while [ "$i" -le "$count" ]; do
    n=0
    while [ ! -e "$out/gw$i" ] && [ "$n" -lt 100 ]; do sleep 0.05; n=$((n + 1)); done
    [ -e "$out/gw$i" ] || { echo "varkel-sim $i did not start" >&2; exit 1; }
    i=$((i + 1))
done

# Median wall time and the mean user+sys CPU time of the downloads, in
# seconds: by hyperfine when it is there, else by /usr/bin/time.
if command -v hyperfine >/dev/null 2>&1; then
    hyperfine -N --warmup 1 --runs "$runs" --export-csv "$out/runs.csv" \
        "$cli download $file --port $out/gw1" "$cli download $file$ports" >/dev/null 2>"$out/err" ||
        { echo "download failed under hyperfine" >&2; cat "$out/err" >&2; exit 1; }
    tool=hyperfine
    # command,mean,stddev,median,user,system,min,max
    set -- $(awk -F, 'NR > 1 { printf "%s %s ", $4, $5 + $6 }' "$out/runs.csv")
else
    tool=/usr/bin/time
    # run ARGS...: the median wall time and the CPU time of that run.
    run() {
        : >"$out/runs"
        r=0
        while [ "$r" -lt "$runs" ]; do
            r=$((r + 1))
            /usr/bin/time -f "%e %U %S" -o "$out/time" "$cli" download "$file" "$@" \
                >/dev/null 2>"$out/err" || { echo "download failed" >&2; cat "$out/err" >&2; exit 1; }
            cat "$out/time" >>"$out/runs"
        done
        sort -n "$out/runs" | awk '{ t[NR] = $0 } END { split(t[int((NR + 1) / 2)], m, " "); printf "%s %s ", m[1], m[2] + m[3] }'
    }
    one=$(run --port "$out/gw1") || exit 1
    all=$(run $ports) || exit 1
    set -- $one $all
fi
awk -v n="$count" -v r="$runs" -v tool="$tool" -v ow="$1" -v oc="$2" -v aw="$3" -v ac="$4" 'BEGIN {
    printf "cli download, 48 commands, wire timing, %d runs by %s\n", r, tool
    printf "  1 gateway   %7.2f s wall  %5.3f s CPU (user+sys)\n", ow, oc
    printf "  %d gateways  %7.2f s wall  %5.3f s CPU (user+sys)\n", n, aw, ac
    printf "  ratio       %7.3f (target at most 1.15: %s)\n", aw / ow, aw / ow <= 1.15 ? "met" : "NOT met"
}'
