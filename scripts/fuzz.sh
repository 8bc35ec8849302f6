#!/bin/sh
# Builds the libFuzzer targets with clang (build-fuzz) and runs each for a
# bounded time; fails on any crash, sanitizer report or time-out.
#   scripts/fuzz.sh [seconds per target] [--short]
# --short: a fresh corpus from the seeds only (make test); otherwise the
# corpus in build-fuzz/corpus grows from run to run.
set -u
SECONDS_EACH=${1:-60}
SHORT=${2:-}
JOBS=${JOBS:-$(nproc)}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="$ROOT/build-fuzz"
TARGETS="load upload commit csv_list workbook_list plc_request"

CXX=""
for c in clang++ clang++-14; do
  command -v "$c" >/dev/null 2>&1 && { CXX=$(command -v "$c"); break; }
done
if [ -z "$CXX" ]; then
  echo "fuzz: clang++ is not installed (scripts/deps.sh installs it)" >&2
  exit 1
fi

LAUNCHER=""
command -v ccache >/dev/null 2>&1 && LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_CXX_COMPILER="$CXX" -DVARKEL_FUZZ=ON $LAUNCHER \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DVARKEL_TESTS=OFF -DVARKEL_BENCH=OFF -DVARKEL_GUI=OFF >/dev/null || exit 1
cmake --build "$BUILD" -j"$JOBS" --target make_reply_seeds $(for t in $TARGETS; do printf 'fuzz_%s ' "$t"; done) || exit 1

# Seeds: the configurations of the tests and the documentation; for the
# upload, a virtual gateway's replies after downloading them.
SEEDS="$BUILD/seeds"
rm -rf "$SEEDS"
for t in $TARGETS; do mkdir -p "$SEEDS/$t"; done
cp "$ROOT"/tests/persist/data/*.xml "$ROOT"/docs/*.xml "$SEEDS/load/"
"$BUILD/tests/fuzz/make_reply_seeds" "$SEEDS/upload" "$ROOT/docs/example.xml" \
  "$ROOT/docs/plant_zh.xml" "$ROOT/tests/persist/data/default.xml" >/dev/null || exit 1
cp "$ROOT"/tests/fuzz/seeds/commit/* "$SEEDS/commit/"
cp "$ROOT"/tests/fuzz/seeds/plc_request/* "$SEEDS/plc_request/"
cp "$ROOT"/docs/*.csv "$SEEDS/csv_list/" || exit 1
cp "$ROOT"/res/Template*.xlsx "$SEEDS/workbook_list/" || exit 1

mkdir -p "$BUILD/artifacts"
failed=""
for t in $TARGETS; do
  # A target that was not built is a failure, not a target less.
  if [ ! -x "$BUILD/tests/fuzz/fuzz_$t" ]; then
    echo "fuzz_$t: FAILED (no such program in $BUILD/tests/fuzz)" >&2
    failed="$failed $t"
    continue
  fi
  if [ "$SHORT" = "--short" ]; then
    corpus="$BUILD/corpus-short/$t"
    rm -rf "$corpus"
  else
    corpus="$BUILD/corpus/$t"
  fi
  mkdir -p "$corpus"
  log="$BUILD/fuzz-$t.log"
  # The outer time-out catches a hang libFuzzer itself cannot report.
  timeout $((SECONDS_EACH * 3 + 120)) "$BUILD/tests/fuzz/fuzz_$t" \
    -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$BUILD/artifacts/$t-" -print_final_stats=1 \
    "$corpus" "$SEEDS/$t" >"$log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ $rc -ne 0 ]; then
    echo "fuzz_$t: FAILED (exit $rc), log $log" >&2
    grep -m5 -E "^fuzz:|ERROR|runtime error|Test unit written" "$log" >&2
    failed="$failed $t"
  else
    echo "fuzz_$t: ${runs:-?} inputs in ${SECONDS_EACH} s, no fault"
  fi
done
[ -z "$failed" ] || { echo "fuzz: failed:$failed" >&2; exit 1; }
