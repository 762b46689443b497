# Shared by the game's screenshot scripts (sourced, not run): starts a virtual X display and
# the game on a fresh device root at scale 2, and gives the scripts x (xdotool on that
# display), tap X Y (device points) and shot NAME (a PNG of the window in $out). The caller
# sets bin, out and display first; TAP_PAUSE is the wait after a tap (0.4 s unless set).
root=$(mktemp -d)
mkdir -p "$out"

Xvfb "$display" -screen 0 800x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
sleep 1

DISPLAY=$display CROSSWORD_BACKEND=sdl2 CROSSWORD_SCALE=2 CROSSWORD_DEVICE_ROOT="$root" \
    "$bin/crossword" &
game=$!
window=$(DISPLAY=$display timeout 10 xdotool search --sync --onlyvisible --pid "$game" | head -n 1)
sleep 1

# The solution letter of square (row, col) of the puzzle the game opened first, read from the
# file itself, so what a script types stays right when the starter puzzle changes.
solution_letter() {
    starter="$root/My Documents/Welcome.puz"
    width=$(od -An -tu1 -j44 -N1 "$starter" | tr -d ' ')
    dd if="$starter" bs=1 skip=$((0x34 + $1 * width + $2)) count=1 2>/dev/null
}
# A letter that is not the solution of square (row, col).
wrong_letter() {
    [ "$(solution_letter "$1" "$2")" = Z ] && echo Q || echo Z
}

# Device points (240 x 320 screen) become window pixels at scale 2.
x() { DISPLAY=$display xdotool "$@"; }
tap() {
    x mousemove --window "$window" $(($1 * 2)) $(($2 * 2)) click 1
    sleep "${TAP_PAUSE:-0.4}"
}
shot() {
    sleep 0.6
    x windowactivate --sync "$window" >/dev/null 2>&1 || true
    DISPLAY=$display import -window "$window" "$out/$1.png"
    echo "saved $out/$1.png"
}
