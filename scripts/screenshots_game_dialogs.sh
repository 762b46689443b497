#!/bin/sh
# Opens every dialog of the game in a real SDL window on a virtual X display at scale 2,
# driving it with xdotool as a user would, and saves a PNG of each: Preferences, the colour
# chooser, the grid in the picked colour, quick help, About (moving and at rest), the clue
# list, Open File, Download Puzzles and Puzzle Information. The device root is a fresh
# temporary one, so the starter puzzle opens.
# Usage: scripts/screenshots_game_dialogs.sh [bin-folder] [out-folder]
# Needs Xvfb, xdotool and ImageMagick's import (scripts/packages.txt).
set -eu
bin=${1:-build/default/bin}
out=${2:-screenshots}
display=:${GAME_DISPLAY:-94}
TAP_PAUSE=0.6
. "$(dirname "$0")/game_session.sh"

# Menu bar buttons (y = 307) and the main menu's items, which open upwards.
menu=10
open=90
clues=112
about=207
puzzles=108
preferences=198
info=216
help=241

tap $menu 307
tap 40 $preferences
shot preferences
tap 27 232          # the background colour swatch
shot colour-chooser
tap 64 75           # a light yellow, then OK in the chooser and in Preferences
tap 84 295
tap 196 268
shot grid-in-picked-colour

tap $menu 307
tap 40 $help
shot quick-help
tap 196 252         # its OK

x mousemove --window "$window" $((about * 2)) 614 click 1
sleep 0.1
DISPLAY=$display import -window "$window" "$out/about-moving.png"
echo "saved $out/about-moving.png"
sleep 1.5
shot about-at-rest
tap 190 296         # its OK

tap $clues 307
shot clue-list
tap 228 12          # the navigation bar's ok

tap $open 307
shot open-file
tap 220 303         # Cancel

tap $menu 307
tap 40 $puzzles
tap 130 126         # Puzzles > Download
shot download
tap 196 251         # its OK

tap $menu 307
tap 40 $info
shot puzzle-information
x key --window "$window" Return    # its OK, wherever the box puts it

# Ctrl+Q ends the game, which saves its state; the window may be gone before the key-up.
x key --window "$window" ctrl+q 2>/dev/null || true
wait "$game" || true
game=
