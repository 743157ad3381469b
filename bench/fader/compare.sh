#!/bin/sh
# The fader's sweep (4000 x 4000, both modes) beside ImageMagick compositing the same pixels
# through a gradient mask at 8 threads (less its time to read the three pictures) and a plain
# single-thread loop doing the same integer mix. Medians of five. Targets: faster than
# ImageMagick, within 2x of the plain loop.
set -e
build=${1:-build-bench}
bin="$build/bench/fader_bench"
[ -x "$bin" ] || { echo "no $bin: build with -DORVANTA_BENCH=ON" >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$bin" --write "$dir"
convert "$dir/page.ppm" "$dir/page.mpc"
convert "$dir/target.ppm" "$dir/target.mpc"
convert -size 4000x4000 gradient: "$dir/mask.mpc"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms() { s=$(date +%s%N); "$@" > /dev/null 2>&1; echo $(( ($(date +%s%N) - s) / 1000000 )); }
magick=$(for i in 1 2 3 4 5; do
    ms convert -limit thread 8 "$dir/page.mpc" "$dir/target.mpc" "$dir/mask.mpc" -composite null:
done | median)
reading=$(for i in 1 2 3 4 5; do
    ms convert -limit thread 8 "$dir/page.mpc" "$dir/target.mpc" "$dir/mask.mpc" null:
done | median)
"$bin" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    awk -F, -v magick="$magick" -v reading="$reading" '
        /_median"/ { gsub(/"/, "", $1); t[$1] = $3 }
        END {
            im = magick - reading;
            for (m = 0; m <= 1; ++m) {
                ours = t["BM_FadeInto/" m "/real_time_median"]; plain = t["BM_PlainLoop/" m "/real_time_median"];
                printf "mode %d: ours %.0f ms, plain loop %.0f ms (ratio %.2f, target <= 2)\n", m, ours, plain, ours / plain;
                printf "        ImageMagick composite %d ms less %d ms reading = %d ms (ratio %.2f, target < 1)\n",
                       magick, reading, im, ours / im;
            }
        }'
