#!/bin/sh
# Whole-process time of `varkel-cli check` on a clean 48-command
# configuration against `xmllint --noout` on the same file: medians of
# alternating runs and their ratio (target: at most 1.2).
# Usage: bench/cli_check.sh [path/to/varkel-cli] [runs]
set -eu
cli=${1:-build-bench/cli/varkel-cli}
runs=${2:-31}
command -v xmllint >/dev/null || { echo "xmllint is not installed" >&2; exit 1; }
[ -x "$cli" ] || { echo "no varkel-cli at $cli" >&2; exit 1; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file=$dir/plant.xml
"$cli" new -o "$file" >/dev/null
"$cli" add-node "$file" >/dev/null
i=0
while [ $i -lt 48 ]; do
    # Alternate reads of holding registers (index 2) and writes of
    # registers (index 13), each one register at its own address.
    if [ $((i % 2)) -eq 0 ]; then fn=2; else fn=13; fi
    "$cli" add-command "$file" --function $fn >/dev/null
    "$cli" set "$file" command:0:$i 1 $((i * 10)) >/dev/null
    "$cli" set "$file" command:0:$i 2 1 >/dev/null
    i=$((i + 1))
done
"$cli" automap "$file" >/dev/null
"$cli" check "$file" >/dev/null || { echo "the configuration is not clean" >&2; exit 1; }

# Microseconds one run of the command takes.
time_us() {
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}

: >"$dir/cli.txt"
: >"$dir/xmllint.txt"
i=0
while [ $i -lt "$runs" ]; do
    time_us xmllint --noout "$file" >>"$dir/xmllint.txt"
    time_us "$cli" check "$file" >>"$dir/cli.txt"
    i=$((i + 1))
done

median() { sort -n "$1" | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
x=$(median "$dir/xmllint.txt")
c=$(median "$dir/cli.txt")
echo "file: $(wc -c <"$file") bytes, $runs runs each"
echo "xmllint --noout median: ${x} us"
echo "varkel-cli check median: ${c} us"
awk -v c="$c" -v x="$x" 'BEGIN {printf "ratio: %.2f\n", c / x}'
