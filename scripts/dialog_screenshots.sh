#!/bin/sh
# Shows the open-file, save-file and colour dialogs in a real SDL window on a virtual X
# display at scale 2 and saves a PNG of the window for each.
# Usage: scripts/dialog_screenshots.sh [bin-folder] [out-folder]
# Needs Xvfb, xdotool and ImageMagick's import (scripts/packages.txt).
set -eu
bin=${1:-build/default/bin}
out=${2:-.}
display=:${DIALOG_DISPLAY:-96}
root=$(mktemp -d)
next="$root/next"
mkdir -p "$out"

Xvfb "$display" -screen 0 800x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
shots=
cleanup() {
    [ -n "$shots" ] && kill "$shots" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
sleep 1

DISPLAY=$display CROSSWORD_BACKEND=sdl2 CROSSWORD_SCALE=2 CROSSWORD_DEVICE_ROOT="$root/device" \
    "$bin/commdlgshots" "$next" &
shots=$!
window=$(DISPLAY=$display timeout 10 xdotool search --sync --onlyvisible --pid "$shots" | head -n 1)
for name in open-file save-file colour-chooser; do
    sleep 1  # let the dialog's frames arrive
    DISPLAY=$display import -window "$window" "$out/$name.png"
    echo "saved $out/$name.png"
    touch "$next"
    while [ -e "$next" ]; do sleep 0.1; done
done
wait "$shots"
shots=
