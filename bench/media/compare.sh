#!/usr/bin/env bash
# Decoding every frame of the same 640 x 480 films with ours and with ffmpeg on one thread
# (ffmpeg -threads 1 -i film.avi -f null -), median of 5 runs each: ffmpeg's whole run, and its
# own -benchmark time, which leaves out its start (library loading, some 250 ms here).
set -euo pipefail
build=${1:-build-bench}
bin="$build/bench/media_bench"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$bin" --write-films="$dir"
median() { sort -n | sed -n 3p; }
for film in mjpeg raw; do
    ours=$("$bin" --time="$dir/$film.avi")
    runs=$(for i in 1 2 3 4 5; do
        s=$(date +%s%N)
        r=$(ffmpeg -nostdin -benchmark -threads 1 -i "$dir/$film.avi" -f null - 2>&1 |
            sed -n 's/.*rtime=\([0-9.]*\)s.*/\1/p')
        e=$(date +%s%N)
        echo "$(echo "scale=1; ($e - $s) / 1000000" | bc) $(echo "scale=1; $r * 1000" | bc)"
    done)
    whole=$(echo "$runs" | awk '{print $1}' | median)
    own=$(echo "$runs" | awk '{print $2}' | median)
    echo "$film: ours $ours; ffmpeg whole run ${whole} ms, its own decoding time ${own} ms"
done
# The device playing the silent MPEG unpaced (decode and convert every frame to 32-bit) beside
# ffmpeg decoding it and converting to 32-bit RGB for the null muxer.
ours=$("$bin" --time-device="$dir/silent.mpg")
runs=$(for i in 1 2 3 4 5; do
    s=$(date +%s%N)
    r=$(ffmpeg -nostdin -benchmark -threads 1 -i "$dir/silent.mpg" -pix_fmt rgb0 -f null - 2>&1 |
        sed -n 's/.*rtime=\([0-9.]*\)s.*/\1/p')
    e=$(date +%s%N)
    echo "$(echo "scale=1; ($e - $s) / 1000000" | bc) $(echo "scale=1; $r * 1000" | bc)"
done)
whole=$(echo "$runs" | awk '{print $1}' | median)
own=$(echo "$runs" | awk '{print $2}' | median)
echo "silent MPEG, device unpaced: ours $ours; ffmpeg -pix_fmt rgb0 whole run ${whole} ms, its own time ${own} ms"
