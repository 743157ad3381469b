#!/usr/bin/env bash
# Our JPEG encode and decode beside libjpeg-turbo's own cjpeg and djpeg, file to file, each run a
# fresh process on both sides, in the same environment, on the same 4000 x 4000 picture at
# quality 90: BMP file to JPEG file (both read the same BMP), JPEG file to BMP file (djpeg -bmp).
# Usage: bench/codecs/compare.sh <build-dir>
set -euo pipefail
. "$(dirname "$0")/../timing.sh"
build=${1:-build-bench}
bench="$build/bench/codecs_bench"
[ -x "$bench" ] || { echo "compare.sh: $bench not built (configure with -DORVANTA_BENCH=ON)"; exit 1; }
for tool in cjpeg djpeg; do
    command -v "$tool" >/dev/null || { echo "compare.sh: $tool missing (make bench installs it)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --write-picture="$work/page.bmp"
cjpeg -quality 90 -outfile "$work/base.jpg" "$work/page.bmp"
cjpeg -quality 90 -progressive -outfile "$work/prog.jpg" "$work/page.bmp"

runs=7

printf '%-36s %9s %9s %7s   %s\n' case "ours ms" "tool ms" ratio target
row() {
    printf '%-36s %9s %9s %7s   %s\n' "$1" "$2" "$3" "$(awk -v a="$2" -v t="$3" 'BEGIN {printf "%.2f", a / t}')" \
        "<= 1.15"
}
row "encode baseline / cjpeg" "$(median_ms "$bench" --encode "$work/page.bmp" "$work/o.jpg")" \
    "$(median_ms cjpeg -quality 90 -outfile "$work/c.jpg" "$work/page.bmp")"
row "encode progressive / cjpeg -progr." \
    "$(median_ms "$bench" --encode "$work/page.bmp" "$work/op.jpg" --progressive)" \
    "$(median_ms cjpeg -quality 90 -progressive -outfile "$work/cp.jpg" "$work/page.bmp")"
row "decode baseline / djpeg -bmp" "$(median_ms "$bench" --decode "$work/base.jpg" "$work/o.bmp")" \
    "$(median_ms djpeg -bmp -outfile "$work/d.bmp" "$work/base.jpg")"
row "decode progressive / djpeg -bmp" "$(median_ms "$bench" --decode "$work/prog.jpg" "$work/op.bmp")" \
    "$(median_ms djpeg -bmp -outfile "$work/dp.bmp" "$work/prog.jpg")"
