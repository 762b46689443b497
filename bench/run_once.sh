#!/bin/sh
# The suite's check that a benchmark program still runs: every benchmark once, briefly, as
# someone whose home holds no device. Fails when a benchmark reports an error or when the
# program wrote anything into that home (its device must be a temporary one).
# Usage: run_once.sh PROGRAM
home=$(mktemp -d) || exit 2
trap 'rm -rf "$home"' EXIT
out=$(HOME=$home XDG_DATA_HOME= CROSSWORD_DEVICE_ROOT= "$1" --benchmark_min_time=0.001 2>&1)
status=$?
printf '%s\n' "$out"
[ "$status" -eq 0 ] || exit 1
case $out in *"ERROR OCCURRED"*) exit 1 ;; esac
if [ -n "$(ls -A "$home")" ]; then
    echo "the program wrote into its home:"
    find "$home"
    exit 1
fi
