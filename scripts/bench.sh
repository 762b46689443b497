#!/usr/bin/env bash
# Runs every benchmark program of a build and prints their tables.
set -euo pipefail
bin=$1
shopt -s nullglob
for b in "$bin"/bench_*; do
    echo "== $(basename "$b")"
    "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done
