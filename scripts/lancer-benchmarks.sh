#!/usr/bin/env bash
# Runs every benchmark built in <build directory>/bench, then the web page's frame-time benchmark.
set -uo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
statut=0
for bench in "$BUILD"/bench/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" || statut=1
done
for bench in bench/web/*.js; do
    [ -f "$bench" ] || continue
    echo "== $bench"
    node "$bench" || statut=1
done
exit $statut
