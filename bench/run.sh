#!/usr/bin/env bash
# Runs every benchmark binary of a build tree, then the side-by-side comparison scripts.
set -euo pipefail
build=${1:-build-bench}
for b in "$build"/bench/*; do
    [ -x "$b" ] && [ -f "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" --benchmark_min_time=0.2
done
for s in bench/*/compare.sh; do
    [ -x "$s" ] || continue
    echo "== $s"
    "$s" "$build"
done
