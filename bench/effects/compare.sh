#!/usr/bin/env bash
# Our page turn and palette mapping beside ImageMagick doing the same work, file to file, each
# run a fresh process on both sides: a nearest-neighbour turn by 15 degrees with white outside
# the picture (-filter point -interpolate nearest-neighbor -virtual-pixel white -distort SRT 15),
# and a remap without dithering onto the same 256 colours. ImageMagick runs on all cores and on
# one (-limit thread 1); ours runs on one. Then the blends, lighten, flip, mirror and the video
# filters in memory beside ImageMagick on the same pixels and beside plain single-thread loops.
# Usage: bench/effects/compare.sh <build-dir>
set -euo pipefail
. "$(dirname "$0")/../timing.sh"
build=${1:-build-bench}
bench="$build/bench/effects_bench"
[ -x "$bench" ] || { echo "compare.sh: $bench not built (configure with -DORVANTA_BENCH=ON)"; exit 1; }
# The distribution's own binary when there is one: a wrapper earlier on PATH would add its start-up.
im=convert
[ -x /usr/bin/convert ] && im=/usr/bin/convert
command -v "$im" >/dev/null || { echo "compare.sh: ImageMagick's convert missing (make bench installs it)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --write-pictures="$work"

runs=5

turn=(-filter point -interpolate nearest-neighbor -virtual-pixel white -distort SRT 15)
ours_rot=$(median_ms "$bench" --rotate "$work/page.bmp" "$work/ours-rotated.bmp")
im_rot=$(median_ms "$im" "$work/page.bmp" "${turn[@]}" "$work/im-rotated.bmp")
im_rot1=$(median_ms "$im" -limit thread 1 "$work/page.bmp" "${turn[@]}" "$work/im-rotated1.bmp")
ours_map=$(median_ms "$bench" --remap "$work/clip.bmp" "$work/pal.bmp" "$work/ours-remapped.bmp")
im_map=$(median_ms "$im" "$work/clip.bmp" +dither -remap "$work/pal.bmp" "$work/im-remapped.bmp")
im_map1=$(median_ms "$im" -limit thread 1 "$work/clip.bmp" +dither -remap "$work/pal.bmp" "$work/im-remapped1.bmp")

ratio() { awk -v a="$1" -v t="$2" 'BEGIN {printf "%.3f", a / t}'; }
printf '%-40s %9s %11s %11s %8s %8s   %s\n' case "ours ms" "IM all ms" "IM 1 ms" "ratio" "ratio 1" target
printf '%-40s %9s %11s %11s %8s %8s   %s\n' "turn 4000x4000 by 15, file to file" "$ours_rot" "$im_rot" "$im_rot1" \
    "$(ratio "$ours_rot" "$im_rot")" "$(ratio "$ours_rot" "$im_rot1")" "< 1"
printf '%-40s %9s %11s %11s %8s %8s   %s\n' "map 2000x2000 8-bit, file to file" "$ours_map" "$im_map" "$im_map1" \
    "$(ratio "$ours_map" "$im_map")" "$(ratio "$ours_map" "$im_map1")" "< 1"

pick() { echo "$ours" | awk -F, -v n="\"$1_median\"" '$1 == n {printf "%.1f", $3}'; }

fax1=$(median_ms "$im" "$work/fax-850x1100.bmp" -dither FloydSteinberg -monochrome "$work/im-fax1.bmp")
fax2=$(median_ms "$im" "$work/fax-3000x3000.bmp" -dither FloydSteinberg -monochrome "$work/im-fax2.bmp")
fax=$("$bench" --pictures="$work" --benchmark_filter='Dither' --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null)
fpick() { echo "$fax" | awk -F, -v n="\"$1_median\"" '$1 == n {printf "%.1f", $3}'; }
for row in "850x1100 BM_DitherFile/850/1100/real_time $fax1" "3000x3000 BM_DitherFile/3000/3000/real_time $fax2"; do
    set -- $row
    printf '%-40s %9s %11s %8s   %s\n' "fax dither $1, file to file" "$(fpick "$2")" "$3" "$(ratio "$(fpick "$2")" "$3")" "<= 0.333"
done
for n in 850/1100 3000/3000; do
    printf '%-40s %9s %11s %8s   %s\n' "fax dither $n in memory / C byte loop" "$(fpick "BM_Dither/$n")" \
        "$(fpick "BM_DitherCLoop/$n")" "$(ratio "$(fpick "BM_Dither/$n")" "$(fpick "BM_DitherCLoop/$n")")" "<= 2"
done

# The page passes: ImageMagick reads its own pixel cache (page.mpc), so its figure is the command
# with the operation less the same command without it; ours run in memory on the same picture.
runs=5
"$im" "$work/page.bmp" "$work/page.mpc"
imcmd() { "$im" -limit thread 8 "$work/page.mpc" "$@" null:; }
base=$(median_ms imcmd)
imop() {
    local t
    t=$(median_ms imcmd "$@")
    awk -v t="$t" -v b="$base" 'BEGIN {printf "%.1f", t - b}'
}
convolve=$(imop -convolve 1,1,1,1,1,1,1,1,1)
lighten=$(imop -evaluate add 3.14%)
flip=$(imop -flip)
flop=$(imop -flop)

ours=$("$bench" --benchmark_filter='Doblend|Lighten|Flip|Mirror|filt' --benchmark_repetitions="$runs" \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null)
echo
echo "4000x4000 page in memory (ImageMagick: $base ms to read page.mpc, taken off its figures)"
printf '%-11s %8s %12s %8s %9s %9s   %s\n' case "ours ms" "convert ms" ratio "plain ms" ratio targets
passrow() {
    local a p
    a=$(pick "BM_$1")
    p=$(pick "BM_Plain$1")
    printf '%-11s %8s %12s %8s %9s %9s   %s\n' "$1" "$a" "$2" \
        "$(awk -v a="$a" -v t="$2" 'BEGIN {printf "%.3f", a / t}')" "$p" \
        "$(awk -v a="$a" -v p="$p" 'BEGIN {printf "%.2f", a / p}')" "< 1, < 2"
}
passrow Doblend "$convolve"
passrow Doblend2 "$convolve"
passrow Lighten "$lighten"
passrow Flip "$flip"
passrow Mirror "$flop"
passrow Pairfilt "$convolve"
passrow Triplefilt "$convolve"
passrow Sortfilt "$convolve"

# The area effects (tint, lighten under a clip, fitting, colour count) have their own script.
echo
"$(dirname "$0")/area_compare.sh" "$build"
