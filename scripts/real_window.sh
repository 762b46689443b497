# Shared by the screenshot scripts that replay scenarios in a real window (sourced, not run):
# a virtual X display of their own, the game started on a fresh device root holding one
# puzzle, and the user's means: tap X Y and drag in device points, press KEY, shot NAME (a PNG
# of the window as <scenario>-<name>.png in $out). It reads the caller's arguments,
# [bin-folder] [out-folder] [scenario ...], and leaves the scenarios as the arguments; the
# caller sets `scenario` while one runs.

bin=${1:-build/default/bin}
out=${2:-screenshots}
if [ $# -gt 2 ]; then
    shift 2
else
    set --
fi

# Menu bar buttons (y = 307) and the items of the pop-ups they open upwards.
menu=10
zoom=133
keyboard=185
about=207
sip=229
check=38
view=62
clues=111
medium=266
help=241

scratch=$(mktemp -d)
mkdir -p "$out"
xvfb=
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

. "$(dirname "$0")/virtual_display.sh"

x() { DISPLAY=$display xdotool "$@"; }

# Starts the game on a fresh device root whose "My Documents" holds the puzzle file $1 (as
# open.puz), which opens at once.
start_game_with() { # puzzle-file
    root=$scratch/root-$$-$(date +%s%N)
    mkdir -p "$root/My Documents"
    cp "$1" "$root/My Documents/open.puz"
    run_game_on_root
}
# Starts the game on the device root $root with the command line's files, and waits for its
# window.
run_game_on_root() { # [file...]
    DISPLAY=$display CROSSWORD_BACKEND=sdl2 CROSSWORD_SCALE=2 CROSSWORD_DEVICE_ROOT="$root" \
        "$bin/crossword" "$@" &
    game=$!
    window=$(DISPLAY=$display timeout 10 xdotool search --sync --onlyvisible --pid "$game" |
        head -n 1)
    sleep 1
    x windowfocus --sync "$window"
}
stop_game() {
    x key --window "$window" ctrl+q 2>/dev/null || true
    wait "$game" || true
    game=
}

# Device points (240 x 320 screen) become window pixels at scale 2.
tap() {
    x mousemove --window "$window" $(($1 * 2)) $(($2 * 2)) click 1
    sleep 0.4
}
press() { # key [times]
    for _ in $(seq "${2:-1}"); do
        x key "$1"
        sleep 0.1
    done
    sleep 0.3
}
# Stylus down at (x0, y0), moved in small steps to (x1, y1) and lifted there.
drag() {
    x mousemove --window "$window" $(($1 * 2)) $(($2 * 2)) mousedown 1
    for step in 1 2 3 4 5 6 7 8; do
        x mousemove --window "$window" $((($1 + ($3 - $1) * step / 8) * 2)) \
            $((($2 + ($4 - $2) * step / 8) * 2))
        sleep 0.02
    done
    x mouseup 1
    sleep 0.4
}
fill_puzzle() {
    tap $menu 307
    tap 35 144      # Fill > Puzzle
    tap 130 180
}
shot() {
    sleep 0.6
    DISPLAY=$display import -window "$window" "$out/$scenario-$1.png"
    echo "saved $out/$scenario-$1.png"
}

# Waits up to five seconds for a local server to write its port into file $1.
wait_for_port() { # port-file
    for _ in $(seq 50); do
        [ -s "$1" ] && break
        sleep 0.1
    done
}
# Main menu > Puzzles > Download, the address $1 typed into its address line (the input
# panel rises with it and goes down when the list takes the focus).
open_download_with() { # address
    tap $menu 307
    tap 40 108      # Puzzles
    tap 130 126     # Download
    tap 120 188     # the address line
    x type --delay 20 "$1"
    tap 120 150     # the list's empty part
}
