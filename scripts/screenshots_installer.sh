#!/bin/sh
# Runs each pack installer brambleset-one .. six in a real SDL window on a virtual X display
# at scale 2 and saves three PNGs per pack: the intro while its pieces slide in (the program
# is stopped with SIGSTOP for the picture), the intro at rest, and the preview list.
# Every pack starts on a fresh temporary device root.
# Usage: scripts/screenshots_installer.sh [bin-folder] [out-folder]
# Needs Xvfb, xdotool and ImageMagick's import (scripts/packages.txt).
set -eu
bin=${1:-build/default/bin}
out=${2:-screenshots}
display=:${INSTALLER_DISPLAY:-97}
mkdir -p "$out"

Xvfb "$display" -screen 0 800x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=
root=
cleanup() {
    [ -n "$program" ] && kill -CONT "$program" 2>/dev/null || true
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    [ -n "$root" ] && rm -rf "$root"
}
trap cleanup EXIT
sleep 1

x() { DISPLAY=$display xdotool "$@"; }
tap() {
    x mousemove --window "$window" $(($1 * 2)) $(($2 * 2)) click 1
    sleep 0.5
}
shot() {
    DISPLAY=$display import -window "$window" "$out/$1.png"
    echo "saved $out/$1.png"
}

for pack in one two three four five six; do
    if [ ! -x "$bin/brambleset-$pack" ]; then
        echo "no $bin/brambleset-$pack, skipped" >&2
        continue
    fi
    root=$(mktemp -d)
    DISPLAY=$display CROSSWORD_BACKEND=sdl2 CROSSWORD_SCALE=2 CROSSWORD_DEVICE_ROOT="$root" \
        "$bin/brambleset-$pack" &
    program=$!
    # The animation lasts about half a second: catch the window as soon as it shows, let a
    # few frames pass and freeze the program for the picture.
    window=
    while [ -z "$window" ]; do
        window=$(x search --onlyvisible --pid "$program" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] || sleep 0.02
    done
    sleep 0.3
    kill -STOP "$program"
    shot "installer-$pack-animation"
    kill -CONT "$program"
    sleep 1.2
    shot "installer-$pack-intro"

    tap 103 263             # Preview
    sleep 0.5
    shot "installer-$pack-preview"
    tap 120 298             # the preview's OK
    tap 36 263              # the intro's OK ends the program
    wait "$program" || true
    program=
    rm -rf "$root"
    root=
done
