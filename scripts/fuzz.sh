#!/usr/bin/env bash
# Runs each libFuzzer target of a fuzz build for the given number of seconds, starting from
# the seed corpus in fuzz/corpus/<target>.
set -euo pipefail
bin=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
for f in "$bin"/fuzz_*; do
    name=$(basename "$f")
    work=$(mktemp -d)
    seeds=()
    [[ -d "$root/fuzz/corpus/$name" ]] && seeds=("$root/fuzz/corpus/$name")
    echo "== $name for ${seconds}s"
    "$f" -max_total_time="$seconds" -print_final_stats=1 "$work" "${seeds[@]}"
    rm -rf "$work"
done
