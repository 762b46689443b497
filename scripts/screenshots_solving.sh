#!/bin/sh
# Solving in a real window at scale 2, as a user meets it: a long clue growing the clue bar and
# a tap on the bar showing the whole clue, Check Letter and Check Word from the main menu's
# Check and from the hold menu, the pause hiding the grid and the tap that resumes, the
# keyboard's rebus key with several letters typed into one square, the pencil sign while
# Pencil is on, the commands the pause refuses greyed while it lasts, Preferences' "Auto
# Skip across words" greyed while Auto Skip is off, and a diagramless grid whose black
# squares the player places. Saves <scenario>-<moment>.png in the out folder.
# Usage: scripts/screenshots_solving.sh [bin-folder] [out-folder] [scenario ...]
# Needs Xvfb, xdotool, ImageMagick's import and python3 (scripts/packages.txt).
set -eu

scenarios="long_clue_shown_whole check_letter_and_word check_from_the_hold_menu \
pause_hides_the_grid rebus_from_the_keyboard pencil_sign greyed_while_paused \
preferences_auto_skip_off diagramless_blocks"

. "$(dirname "$0")/real_window.sh"

# The main menu's Check (its pop-up's Letter, Word and Puzzle open level with it, 18 apart)
# and Toggle with its Pencil; Block, of diagramless puzzles, above Check.
check_item=90
block_item=72
toggle_item=126
fill_item=144
pencil_item=162
preferences_item=198
# The hold menu opens at the held point's client coordinates taken as the screen's, so 26
# points above it; its Check is the fourth item, and Check's pop-up opens level with it.
hold_check=$((3 * 18 + 9 - 26))

