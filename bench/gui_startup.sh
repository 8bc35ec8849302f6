#!/bin/sh
# Whole-process time and peak memory of the desktop program starting with a
# 48-command configuration and writing a picture of its window (offscreen).
# Usage: bench/gui_startup.sh [path/to/varkel] [runs]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build/ui/varkel}
runs=${2:-5}
file=$here/tests/ui/data/commands48.xml
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

[ -x "$program" ] || { echo "no program at $program (build it first)" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

i=0
while [ "$i" -lt "$runs" ]; do
    i=$((i + 1))
    /usr/bin/time -v "$program" --device 0 --screenshot "$out/out.png" "$file" \
        >/dev/null 2>"$out/time.$i"
    [ -s "$out/out.png" ] || { echo "run $i wrote no picture" >&2; cat "$out/time.$i" >&2; exit 1; }
    rm -f "$out/out.png"
done

# Wall-clock seconds (m:ss.ss) and peak resident kilobytes of every run.
cat "$out"/time.* | awk '
    /Elapsed \(wall clock\)/ { n = split($NF, t, ":"); s = t[n] + (n > 1 ? t[n-1] * 60 : 0);
                               wall[++w] = s }
    /Maximum resident set size/ { rss[++r] = $NF }
    END {
        min = wall[1]; max = wall[1]; sum = 0
        for (i = 1; i <= w; i++) { sum += wall[i]; if (wall[i] < min) min = wall[i];
                                   if (wall[i] > max) max = wall[i] }
        peak = 0; for (i = 1; i <= r; i++) if (rss[i] > peak) peak = rss[i]
        printf "runs %d  wall s: min %.2f mean %.2f max %.2f  peak RSS %.1f MiB\n",
               w, min, sum / w, max, peak / 1024
    }'
