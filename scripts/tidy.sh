#!/bin/sh
# Runs clang-tidy (the checks in .clang-tidy) over the core libraries, with
# the compile commands of a configured build folder (default build-test).
# Exits non-zero on any finding.
set -e
cd "$(dirname "$0")/.."
BUILD=${1:-build-test}
if [ ! -f "$BUILD/compile_commands.json" ]; then
    echo "tidy: no $BUILD/compile_commands.json; configure that build first" >&2
    exit 2
fi
ls model/*.cpp persist/*.cpp link/*.cpp export/*.cpp probe/*.cpp |
    xargs -P "${JOBS:-2}" -n 4 clang-tidy -p "$BUILD" --quiet
