#!/bin/sh
# The browser's thumbnail run over 40 JPEGs of 2000 x 1500 beside djpeg doing the run's decodes
# (each file at full size and at 1:8, one process each). Median of 3; target: ratio <= 1.25.
set -e
build=${1:-build-bench}
bin="$build/bench/browser_bench"
[ -x "$bin" ] || { echo "no $bin: build with -DORVANTA_BENCH=ON" >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$bin" --make "$dir/pics"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ours=$(for i in 1 2 3; do "$bin" --thumbnails "$dir/pics"; done | median)
theirs=$(for i in 1 2 3; do
    start=$(date +%s%N)
    for f in "$dir"/pics/*.jpg; do
        djpeg -bmp "$f" > /dev/null
        djpeg -scale 1/8 -bmp "$f" > /dev/null
    done
    echo $(( ($(date +%s%N) - start) / 1000000 ))
done | median)
echo "thumbnail run, 40 JPEGs of 2000 x 1500: ${ours} ms"
echo "djpeg, full size and 1/8 of each:       ${theirs} ms"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "ratio: %.2f (target <= 1.25)\n", a / b }'
