#!/usr/bin/env bash
# The animation manager's preview tick (a 640 x 480 frame file read into the Preview window and
# painted) beside ffmpeg reading the same 300 frame files and converting them to 32-bit
# (ffmpeg -threads 1 -i frame%03d.bmp -pix_fmt bgra -f null -), median of 5 runs; ffmpeg's own
# -benchmark time leaves out its start. Target: within 2x.
# Usage: bench/animation/compare.sh <build-dir>
set -euo pipefail
build=${1:-build-bench}
bin="$build/bench/animation_bench"
[ -x "$bin" ] || { echo "compare.sh: $bin not built (configure with -DORVANTA_BENCH=ON)"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$bin" --write-frames="$dir"
"$bin" --time="$dir" 2>/dev/null
own=$(for i in 1 2 3 4 5; do
    ffmpeg -nostdin -benchmark -threads 1 -i "$dir/frame%03d.bmp" -pix_fmt bgra -f null - 2>&1 |
        sed -n 's/.*rtime=\([0-9.]*\)s.*/\1/p'
done | sort -n | sed -n 3p)
awk -v t="$own" 'BEGIN {printf "ffmpeg, 300 frames: %.0f ms of its own time, %.2f ms a frame\n", t * 1000, t * 1000 / 300}'
