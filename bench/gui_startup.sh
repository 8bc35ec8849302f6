#!/bin/sh
# Whole-process time and peak memory of the desktop program starting with a
# 48-command configuration and writing a picture of its window (offscreen),
# against a minimal Qt Widgets program that shows a main window with a dock,
# a tree and a table and writes its picture. Runs alternate between the two;
# the ratios are of the medians (time) and of the peak resident memory. The
# program's window is Chinese (its default), the minimal window's English;
# two more lines compare like with like: the program's English window with
# the minimal one, and its Chinese window with the minimal window showing
# Chinese entries (which needs a CJK font as well).
# Usage: bench/gui_startup.sh [path/to/varkel] [runs] [path/to/gui_minimal]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build/ui/varkel}
runs=${2:-5}
minimal=${3:-$(dirname "$program")/../bench/gui_minimal}
file=$here/tests/ui/data/commands48.xml
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

[ -x "$program" ] || { echo "no program at $program (build it first)" >&2; exit 1; }
[ -x "$minimal" ] || { echo "no minimal program at $minimal (build with VARKEL_BENCH)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt-get install time)" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
# Settings the program writes go to a scratch folder.
export XDG_CONFIG_HOME="$out/config"

# One run: "microseconds kilobytes" on the output.
measure() {
    name=$1
    shift
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$out/time" "$@" >/dev/null 2>"$out/err" || {
        echo "$name failed:" >&2; cat "$out/err" >&2; exit 1; }
    end=$(date +%s%N)
    [ -s "$out/out.png" ] || { echo "$name wrote no picture" >&2; exit 1; }
    rm -f "$out/out.png"
    echo "$(( (end - start) / 1000 )) $(tail -n 1 "$out/time")"
}

i=0
while [ "$i" -lt "$runs" ]; do
    i=$((i + 1))
    measure varkel "$program" --device 0 --screenshot "$out/out.png" "$file" >>"$out/varkel"
    measure gui_minimal "$minimal" "$out/out.png" >>"$out/minimal"
    measure varkel "$program" --lang en --device 0 --screenshot "$out/out.png" "$file" >>"$out/english"
    measure gui_minimal "$minimal" "$out/out.png" --chinese >>"$out/minimal_zh"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
vt=$(cut -d' ' -f1 "$out/varkel" | median)
mt=$(cut -d' ' -f1 "$out/minimal" | median)
vm=$(cut -d' ' -f2 "$out/varkel" | sort -n | tail -n 1)
et=$(cut -d' ' -f1 "$out/english" | median)
em=$(cut -d' ' -f2 "$out/english" | sort -n | tail -n 1)
zt=$(cut -d' ' -f1 "$out/minimal_zh" | median)
zm=$(cut -d' ' -f2 "$out/minimal_zh" | sort -n | tail -n 1)
mm=$(cut -d' ' -f2 "$out/minimal" | sort -n | tail -n 1)
awk -v runs="$runs" -v vt="$vt" -v mt="$mt" -v vm="$vm" -v mm="$mm" -v et="$et" -v em="$em" -v zt="$zt" -v zm="$zm" 'BEGIN {
    printf "runs %d  varkel: median %.3f s, peak RSS %.1f MiB  minimal: median %.3f s, peak RSS %.1f MiB\n",
           runs, vt / 1e6, vm / 1024, mt / 1e6, mm / 1024
    printf "time ratio %.2f (target <= 1.30)  memory ratio %.2f (target <= 1.20)\n",
           (mt > 0 ? vt / mt : 0), (mm > 0 ? vm / mm : 0)
    printf "English window: median %.3f s, peak RSS %.1f MiB, time ratio %.2f, memory ratio %.2f\n",
           et / 1e6, em / 1024, (mt > 0 ? et / mt : 0), (mm > 0 ? em / mm : 0)
    printf "Chinese window against the Chinese minimal window (%.3f s, %.1f MiB): time ratio %.2f, memory ratio %.2f\n",
           zt / 1e6, zm / 1024, (zt > 0 ? vt / zt : 0), (zm > 0 ? vm / zm : 0)
}'
