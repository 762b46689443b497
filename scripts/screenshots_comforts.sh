#!/bin/sh
# A solver's comforts in a real window at scale 2, as a user meets them: the new toggles,
# pencil letters, the honest marks of Check and View, the clock in the title paused and then
# stopped by the solved sign, undo, the entries a clue names tinted, and a daily address with
# date fields fetched from a local server. Saves <scenario>-<moment>.png in the out folder.
# Usage: scripts/screenshots_comforts.sh [bin-folder] [out-folder] [scenario ...]
# Needs Xvfb, xdotool, ImageMagick's import and python3 (scripts/packages.txt).
set -eu

scenarios="toggles_in_the_menu pencil_letters honest_marks clock_paused_then_solved \
undo_takes_back cross_references_tinted dated_address_fetched"

. "$(dirname "$0")/real_window.sh"

# The main menu's items above the ones that stay at the bottom, and the Toggle pop-up's.
toggle_item=126
pencil_item=162
marks_item=180

start_puzzle() { # feature...
    python3 "$(dirname "$0")/puzzle_file.py" "$scratch/puzzle.puz" "$@"
    start_game_with "$scratch/puzzle.puz"
}
# The centre of square (row, col) of the 7 x 7 puzzle in Small.
tap_square() { # row col
    tap $((17 + 34 * $2)) $((44 + 34 * $1))
}
toggle() { # item
    tap $menu 307
    tap 40 $toggle_item
    tap 130 "$1"
}

toggles_in_the_menu() {
    start_puzzle
    tap $menu 307
    tap 40 $toggle_item
    shot open
    press Escape 2
    stop_game
}

# Pencil on: the letters typed are grey; Pencil off: a letter typed over one is ink.
pencil_letters() {
    start_puzzle
    toggle $pencil_item
    x type --delay 80 "hear"
    toggle $pencil_item
    tap_square 0 1
    x type --delay 80 "e"
    shot grey-and-ink
    stop_game
}

# Marks on: a letter Check found wrong keeps a red corner once corrected; a letter View gave
# keeps a blue one.
honest_marks() {
    start_puzzle
    toggle $marks_item
    tap_square 1 0
    x type --delay 80 "qs"
    tap $check 307
    shot checked
    tap_square 1 0
    x type --delay 80 "a"
    tap_square 3 4
    tap $view 307
    tap 60 252      # View > Current Letter
    shot viewed
    tap_square 6 6
    shot corrected-and-given
    stop_game
}

# The file's own 7:05 goes on in the title; a tap on the title pauses it; Fill Puzzle solves
# the puzzle, and the clue bar says so while the clock stands.
clock_paused_then_solved() {
    start_puzzle timer
    sleep 2
    shot running
    tap 120 13
    shot paused
    sleep 2
    tap 120 13
    fill_puzzle
    shot solved
    sleep 2
    shot still-solved
    stop_game
}

# Three letters, Fill Word, then Ctrl+Z twice: the word as typed, then two letters.
undo_takes_back() {
    start_puzzle
    x type --delay 80 "hex"
    tap $menu 307
    tap 35 144      # Fill
    tap 130 162     # Word
    shot filled
    press ctrl+z
    shot undone-fill
    press ctrl+z
    shot undone-letter
    stop_game
}

# 1-Across names 12-Across and 4-Down: tinted while it is current, gone with another word.
cross_references_tinted() {
    start_puzzle crossref
    shot tinted
    tap_square 3 0
    shot other-word
    stop_game
}

# A local server has today's puzzle at cw<yy><mm><dd>.puz; the address is kept with its
# fields, and the dialog says which address it fetched.
dated_address_fetched() {
    python3 "$(dirname "$0")/puzzle_file.py" "$scratch/daily.puz"
    port_file=$scratch/port
    python3 -c '
import http.server, sys, time
body = open(sys.argv[2], "rb").read()
name = time.strftime("/cw%y%m%d.puz")
class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        ok = self.path == name
        self.send_response(200 if ok else 404)
        self.send_header("Content-Length", str(len(body) if ok else 0))
        self.end_headers()
        if ok:
            self.wfile.write(body)
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
print(server.server_port, file=open(sys.argv[1], "w"), flush=True)
server.serve_forever()
' "$port_file" "$scratch/daily.puz" &
    serving=$!
    wait_for_port "$port_file"
    start_puzzle
    open_download_with "http://127.0.0.1:$(cat "$port_file")/cw{yy}{mm}{dd}.puz"
    shot address
    tap 40 218      # Get
    sleep 1
    shot save-as
    press Return    # the file dialog's proposal
    sleep 1
    shot stored
    press Return    # the success message
    shot fetched
    tap 222 13
    stop_game
    kill "$serving" 2>/dev/null || true
}

# shellcheck disable=SC2086 # the list splits into its names
[ $# -gt 0 ] || set -- $scenarios
for scenario in "$@"; do
    "$scenario"
done
