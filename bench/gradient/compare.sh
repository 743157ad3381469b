#!/usr/bin/env bash
# The horizontal gradient area fill (whole command, 4000 x 4000 white page, 200 colours, from
# (5, 5)) beside ImageMagick at 8 threads doing a flood fill and a gradient of the same size, and
# beside a plain single-thread loop on raw buffers. Targets: faster than ImageMagick, within 2x
# of the plain loop.
# Usage: bench/gradient/compare.sh <build-dir>
set -euo pipefail
. "$(dirname "$0")/../timing.sh"
build=${1:-build-bench}
bench="$build/bench/gradient_bench"
[ -x "$bench" ] || { echo "compare.sh: $bench not built (configure with -DORVANTA_BENCH=ON)"; exit 1; }
im=convert
[ -x /usr/bin/convert ] && im=/usr/bin/convert
command -v "$im" >/dev/null || { echo "compare.sh: ImageMagick's convert missing (make bench installs it)"; exit 1; }

runs=5
fill=$(median_ms "$im" -limit thread 8 -size 4000x4000 xc:white -fill '#010000' -draw 'color 5,5 floodfill' null:)
grad=$(median_ms "$im" -limit thread 8 -size 4000x4000 gradient: null:)
ours=$("$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null)
pick() { echo "$ours" | awk -F, -v n="\"$1/real_time_median\"" '$1 == n {printf "%.1f", $3}'; }
cmd=$(pick BM_Hdogradfill)
loop=$(pick BM_PlainLoop)
imsum=$(awk -v a="$fill" -v b="$grad" 'BEGIN {printf "%.1f", a + b}')
ratio() { awk -v a="$1" -v t="$2" 'BEGIN {printf "%.2f", a / t}'; }
printf 'Hdogradfill 4000x4000, 200 colours:  %s ms\n' "$cmd"
printf 'ImageMagick floodfill + gradient:    %s ms (%s + %s)  ratio %s (target < 1)\n' "$imsum" "$fill" "$grad" "$(ratio "$cmd" "$imsum")"
printf 'plain C loop:                        %s ms  ratio %s (target <= 2)\n' "$loop" "$(ratio "$cmd" "$loop")"
