#!/bin/sh
# Replays screen, stylus, text, lock and download faults that were fixed, as a user meets
# them: the game in a real SDL window on a virtual X display at scale 2, driven with xdotool,
# each scenario on a fresh device root holding the one puzzle it needs. Every scenario is a function that saves its
# PNGs as <scenario>-<moment>.png; to add one, write the function and name it in `scenarios`.
# Usage: scripts/screenshots_trust.sh [bin-folder] [out-folder] [scenario ...]
# Needs Xvfb, xdotool and ImageMagick's import (scripts/packages.txt).
set -eu

scenarios="keyboard_leaves_no_picture input_panel_leaves_no_picture tall_grid_drags \
highlight_after_start_and_dialogs drag_out_of_window_is_no_hold tiny_squares_keep_small_letters \
utf8_text_in_list_and_information locked_solution_is_not_checked download_shows_and_cancels \
digits_and_symbols_typed wrong_key_taken_back information_shown_whole header_without_notes"

. "$(dirname "$0")/real_window.sh"

# An all-open puzzle of width x height squares, letters varying, one clue per word. Optional:
# the version ("2.0" files hold UTF-8 text), the solution-state word (4: locked), the title
# and the text of the first clue.
write_open_puzzle() { # file width height [version state title clue]
    LC_ALL=C awk -v w="$2" -v h="$3" -v version="${4:-1.3}" -v state="${5:-0}" \
        -v title="${6:-Open $2x$3}" -v first="${7:-clue 0}" 'BEGIN {
        n = w * h
        clues = (w > 1 ? h : 0) + (h > 1 ? w : 0)
        split(w " " h " " clues % 256 " " int(clues / 256) " 1 0 " state " 0", sizes, " ")
        sum = 0  # the header checksum: rotate right by one bit, add the next byte
        for (i = 1; i <= 8; i++) sum = (int(sum / 2) + (sum % 2) * 32768 + sizes[i]) % 65536
        printf "%c%cACROSS&DOWN%c", 0, 0, 0
        printf "%c%c", sum % 256, int(sum / 256)
        for (i = 16; i < 24; i++) printf "%c", 0
        printf "%s%c", version, 0
        for (i = 28; i < 44; i++) printf "%c", 0
        printf "%c%c%c%c%c%c%c%c", w, h, clues % 256, int(clues / 256), 1, 0, state, 0
        for (i = 0; i < n; i++) printf "%c", 65 + (i * 7) % 26
        for (i = 0; i < n; i++) printf "-"
        printf "%s%cTrust%c(c)%c", title, 0, 0, 0
        printf "%s%c", first, 0
        for (i = 1; i < clues; i++) printf "clue %d%c", i, 0
        printf "%c", 0
    }' >"$1"
}

# Starts the game on a fresh device root with an open puzzle of width x height (and the rest
# of write_open_puzzle's arguments).
start_game() { # width height [version state title clue]
    write_open_puzzle "$scratch/open.puz" "$@"
    start_game_with "$scratch/open.puz"
}

# Medium, keyboard shown, the cursor walked down to row 11 (the view scrolled so far that the
# taller view would pass the grid's bottom), keyboard hidden: nothing of the keyboard picture
# may stay between the grid and the clue bar, also after typing.
keyboard_leaves_no_picture() {
    start_game 13 13
    tap $zoom 307
    tap 150 $medium
    tap $keyboard 307
    press Down 11
    shot keyboard-shown
    tap $keyboard 307
    shot keyboard-hidden
    press a
    shot after-typing
    stop_game
}

# The same with the device's input panel: the keyboard shown and the cursor walked down, then
# the panel raised (which hides the keyboard) and lowered again.
input_panel_leaves_no_picture() {
    start_game 15 15
    tap $zoom 307
    tap 150 $medium
    tap $keyboard 307
    press Down 11
    tap $sip 307
    shot panel-up
    tap $sip 307
    shot panel-down
    stop_game
}

# A grid narrower than the window but taller than the view drags up and down; the lift ends
# the drag without selecting a square. The grid is filled first, so its letters show how far
# it moved.
tall_grid_drags() {
    start_game 9 21
    tap $zoom 307
    tap 150 $medium
    fill_puzzle
    shot top
    drag 100 220 100 60
    shot dragged-up
    drag 100 60 100 160
    shot dragged-back
    stop_game
}

# The current word is highlighted from the first picture on, and again after a dialog or a
# message box closes.
highlight_after_start_and_dialogs() {
    start_game 15 15
    shot first-start
    tap $about 307
    sleep 1.5
    shot about
    tap 190 296     # About's OK
    shot after-about
    tap $menu 307
    tap 40 $help
    shot help
    tap 196 252     # quick help's OK
    shot after-help
    tap $menu 307
    tap 40 216      # Puzzle Info, a message box
    shot message-box
    press Return
    shot after-message-box
    stop_game
}

