#!/bin/sh
# Fails when a C++ file of the tree is not in the style of .clang-format,
# naming the files and showing the first differences.
cd "$(dirname "$0")/.."
bad=$(git ls-files '*.cpp' '*.h' | while read -r f; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || echo "$f"
done)
[ -z "$bad" ] && exit 0
echo "Not formatted (clang-format -i them):" >&2
for f in $bad; do
    echo "  $f" >&2
    clang-format "$f" | diff -u "$f" - | head -20 >&2
done
exit 1
