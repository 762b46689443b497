#!/bin/sh
# What real puzzles carry beyond letters, in a real window at scale 2 as a user meets it:
# circled squares in the three magnifications, several letters typed into one square, notes
# shown at the first opening, and a locked solution opened with its key. Each scenario writes
# its puzzle with puzzle_file (below) and saves <scenario>-<moment>.png in the out folder.
# Usage: scripts/screenshots_real_puzzles.sh [bin-folder] [out-folder] [scenario ...]
# Needs Xvfb, xdotool, ImageMagick's import and python3 (scripts/packages.txt).
set -eu

scenarios="circles_in_every_magnification rebus_typed_checked_and_viewed \
notes_at_the_first_opening locked_solution_opened_with_its_key"

. "$(dirname "$0")/real_window.sh"

# A 7 x 7 puzzle with the features named after the file (scripts/puzzle_file.py).
puzzle_file() { # file feature...
    python3 "$(dirname "$0")/puzzle_file.py" "$@"
}

start_puzzle() { # feature...
    puzzle_file "$scratch/puzzle.puz" "$@"
    start_game_with "$scratch/puzzle.puz"
}

# Rings in the circled squares (the diagonal) at each magnification, under the highlight too.
circles_in_every_magnification() {
    start_puzzle circles
    shot small
    tap $zoom 307
    tap 150 $medium
    shot medium
    tap $zoom 307
    tap 150 284     # Large
    tap 60 90       # a circled square becomes current
    shot large
    stop_game
}

# Insert opens the entry on the current square; the square and the clue bar show the letters;
# Enter ends it; Check finds it right, and View shows the whole rebus.
rebus_typed_checked_and_viewed() {
    start_puzzle rebus
    tap $zoom 307
    tap 150 $medium
    tap 80 56       # row 1, column 1
    press Insert
    x type --delay 80 "STA"
    shot typing
    x type --delay 80 "R"
    press Return
    shot entered
    tap $check 307
    shot checked
    press Return
    tap 80 56
    tap $view 307
    tap 60 270      # View > Current Word
    shot viewed
    stop_game
}

# A puzzle opened for the first time shows its notes; Puzzle Info shows them again.
notes_at_the_first_opening() {
    start_puzzle notes
    shot first-opening
    tap 222 13      # the dialog's ok
    tap $menu 307
    tap 40 216      # Puzzle Info
    shot information
    tap 222 13
    stop_game
}

# Check refuses a locked solution; Puzzles > Unlock Solution... takes the key, after which
# View shows the real solution.
locked_solution_opened_with_its_key() {
    start_puzzle locked
    press h
    tap $check 307
    shot locked
    press Return
    tap $menu 307
    tap 40 108      # Puzzles
    tap 130 162     # Unlock Solution...
    x type --delay 80 "4271"
    shot key
    press Return
    tap $view 307
    tap 60 288      # View > Entire Puzzle
    shot unlocked
    stop_game
}

# shellcheck disable=SC2086 # the list splits into its names
[ $# -gt 0 ] || set -- $scenarios
for scenario in "$@"; do
    "$scenario"
done
