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
"$cli" new -o "$file" >/dev/null
"$cli" add-node "$file" >/dev/null
i=0
while [ "$i" -lt 48 ]; do
    "$cli" add-command "$file" --function 2 >/dev/null
    "$cli" set "$file" "command:0:$i" 1 $((i * 10)) >/dev/null
    "$cli" set "$file" "command:0:$i" 2 1 >/dev/null
    i=$((i + 1))
done
"$cli" automap "$file" >/dev/null

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

# run NAME ARGS...: median wall time in ms and the CPU time of that run.
run() {
    name=$1
    shift
    : >"$out/$name"
    r=0
    while [ "$r" -lt "$runs" ]; do
        r=$((r + 1))
        /usr/bin/time -f "%e %U %S" -o "$out/time" "$cli" download "$file" "$@" \
            >/dev/null 2>"$out/err" || { echo "$name download failed" >&2; cat "$out/err" >&2; exit 1; }
        cat "$out/time" >>"$out/$name"
    done
    sort -n "$out/$name" | awk '{ t[NR] = $0 } END { print t[int((NR + 1) / 2)] }'
}
set -- $(run one --port "$out/gw1")
one_wall=$1 one_cpu=$(echo "$2 $3" | awk '{ print $1 + $2 }')
set -- $(run all $ports)
all_wall=$1 all_cpu=$(echo "$2 $3" | awk '{ print $1 + $2 }')
awk -v n="$count" -v r="$runs" -v ow="$one_wall" -v oc="$one_cpu" -v aw="$all_wall" -v ac="$all_cpu" 'BEGIN {
    printf "cli download, 48 commands, wire timing, median of %d runs\n", r
    printf "  1 gateway   %7.2f s wall  %5.2f s CPU (user+sys)\n", ow, oc
    printf "  %d gateways  %7.2f s wall  %5.2f s CPU (user+sys)\n", n, aw, ac
    printf "  ratio       %7.3f (target at most 1.15)\n", aw / ow
}'
