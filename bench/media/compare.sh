#!/usr/bin/env bash
# Decoding every frame of the same 640 x 480 films with ours and with ffmpeg on one thread
# (ffmpeg -threads 1 -i film.avi -f null -), median of 5 runs each.
set -euo pipefail
build=${1:-build-bench}
bin="$build/bench/media_bench"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$bin" --write-films="$dir"
median() { sort -n | sed -n 3p; }
for film in mjpeg raw; do
    ours=$("$bin" --time="$dir/$film.avi")
    theirs=$(for i in 1 2 3 4 5; do
        s=$(date +%s%N)
        ffmpeg -nostdin -v error -threads 1 -i "$dir/$film.avi" -f null - >/dev/null 2>&1
        e=$(date +%s%N)
        echo "scale=1; ($e - $s) / 1000000" | bc
    done | median)
    echo "$film: ours $ours, ffmpeg ${theirs} ms"
done
