#!/usr/bin/env bash
# Builds the perf preset (a release build), runs every benchmark program of bench/ with
# repetitions, measures the game in a real window (scripts/real_window_perf.sh) as many times,
# times a peer parser on the format readers' samples (bench/peer_formats.sh) and writes docs/performance.md from their JSON output: the medians against their targets
# and the machine they ran on.
#   scripts/performance.sh [page]      (default docs/performance.md)
# REPETITIONS (default 10) sets the repetitions, BUILD_DIR another build folder for the
# preset (default build/perf), JOBS the build's parallel jobs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
page=${1:-docs/performance.md}
repetitions=${REPETITIONS:-10}
build=${BUILD_DIR:-build/perf}
load_start=$(cat /proc/loadavg)

cmake --preset perf -B "$build" >/dev/null
cmake --build "$build" --target bench/all crossword -j "${JOBS:-$(nproc)}"

results="$build/performance"
rm -rf "$results"
mkdir -p "$results"
load_bench=$(cat /proc/loadavg)
failed=0
shopt -s nullglob
for program in "$build"/bin/bench_*; do
    name=$(basename "$program")
    echo "== $name"
    # A program that fails still leaves what it measured; the page marks the rest missing.
    if ! "$program" --benchmark_repetitions="$repetitions" \
        --benchmark_display_aggregates_only=true \
        --benchmark_out="$results/$name.json" --benchmark_out_format=json; then
        echo "$name failed" >&2
        failed=1
    fi
done
echo "== the game in a real window"
if ! RUNS="$repetitions" scripts/real_window_perf.sh "$build/bin" "$results/realwindow.json"; then
    echo "the real-window measurement failed" >&2
    failed=1
fi
echo "== the peer parser on the format samples"
if ! bench/peer_formats.sh "$build" >"$results/peer_formats.tsv"; then
    echo "the peer parser could not be run" >&2
fi
load_end=$(cat /proc/loadavg)

mkdir -p "$(dirname "$page")"
python3 scripts/performance_report.py --json-dir "$results" --build-dir "$build" \
    --load-start "$load_start" --load-bench "$load_bench" --load-end "$load_end" \
    --repetitions "$repetitions" --peer "$results/peer_formats.tsv" --command "make perf" \
    --out "$page"
exit "$failed"