start_puzzle() { # feature...
    python3 "$(dirname "$0")/puzzle_file.py" "$scratch/puzzle.puz" "$@"
    start_game_with "$scratch/puzzle.puz"
}
# The centre of square (row, col) of the 7 x 7 puzzle in Small.
tap_square() { # row col
    tap $((17 + 34 * $2)) $((44 + 34 * $1))
}
# The stylus held down long enough for the hold menu, then lifted.
hold() { # x y
    x mousemove --window "$window" $(($1 * 2)) $(($2 * 2)) mousedown 1
    sleep 1.2
    x mouseup 1
    sleep 0.4
}
hold_square() { # row col
    hold $((17 + 34 * $2)) $((44 + 34 * $1))
}
# The main menu's Check > item (0 Letter, 1 Word, 2 Puzzle).
main_check() { # item
    tap $menu 307
    tap 40 $check_item
    tap 130 $((check_item + 18 * $1))
}
# The hold menu on square (row, col), then its Check > item.
hold_check() { # row col item
    hold_square "$1" "$2"
    tap $((17 + 34 * $2 + 20)) $((44 + 34 * $1 + hold_check))
    tap $((17 + 34 * $2 + 100)) $((44 + 34 * $1 + hold_check + 18 * $3))
}
# The on-screen keyboard's rebus key, right of L, and its OK key, right of the erase key.
tap_rebus_key() {
    tap 215 271
}
tap_ok_key() {
    tap 222 283
}
# A key of the on-screen keyboard, by its letter.
keyboard_letter() { # letter
    rows="QWERTYUIOP ASDFGHJKL ZXCVBNM"
    row=0
    for keys in $rows; do
        column=${keys%%"$1"*}
        if [ "$column" != "$keys" ]; then
            tap $((20 + 10 * row + 20 * ${#column})) $((260 + 12 * row))
            return
        fi
        row=$((row + 1))
    done
}

# 1-Across has a clue of nearly four hundred characters: the bar grows to six lines and ends it with
# an ellipsis; a tap on the bar shows the whole clue in a box of its own.
long_clue_shown_whole() {
    start_puzzle longclue
    shot grown-bar
    tap 120 288
    shot whole-clue
    press Return
    shot after-the-box
    stop_game
}

# Two wrong letters in 1-Across: Check Letter marks only the current one, Check Word both.
check_letter_and_word() {
    start_puzzle
    x type --delay 80 "hxarx"
    tap_square 0 1
    tap $menu 307
    tap 40 $check_item
    shot check-submenu
    tap 130 $check_item
    shot letter
    main_check 1
    shot word
    stop_game
}

# The same checks from the hold menu of the squares of 9-Across (ROT), two of its letters
# wrong: Check Letter on the middle one marks it alone, Check Word on the last marks both.
check_from_the_hold_menu() {
    start_puzzle
    tap_square 2 0
    x type --delay 80 "xxt"
    hold_square 2 1
    shot hold-menu-open
    tap $((17 + 34 + 20)) $((44 + 34 * 2 + hold_check))
    shot check-submenu
    tap $((17 + 34 + 100)) $((44 + 34 * 2 + hold_check))
    shot letter
    hold_check 2 2 1
    shot word
    stop_game
}

# A tap on the title pauses: the panel hides the grid and the clue; letters typed change
# nothing; a tap on the panel resumes, with the letters as they were. With the keyboard shown
# the panel ends at the keyboard.
pause_hides_the_grid() {
    start_puzzle
    x type --delay 80 "hea"
    shot running
    tap 120 13
    shot paused
    x type --delay 80 "xyz"
    sleep 2
    shot typed-while-paused
    tap 120 150
    shot resumed
    tap $keyboard 307
    tap 120 13
    shot paused-above-the-keyboard
    stop_game
}

# The keyboard's rebus key opens the entry on the current square, its letters go in, and the
# key again ends it: STAR stands in the square, spelled out in the clue bar.
rebus_from_the_keyboard() {
    start_puzzle rebus
    tap_square 1 1
    tap $keyboard 307
    shot keyboard
    tap_rebus_key
    for letter in S T A R; do
        keyboard_letter $letter
    done
    shot typing-rebus
    tap_rebus_key
    shot rebus-in-square
    tap_ok_key
    shot keyboard-closed
    stop_game
}

# Pencil on: the pencil sign stands in the clue bar's top right corner and the letters are
# grey; with the keyboard shown the sign stays above it.
pencil_sign() {
    start_puzzle
    tap $menu 307
    tap 40 $toggle_item
    tap 130 $pencil_item
    x type --delay 80 "hear"
    shot pencil-on
    tap $keyboard 307
    shot pencil-on-keyboard
    stop_game
}

# Paused, the main menu greys Undo, and Check's, Fill's and Clear's items; the View pop-up
# greys its three; the menu bar's Check and direction buttons are washed out. Resuming brings
# them all back.
greyed_while_paused() {
    start_puzzle
    x type --delay 80 "hea"
    tap 120 13
    tap $menu 307
    shot main-menu
    tap 40 $fill_item
    shot fill-submenu
    tap 200 40
    tap $view 307
    shot view-menu
    tap 200 40
    tap 120 150
    tap $menu 307
    tap 40 $fill_item
    shot fill-submenu-resumed
    tap 200 40
    stop_game
}

# Preferences with Auto Skip off: "Auto Skip across words" is greyed; ticking Auto Skip makes
# it available at once, and Auto Skip off again greys it with its tick kept.
preferences_auto_skip_off() {
    start_puzzle
    tap $menu 307
    tap 40 $preferences_item
    shot auto-skip-off
    tap 24 106
    shot auto-skip-on
    tap 24 125
    tap 24 106
    shot across-words-kept-greyed
    tap 222 13
    stop_game
}

# A diagramless puzzle opens with no black square. "." after ROT puts the first one and moves
# on, the words and numbers following; View Letter shows a hidden one and the main menu's
# Block (on top, enabled only here) puts it; a block where a letter belongs is red under
# Check; the hold menu has Block too; every letter typed solves it, one square given; a
# restart brings the player's blocks back.
diagramless_blocks() {
    start_puzzle diagramless
    shot all-open
    tap_square 2 0
    x type --delay 80 "rot."
    shot period-block
    tap_square 4 3
    tap $view 307
    tap 60 252      # View > Current Letter: the hidden block
    shot view-letter
    tap $menu 307
    shot main-menu
    tap 40 $block_item
    shot menu-block
    tap_square 0 3
    x type --delay 80 "."
    tap $check 307
    shot wrong-block-checked
    tap_square 0 3
    x type --delay 80 "r"
    hold_square 1 1
    shot hold-menu
    press Escape
    for row in 0 1 3 5 6; do
        tap_square $row 0
        x type --delay 40 "$(echo "HEARTHS ASTERNA ROT BREADTH ORB REALTOR SEETHES" |
            cut -d' ' -f$((row + 1)) | tr A-Z a-z)"
    done
    tap_square 2 4
    x type --delay 40 "rip"
    tap_square 4 0
    x type --delay 40 "orb"
    tap_square 4 4
    x type --delay 40 "oar"
    shot solved
    stop_game
    run_game_on_root
    shot after-restart
    stop_game
}

# shellcheck disable=SC2086 # the list splits into its names
[ $# -gt 0 ] || set -- $scenarios
for scenario in "$@"; do
    "$scenario"
done
