#!/bin/sh
# The area effects on a 4000 x 4000 page beside ImageMagick at 8 threads on the same pixels read
# from its own pixel cache (each command less the same command without the operation) and beside
# plain single-thread loops doing the same per-pixel work. Medians of five.
#   tint red +50 %                     / -channel R -evaluate multiply 1.5
#   lighten under a whole-page clip    / -evaluate add 3.14%
#   fit into a 2000 x 4000 ellipse     / -sample 2000x4000!
#   colour map and count               / the plain loop only
# Targets: faster than ImageMagick, within 2x of the plain loop (the count: the loop only).
# Usage: bench/effects/area_compare.sh <build-dir>
set -e
build=${1:-build-bench}
bin="$build/bench/area_bench"
[ -x "$bin" ] || { echo "no $bin: build with -DORVANTA_BENCH=ON" >&2; exit 1; }
im=convert
[ -x /usr/bin/convert ] && im=/usr/bin/convert
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$bin" --write "$dir"
"$im" "$dir/page.bmp" "$dir/page.mpc"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms() { s=$(date +%s%N); "$@" > /dev/null 2>&1; echo $(( ($(date +%s%N) - s) / 1000000 )); }
imcmd() { for i in 1 2 3 4 5; do ms "$im" -limit thread 8 "$dir/page.mpc" "$@" null:; done | median; }
base=$(imcmd)
tint=$(( $(imcmd -channel R -evaluate multiply 1.5) - base ))
lighten=$(( $(imcmd -evaluate add 3.14%) - base ))
sample=$(( $(imcmd -sample '2000x4000!') - base ))
"$bin" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    awk -F, -v base="$base" -v tint="$tint" -v lighten="$lighten" -v sample="$sample" '
        /_median"/ { gsub(/"/, "", $1); sub(/\/real_time_median/, "", $1); t[$1] = $3 }
        END {
            printf "ImageMagick reads page.mpc in %d ms, taken off its figures\n", base;
            printf "%-9s %8s %9s %7s %8s %7s   %s\n", "case", "ours ms", "plain ms", "ratio", "IM ms", "ratio", "targets";
            split("Tint Lighten Morph Cocount", c, " ");
            im["Tint"] = tint; im["Lighten"] = lighten; im["Morph"] = sample; im["Cocount"] = 0;
            for (i = 1; i <= 4; ++i) {
                n = c[i]; ours = t["BM_" n]; plain = t["BM_Plain" n];
                if (im[n] > 0)
                    printf "%-9s %8.1f %9.1f %7.2f %8d %7.3f   %s\n", n, ours, plain, ours / plain, im[n], ours / im[n], "<= 2, < 1";
                else
                    printf "%-9s %8.1f %9.1f %7.2f %8s %7s   %s\n", n, ours, plain, ours / plain, "-", "-", "<= 2";
            }
        }'
