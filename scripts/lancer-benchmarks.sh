#!/bin/sh
# Runs every benchmark of a build tree, one after the other:
#   scripts/lancer-benchmarks.sh <build directory>
# Benchmarks print their own figures; a failing one stops the run.
set -eu

build=${1:?usage: $0 <build directory>}
trouve=0
for executable in "$build"/bench/bench_*; do
    [ -f "$executable" ] && [ -x "$executable" ] || continue
    trouve=1
    echo "== $(basename "$executable")"
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$executable"
    echo
done

# The calendar page's own benchmarks run in headless Chromium.
for script in bench/web/*.js; do
    [ -f "$script" ] || continue
    trouve=1
    echo "== $script"
    node "$script"
    echo
done

if [ "$trouve" -eq 0 ]; then
    echo "No benchmark found in $build/bench (build the 'benchmarks' target first)." >&2
    exit 1
fi
