#!/usr/bin/env bash
# The game in a real window, measured as a user meets it: started RUNS times on a virtual X
# display of its own at scale 2 with the starter puzzle, each start timed from exec to its
# window mapped with the first frame (polled every 2 ms), then its memory (VmRSS, and PSS from
# smaps_rollup), its CPU while idle and ten keystrokes to the pixels on the X server.
#   scripts/real_window_perf.sh [bin-folder] [out.json]
# RUNS (default 10) sets the number of measured starts, after one first start that makes the
# device and one warm-up start that are not counted. Needs Xvfb, a C++ compiler and the X11
# headers that SDL2's development package brings (scripts/packages.txt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-build/perf/bin}
out=${2:-realwindow.json}
runs=${RUNS:-10}

scratch=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

c++ -std=c++20 -O2 -Wall -Wextra -Werror -o "$scratch/window_probe" \
    "$root/scripts/window_probe.cpp" -lXext -lX11 -ldl

. "$root/scripts/virtual_display.sh"
DISPLAY=$display "$scratch/window_probe" "$bin/crossword" "$runs" "$out"
