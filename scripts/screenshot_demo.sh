#!/bin/sh
# Runs the platform demo in a real SDL window on a virtual X display at scale 2 and saves a
# PNG of that window. Usage: scripts/screenshot_demo.sh [bin-folder] [out.png]
# Needs Xvfb, xdotool and ImageMagick's import (scripts/packages.txt).
set -eu
bin=${1:-build/default/bin}
out=${2:-platformdemo.png}
display=:${DEMO_DISPLAY:-97}
root=$(mktemp -d)

Xvfb "$display" -screen 0 800x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
demo=
cleanup() {
    [ -n "$demo" ] && kill "$demo" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
sleep 1

DISPLAY=$display CROSSWORD_BACKEND=sdl2 CROSSWORD_SCALE=2 CROSSWORD_DEVICE_ROOT=$root \
    "$bin/platformdemo" &
demo=$!
window=$(DISPLAY=$display timeout 10 xdotool search --sync --onlyvisible --pid "$demo" | head -n 1)
sleep 1  # let the first frames arrive
DISPLAY=$display import -window "$window" "$out"
echo "saved $out"
