#!/bin/sh
# Rubber-band moves on a 4000 x 4000 page against a 450 x 250 page: the ratio of the wall-clock costs per
# move (target: at most 1.5).
set -e
build=${1:-build-bench}
bin="$build/bench/draw_bench"
[ -x "$bin" ] || { echo "no $bin: build with -DORVANTA_BENCH=ON" >&2; exit 1; }
"$bin" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    awk -F, '/_median"/ { gsub(/"/, "", $1); t[$1] = $3 }
             END {
                 small = t["BM_RubberBandMove/450/250_median"]; big = t["BM_RubberBandMove/4000/4000_median"];
                 printf "rubber band move, 450 x 250:   %.1f us\n", small;
                 printf "rubber band move, 4000 x 4000: %.1f us\n", big;
                 printf "ratio: %.2f (target <= 1.5)\n", big / small;
             }'
