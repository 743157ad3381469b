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
# ffmpeg on one thread with these arguments, 5 runs: the medians of its whole run and of its own
# -benchmark time, in ms.
ffmpegTimes() {
    local runs
    runs=$(for i in 1 2 3 4 5; do
        s=$(date +%s%N)
        r=$(ffmpeg -nostdin -benchmark -threads 1 "$@" 2>&1 | sed -n 's/.*rtime=\([0-9.]*\)s.*/\1/p')
        e=$(date +%s%N)
        echo "$(echo "scale=1; ($e - $s) / 1000000" | bc) $(echo "scale=1; $r * 1000" | bc)"
    done)
    echo "$(echo "$runs" | awk '{print $1}' | median) $(echo "$runs" | awk '{print $2}' | median)"
}
for film in mjpeg raw; do
    ours=$("$bin" --time="$dir/$film.avi")
    read -r whole own < <(ffmpegTimes -i "$dir/$film.avi" -f null -)
    echo "$film: ours $ours; ffmpeg whole run ${whole} ms, its own decoding time ${own} ms"
done
# The device playing the silent MPEG unpaced (decode and convert every frame to 32-bit) beside
# ffmpeg decoding it and converting to 32-bit RGB for the null muxer.
ours=$("$bin" --time-device="$dir/silent.mpg")
read -r whole own < <(ffmpegTimes -i "$dir/silent.mpg" -pix_fmt rgb0 -f null -)
echo "silent MPEG, device unpaced: ours $ours; ffmpeg -pix_fmt rgb0 whole run ${whole} ms, its own time ${own} ms"
# AVI Capture's frame dump ("Dump" over the whole film, prefix "frame", each frame sought, drawn,
# copied from the screen under the player and written through the safe writer) beside ffmpeg
# decoding the same film to BMP files (ffmpeg -threads 1 -i film.avi frame%03d.bmp). The film is
# ffmpeg's own test pattern, 300 frames of 640 x 480 MJPEG. The screen copy reads the X11
# screen: the run uses $DISPLAY when set, otherwise a private Xvfb (xvfb-run -a). Each run writes
# into an empty folder, the disk synced first; median of 5.
ffmpeg -nostdin -loglevel error -y -f lavfi -i testsrc=size=640x480:rate=25 -frames:v 300 \
    -c:v mjpeg -q:v 3 "$dir/film.avi"
dump() {
    if [ -n "${DISPLAY:-}" ]; then
        "$build/bench/avicapture_bench" "$@"
    else
        xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/avicapture_bench" "$@"
    fi
}
runs=$(for i in 1 2 3 4 5; do
    rm -rf "$dir/ours" "$dir/ff"
    mkdir "$dir/ours" "$dir/ff"
    sync
    s=$(date +%s%N)
    inner=$(dump --dump="$dir/film.avi" --out="$dir/ours" 2>/dev/null)
    e=$(date +%s%N)
    sync
    s2=$(date +%s%N)
    r=$(ffmpeg -nostdin -benchmark -threads 1 -i "$dir/film.avi" "$dir/ff/frame%03d.bmp" 2>&1 |
        sed -n 's/.*rtime=\([0-9.]*\)s.*/\1/p')
    e2=$(date +%s%N)
    echo "$inner $(((e - s) / 1000000)) $(echo "scale=1; $r * 1000" | bc) $(((e2 - s2) / 1000000))"
done)
inner=$(echo "$runs" | awk '{print $1}' | median)
whole=$(echo "$runs" | awk '{print $2}' | median)
own=$(echo "$runs" | awk '{print $3}' | median)
ffwhole=$(echo "$runs" | awk '{print $4}' | median)
awk -v i="$inner" -v w="$whole" -v o="$own" -v f="$ffwhole" 'BEGIN {
    printf "AVI Capture dump, 300 frames of 640 x 480 MJPEG to BMP files: ours %.0f ms (whole process %.0f ms); ffmpeg %.0f ms of its own time (whole run %.0f ms); ratio %.2f (whole %.2f)\n", i, w, o, f, i / o, w / f }'
