#!/usr/bin/env bash
# The animation manager's preview tick (a 640 x 480 frame file read into the Preview window and
# painted) beside ffmpeg reading the same 300 frame files and converting them to 32-bit
# (ffmpeg -threads 1 -i frame%03d.bmp -pix_fmt bgra -f null -), median of 5 runs; ffmpeg's own
# -benchmark time leaves out its start. Target: within 2x.
# Then the batch resize of the same 300 frames to 320 x 240 ("Resize", each frame written back
# over itself through the safe writer: temporary file, fsync, rename, folder fsync) beside
# `mogrify -sample 320x240` on copies of the frames in the same folder; both fresh processes,
# every frame restored and synced to disk before each run, median of 5. Target: no slower.
# Usage: bench/animation/compare.sh <build-dir>
set -euo pipefail
build=${1:-build-bench}
bin="$build/bench/animation_bench"
[ -x "$bin" ] || { echo "compare.sh: $bin not built (configure with -DORVANTA_BENCH=ON)"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$bin" --write-frames="$dir"
"$bin" --time="$dir" 2>/dev/null
# In a real window as well when an X server is there (each paint then goes to the server).
if [ -n "${DISPLAY:-}" ]; then
    echo "under X ($DISPLAY): $(QT_QPA_PLATFORM=xcb "$bin" --time="$dir" 2>/dev/null)"
fi
own=$(for i in 1 2 3 4 5; do
    ffmpeg -nostdin -benchmark -threads 1 -i "$dir/frame%03d.bmp" -pix_fmt bgra -f null - 2>&1 |
        sed -n 's/.*rtime=\([0-9.]*\)s.*/\1/p'
done | sort -n | sed -n 3p)
awk -v t="$own" 'BEGIN {printf "ffmpeg, 300 frames: %.0f ms of its own time, %.2f ms a frame\n", t * 1000, t * 1000 / 300}'

# Batch resize: frameNNN.bmp are ours, copyNNN.bmp mogrify's, side by side in one folder.
work="$dir/resize"
mkdir -p "$work"
restore() {
    for f in "$dir"/frame*.bmp; do
        n=${f##*/frame}
        cp "$f" "$work/frame$n"
        cp "$f" "$work/copy$n"
    done
    sync
}
runs=$(for i in 1 2 3 4 5; do
    restore
    s=$(date +%s%N)
    inner=$("$bin" --resize="$work" 2>/dev/null)
    e=$(date +%s%N)
    restore
    s2=$(date +%s%N)
    mogrify -sample 320x240 "$work"/copy*.bmp
    e2=$(date +%s%N)
    echo "$inner $(((e - s) / 1000000)) $(((e2 - s2) / 1000000))"
done)
median() { sort -n | sed -n 3p; }
inner=$(echo "$runs" | awk '{print $1}' | median)
whole=$(echo "$runs" | awk '{print $2}' | median)
mog=$(echo "$runs" | awk '{print $3}' | median)
awk -v i="$inner" -v w="$whole" -v m="$mog" 'BEGIN {
    printf "batch resize, 300 frames to 320 x 240: ours %.0f ms (whole process %.0f ms), mogrify -sample %.0f ms; ratio %.2f (whole %.2f)\n", i, w, m, i / m, w / m }'
