# Timing helpers shared by the compare.sh scripts (sourced, not run).
# median_ms CMD...: one warm-up run (so every side starts from the page cache), then the median
# wall time of ${runs:-5} runs, in milliseconds.
median_ms() {
    local s e all=()
    "$@"
    for _ in $(seq "${runs:-5}"); do
        s=$(date +%s%N)
        "$@"
        e=$(date +%s%N)
        all+=($(((e - s) / 1000)))
    done
    printf '%s\n' "${all[@]}" | sort -n | awk '{v[NR] = $1} END {printf "%.1f", v[int((NR + 1) / 2)] / 1000}'
}
