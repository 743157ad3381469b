#!/usr/bin/env bash
# Our JPEG encode and decode beside libjpeg-turbo's own cjpeg and djpeg, on the same
# 4000 x 4000 picture at quality 90, file to file. Usage: bench/codecs/compare.sh <build-dir>
set -euo pipefail
build=${1:-build-bench}
bench="$build/bench/codecs_bench"
[ -x "$bench" ] || { echo "compare.sh: $bench not built (configure with -DORVANTA_BENCH=ON)"; exit 1; }
for tool in cjpeg djpeg convert; do
    command -v "$tool" >/dev/null || { echo "compare.sh: $tool missing (make bench installs it)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --write-picture="$work/page.bmp"
# cjpeg gets the picture as PPM, its fastest input (it must hold a bottom-up BMP whole).
convert "$work/page.bmp" "$work/page.ppm"

runs=5
# Median wall time of a command over $runs runs, in milliseconds.
median_ms() {
    local s e all=()
    for _ in $(seq "$runs"); do
        s=$(date +%s%N)
        "$@"
        e=$(date +%s%N)
        all+=($(((e - s) / 1000)))
    done
    printf '%s\n' "${all[@]}" | sort -n | awk '{v[NR] = $1} END {printf "%.1f", v[int((NR + 1) / 2)] / 1000}'
}

cj=$(median_ms cjpeg -quality 90 -outfile "$work/c.jpg" "$work/page.ppm")
cjp=$(median_ms cjpeg -quality 90 -progressive -outfile "$work/cp.jpg" "$work/page.ppm")
dj=$(median_ms djpeg -outfile /dev/null "$work/c.jpg")
djp=$(median_ms djpeg -outfile /dev/null "$work/cp.jpg")

# Ours twice: as the process starts by default, and with glibc's malloc asked to back large
# blocks with transparent huge pages. On machines where the first touch of fresh memory is
# dear (virtual machines), a 4000 x 4000 bitmap costs more to fault in than to decode into.
run_ours() {
    env ${1:+GLIBC_TUNABLES=$1} "$bench" --picture="$work/page.bmp" \
        --benchmark_filter='JpegEncodeFile|JpegDecodeFile|BitmapAllocate' --benchmark_repetitions="$runs" \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null
}
plain=$(run_ours "")
huge=$(run_ours glibc.malloc.hugetlb=1)
pick() { echo "$1" | awk -F, -v n="\"$2_median\"" '$1 == n {printf "%.1f", $3}'; }

printf '%-34s %9s %9s %9s %7s %7s   %s\n' case "ours ms" "ours+THP" "tool ms" ratio "+THP" target
row() {
    local a b
    a=$(pick "$plain" "$2")
    b=$(pick "$huge" "$2")
    printf '%-34s %9s %9s %9s %7s %7s   %s\n' "$1" "$a" "$b" "$3" \
        "$(awk -v a="$a" -v t="$3" 'BEGIN {printf "%.2f", a / t}')" \
        "$(awk -v a="$b" -v t="$3" 'BEGIN {printf "%.2f", a / t}')" "<= 1.15"
}
row "encode baseline (cjpeg)" BM_JpegEncodeFile/progressive:0 "$cj"
row "encode progressive (cjpeg -prog.)" BM_JpegEncodeFile/progressive:1 "$cjp"
row "decode baseline (djpeg)" BM_JpegDecodeFile/progressive:0 "$dj"
row "decode progressive (djpeg)" BM_JpegDecodeFile/progressive:1 "$djp"
echo "a fresh 4000 x 4000 TBitmap alone: $(pick "$plain" BM_BitmapAllocate) ms, with huge pages $(pick "$huge" BM_BitmapAllocate) ms"
