#!/bin/sh
# Plays the game in a real SDL window on a virtual X display at scale 2, driving it with
# xdotool as a user would, and saves a PNG of the window at five moments: Small, Medium with
# clue numbers, Large scrolled, the on-screen keyboard shown, and after Check with a wrong
# letter in red. The device root is a fresh temporary one, so the starter puzzle opens.
# Usage: scripts/screenshots_game.sh [bin-folder] [out-folder]
# Needs Xvfb, xdotool and ImageMagick's import (scripts/packages.txt).
set -eu
bin=${1:-build/default/bin}
out=${2:-screenshots}
display=:${GAME_DISPLAY:-95}
. "$(dirname "$0")/game_session.sh"

drag() {
    x mousemove --window "$window" $(($1 * 2)) $(($2 * 2)) mousedown 1
    sleep 0.1
    x mousemove --window "$window" $(($3 * 2)) $(($4 * 2))
    sleep 0.1
    x mouseup 1
    sleep 0.4
}
keys() {
    x type --window "$window" --delay 80 "$1"
    sleep 0.4
}

# Menu bar buttons (y = 307) and the items of the pop-ups they open upwards.
menu=10
zoom=133
keyboard=185
check=38

tap 8 34            # the first square, already current: the tap turns it to Down
keys "$(solution_letter 0 0)$(solution_letter 1 0)$(solution_letter 2 0)"
shot small

tap $menu 307       # main menu > Toggle > Numbers
tap 35 126
tap 130 144
tap $zoom 307       # magnification > Medium
tap 150 266
shot medium-numbers

tap $zoom 307       # magnification > Large, then drag the view up and to the left
tap 150 284
drag 200 200 60 110
shot large-scrolled

tap $keyboard 307   # the on-screen keyboard
tap 20 254          # its Q key
shot keyboard-shown

tap $keyboard 307   # keyboard away; a wrong letter, then Check
tap $zoom 307
tap 150 248
tap 88 34           # square (0, 5), still Down: a right letter, then a wrong one below it
keys "$(solution_letter 0 5)$(wrong_letter 1 5)"
tap $check 307
shot check-red-letter

# Ctrl+Q ends the game, which saves its state; the window may be gone before the key-up.
x key --window "$window" ctrl+q 2>/dev/null || true
wait "$game" || true
game=