# A quick drag from the grid out of the window (its moves and its lift reach no window) is no
# tap-and-hold: no menu while the stylus is held outside, none after the lift.
drag_out_of_window_is_no_hold() {
    start_game 15 15
    x mousemove --window "$window" 200 200 mousedown 1
    x mousemove --window "$window" 200 900
    shot held-outside
    x mouseup 1
    shot lifted-outside
    stop_game
}

# A 99 x 16 puzzle in Small has 2-pixel squares; filled, its letters stay inside them and the
# grid does not turn black.
tiny_squares_keep_small_letters() {
    start_game 99 16
    fill_puzzle
    shot filled
    stop_game
}

# A version 2.0 puzzle holds UTF-8: its title and clues read right in the clue list and in
# Puzzle Information, not as pairs of Latin-1 characters.
utf8_text_in_list_and_information() {
    start_game 5 5 2.0 0 "$(printf 'Wouldn\342\200\231t it')" \
        "$(printf 'Cr\303\250me br\303\273l\303\251e')"
    tap $clues 307
    shot clue-list
    tap 222 13      # the list's ok
    tap $menu 307
    tap 40 216      # Puzzle Info
    shot information
    press Return
    stop_game
}

# A locked (scrambled) solution: Check, View and Fill say so and change nothing.
locked_solution_is_not_checked() {
    start_game 5 5 1.3 4
    press a
    tap $check 307
    shot check-refused
    press Return
    tap $view 307
    tap 60 288      # View > Entire Puzzle
    shot view-refused
    press Return
    shot unchanged
    stop_game
}

# A server that sends a byte every 20 seconds: the download shows itself and its Cancel, and
# Cancel ends it at once with the window alive all along.
download_shows_and_cancels() {
    port_file=$scratch/port
    python3 -c '
import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(1)
print(s.getsockname()[1], file=open(sys.argv[1], "w"), flush=True)
c, _ = s.accept(); c.recv(4096)
c.sendall(b"HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n")
for _ in range(30):
    c.sendall(b"x"); time.sleep(20)
' "$port_file" &
    dripping=$!
    wait_for_port "$port_file"
    start_game 5 5
    open_download_with "http://127.0.0.1:$(cat "$port_file")/drip.puz"
    shot address
    tap 40 218      # Get
    sleep 2
    shot under-way
    tap 40 251      # Cancel
    shot cancelled
    tap 222 13
    stop_game
    kill "$dripping" 2>/dev/null || true
}

# A puzzle written by puzzle_file.py with the features named, started on a fresh device root.
start_puzzle() { # feature ...
    python3 "$(dirname "$0")/puzzle_file.py" "$scratch/features.puz" "$@"
    start_game_with "$scratch/features.puz"
}
# Main menu > Puzzles > the item at height $1: 162 Unlock Solution..., 180 Lock Solution.
puzzles_item() {
    tap $menu 307
    tap 40 108
    tap 130 "$1"
}

# Digits and symbols of a real solution come from the keyboard, and Check finds them right.
digits_and_symbols_typed() {
    start_puzzle symbols
    x type --delay 100 'H3@RT#S'
    shot typed
    tap $check 307
    shot checked
    press Return
    stop_game
}

# A key that matches the locked solution's checksum but is not the puzzle's: the player's
# letters disagree and are told so; Lock Solution takes it back, and the right key opens it.
wrong_key_taken_back() {
    start_puzzle locked
    x type --delay 80 'HEARTHS'
    puzzles_item 162
    x type --delay 80 '3950'
    press Return
    shot warned
    press Return
    shot opened-wrong
    tap $check 307
    shot checked-with-wrong-key
    tap $menu 307
    tap 40 108
    shot lock-offered
    tap 130 180
    shot locked-again
    puzzles_item 162
    x type --delay 80 '4271'
    press Return
    shot opened-right
    tap $check 307
    shot checked-with-right-key
    press Return
    stop_game
}

# A long author and copyright and thirty lines of notes ended with CR LF: everything shows in
# Puzzle Information, no line under the scroll bar and no box for a CR.
information_shown_whole() {
    start_puzzle longheader crlfnotes
    shot top
    tap 120 60      # a line of the list, then to its end
    press End
    shot end
    tap 210 268     # its OK
    stop_game
}

# Without notes the header is a message box, which shows it whole.
header_without_notes() {
    start_puzzle longheader
    tap $menu 307
    tap 40 216      # Puzzle Info
    shot message-box
    press Return
    stop_game
}

# shellcheck disable=SC2086 # the list splits into its names
[ $# -gt 0 ] || set -- $scenarios
for scenario in "$@"; do
    "$scenario"
done
