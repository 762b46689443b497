#!/bin/sh
# The formats beside .puz in a real window at scale 2, as a user meets them: an .ipuz with
# circles and a rebus, a zipped .jpz and an .xd opened from the command line, played (the
# rebus typed too), checked, saved by the auto-save within a second and shown again by a new
# start; the same files opened with Open File; an acrostic refused with its message; an .ipuz
# downloaded from a local server, stored under its own extension and opened. The puzzles
# are real files of $CROSSWORD_TESTDATA/formats-real (../shared/testdata beside the
# checkout) when it is there, else files of the same grid written here. Saves
# <scenario>-<moment>.png in the out folder; GAME_DISPLAY=N runs it on display :N.
# Usage: scripts/screenshots_formats.sh [bin-folder] [out-folder] [scenario ...]
# Needs Xvfb, xdotool, ImageMagick's import and python3 (scripts/packages.txt).
set -eu

scenarios="ipuz_from_the_command_line zipped_jpz_from_the_command_line \
xd_from_the_command_line formats_through_open_file acrostic_refused ipuz_downloaded"

here=$(cd "$(dirname "$0")" && pwd)
testdata=${CROSSWORD_TESTDATA:-$here/../../shared/testdata}/formats-real

. "$here/real_window.sh"

# The local server of the download, stopped with the rest however the script ends.
serving=
trap '[ -z "$serving" ] || kill "$serving" 2>/dev/null; cleanup' EXIT

# The puzzles, each under the name the scenarios use: circles-rebus.ipuz, zipped.jpz (a ZIP
# archive holding one .jpz), plain.xd and acrostic.ipuz. All but the acrostic hold one 5 x 5
# grid: ABCD#, EFGH#, IJ[XYZ]LM with circles at both ends, #NOPQ, #12$@.
files=$scratch/files
mkdir -p "$files"
python3 - "$testdata" "$files" <<'EOF'
import io, json, sys, zipfile
from pathlib import Path

real, out = Path(sys.argv[1]), Path(sys.argv[2])
rows = [["A", "B", "C", "D", None], ["E", "F", "G", "H", None], ["I", "J", "XYZ", "L", "M"],
        [None, "N", "O", "P", "Q"], [None, "1", "2", "$", "@"]]
circles = {(2, 0), (2, 4)}
numbers = {(0, 0): 1, (0, 1): 2, (0, 2): 3, (0, 3): 4, (1, 0): 5, (2, 0): 6, (2, 4): 7,
           (3, 1): 8, (4, 1): 9}
across = [(1, "Top row"), (5, "Second row"), (6, "Middle row, a rebus inside"),
          (8, "Fourth row"), (9, "Digits and signs")]
down = [(1, "First column"), (2, "Second column"), (3, "Middle column"), (4, "Fourth column"),
        (7, "Last column")]


def squares(number, step):
    """The squares of the word that starts at `number`, going by `step`."""
    r, c = next(k for k, v in numbers.items() if v == number)
    word = []
    while r < 5 and c < 5 and rows[r][c] is not None:
        word.append((r, c))
        r, c = r + step[0], c + step[1]
    return word


def ipuz(kind):
    puzzle = [[{"cell": numbers.get((r, c), 0), "style": {"shapebg": "circle"}}
               if (r, c) in circles else ("#" if rows[r][c] is None else numbers.get((r, c), 0))
               for c in range(5)] for r in range(5)]
    return json.dumps({"version": "http://ipuz.org/v2", "kind": [kind],
                       "title": "Five by five", "author": "Crossword project",
                       "notes": "Notes shown at the first opening.",
                       "dimensions": {"width": 5, "height": 5}, "puzzle": puzzle,
                       "solution": [["#" if s is None else s for s in row] for row in rows],
                       "clues": {"Across": [[n, t] for n, t in across],
                                 "Down": [[n, t] for n, t in down]}})


def jpz():
    cells = "".join(
        f'<cell x="{c + 1}" y="{r + 1}" type="block"/>' if rows[r][c] is None else
        f'<cell x="{c + 1}" y="{r + 1}" solution="{rows[r][c]}"'
        + (f' number="{numbers[(r, c)]}"' if (r, c) in numbers else "")
        + (' background-shape="circle"' if (r, c) in circles else "") + "/>"
        for r in range(5) for c in range(5))
    words, clues, word = [], {"Across": "", "Down": ""}, 0
    for direction, listed, step in (("Across", across, (0, 1)), ("Down", down, (1, 0))):
        for number, text in listed:
            word += 1
            path = "".join(f'<cells x="{c + 1}" y="{r + 1}"/>' for r, c in squares(number, step))
            words.append(f'<word id="{word}">{path}</word>')
            clues[direction] += f'<clue word="{word}" number="{number}">{text}</clue>'
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<rectangular-puzzle><metadata>'
            '<title>Five by five</title><creator>Crossword project</creator>'
            '<description>Notes shown at the first opening.</description></metadata>'
            f'<crossword><grid width="5" height="5">{cells}</grid>{"".join(words)}'
            f'<clues><title>Across</title>{clues["Across"]}</clues>'
            f'<clues><title>Down</title>{clues["Down"]}</clues></crossword>'
            '</rectangular-puzzle>\n').encode()


def xd():
    key = "\u2776"  # a rebus key no square's letter can be
    grid = "\n".join("".join(key if s == "XYZ" else "." if s is None else s for s in row)
                     for row in rows)
    design = "\n".join("".join("O" if (r, c) in circles else "#" if rows[r][c] is None else "."
                               for c in range(5)) for r in range(5))

    def answer(number, step):
        return "".join(rows[r][c] for r, c in squares(number, step))

    clues = "\n".join(f"A{n}. {t} ~ {answer(n, (0, 1))}" for n, t in across) + "\n\n" + \
        "\n".join(f"D{n}. {t} ~ {answer(n, (1, 0))}" for n, t in down)
    return (f"## Metadata\n\ntitle: Five by five\nauthor: Crossword project\n"
            f"description: Notes shown at the first opening.\nrebus: {key}=XYZ\n\n"
            f"## Grid\n\n{grid}\n\n## Clues\n\n{clues}\n\n"
            f"## Design\n\n<style>O {{ background: circle }}</style>\n\n{design}\n").encode()


def zipped(name, data):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr(name, data)
    return buffer.getvalue()


# The real ones of the corpus: the same grid, its clues, notes and markup as their writers
# left them.
if all((real / name).is_file() for name in ("test.ipuz", "test.jpz", "test.xd")):
    print(f"puzzles: {real}/test.ipuz, test.jpz (zipped here) and test.xd")
    ipuz_bytes, jpz_bytes, xd_bytes = ((real / name).read_bytes()
                                       for name in ("test.ipuz", "test.jpz", "test.xd"))
else:
    print("puzzles: written here (no formats-real corpus)")
    ipuz_bytes, jpz_bytes, xd_bytes = ipuz("http://ipuz.org/crossword#1").encode(), jpz(), xd()
(out / "circles-rebus.ipuz").write_bytes(ipuz_bytes)
(out / "zipped.jpz").write_bytes(zipped("puzzle.jpz", jpz_bytes))
(out / "plain.xd").write_bytes(xd_bytes)
(out / "acrostic.ipuz").write_text(ipuz("http://ipuz.org/acrostic#1"))
EOF

# The centre of square (row, col) of the 5 x 5 grid in Small.
tap_square() { # row col
    tap $((24 + 48 * $2)) $((50 + 48 * $1))
}
# The game on the device root $root (made when missing), with the command line's files.
start_game_on_root() { # [file...]
    mkdir -p "$root"
    run_game_on_root "$@"
}
fail() {
    echo "$scenario: $*" >&2
    exit 1
}
# Ctrl+Q ends the game, which must be gone within five seconds.
quit_game() {
    x key --window "$window" ctrl+q 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game" 2>/dev/null && fail "the game did not end on Ctrl+Q"
    wait "$game" || true
    game=
}
# The letters of the grid but the last, the rebus through Insert.
play_grid() {
    x type --delay 80 "ABCD"
    tap_square 1 0
    x type --delay 80 "EFGH"
    tap_square 2 0
    x type --delay 80 "IJ"
    press Insert
    x type --delay 80 "XYZ"
    press Return
    tap_square 3 1
    x type --delay 80 "NOPQ"
    tap_square 2 3
    x type --delay 80 "LM"
    tap_square 4 1
    x type --delay 80 '12$'
}

# Opened from the command line (the copy in My Documents is what opens) and played; within
# a second of the last letter (a wrong one: @ is the solution there) the progress record on
# disk holds it; Check marks it; after Ctrl+Q the file is as it was, and a new start shows
# every letter again.
play_from_the_command_line() { # file progress-name
    root=$scratch/root-$scenario
    start_game_on_root "$files/$1"
    [ -f "$root/My Documents/$1" ] || fail "$1 was not copied into My Documents"
    shot opened
    tap 222 13      # the notes' ok
    play_grid
    marker=$scratch/marker-$scenario
    touch "$marker"
    x type "A"
    sleep 1.2
    progress="$root/My Documents/$2"
    if [ -z "$(find "$progress" -newer "$marker" 2>/dev/null)" ] ||
        ! grep -qaF 'NOPQ.12$A' "$progress"; then
        fail "$2 does not hold the last letter a second after it"
    fi
    echo "$scenario: $2 written by the auto-save, the last letter in it"
    shot played
    tap $check 307
    shot checked
    quit_game
    cmp -s "$files/$1" "$root/My Documents/$1" || fail "the game wrote into $1"
    start_game_on_root
    shot restored
    quit_game
}

ipuz_from_the_command_line() {
    play_from_the_command_line circles-rebus.ipuz circles-rebus.ipuz.progress
}
zipped_jpz_from_the_command_line() {
    play_from_the_command_line zipped.jpz zipped.jpz.progress
}
xd_from_the_command_line() {
    play_from_the_command_line plain.xd plain.xd.progress
}

# Open File lists every format under its one type; each file opens after the question.
formats_through_open_file() {
    root=$scratch/root-$scenario
    start_game_on_root
    cp "$files/circles-rebus.ipuz" "$files/zipped.jpz" "$files/plain.xd" "$root/My Documents/"
    tap $open 307
    shot list
    # The lines, by name: circles-rebus.ipuz, plain.xd, Welcome.puz, zipped.jpz.
    for line in circles-rebus:110 zipped:155 plain:125; do
        name=${line%:*}
        [ "$name" = circles-rebus ] || tap $open 307
        tap 60 "${line#*:}"
        shot "$name-question"
        press Return    # Yes
        shot "$name-notes"
        tap 222 13      # their ok
        shot "$name-opened"
    done
    quit_game
}

acrostic_refused() {
    root=$scratch/root-$scenario
    start_game_on_root "$files/acrostic.ipuz"
    shot command-line
    press Return
    shot after
    [ ! -f "$root/My Documents/acrostic.ipuz" ] || fail "the refused file stayed in My Documents"
    cp "$files/acrostic.ipuz" "$root/My Documents/"
    tap $open 307
    shot listed
    tap 60 110      # acrostic.ipuz, the first line
    press Return    # Yes
    shot open-file
    press Return
    quit_game
}

# A local server (python3 -m http.server in a folder of its own) holds an .ipuz; Download
# fetches it, proposes a name from its title in Fennimoor, stores the same bytes under .ipuz,
# and Open File opens it.
ipuz_downloaded() {
    served=$scratch/served
    mkdir -p "$served"
    cp "$files/circles-rebus.ipuz" "$served/daily.ipuz"
    python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$served" \
        >"$scratch/server" 2>&1 &
    serving=$!
    for _ in $(seq 50); do
        grep -q ' port ' "$scratch/server" && break
        sleep 0.1
    done
    port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$scratch/server" | head -n 1)
    [ -n "$port" ] || fail "the local server gave no port"
    root=$scratch/root-$scenario
    start_game_on_root
    open_download_with "http://127.0.0.1:$port/daily.ipuz"
    shot address
    tap 40 218      # Get
    sleep 1
    shot save-as
    press Return    # Save, under the proposed name
    shot where
    press Return    # Yes, at this location
    shot stored
    press Return    # the success message
    tap 196 251     # the dialog's OK
    stored=$(find "$root/My Documents/Fennimoor" -type f)
    if [ "$(echo "$stored" | wc -l)" != 1 ] || [ "${stored%.ipuz}" = "$stored" ]; then
        fail "Fennimoor holds $stored, not one .ipuz"
    fi
    cmp -s "$served/daily.ipuz" "$stored" || fail "${stored##*/} is not the file served"
    echo "$scenario: stored as Fennimoor/${stored##*/}"
    tap $open 307
    shot listed
    tap 60 110      # its line, before Welcome.puz
    press Return    # Yes
    tap 222 13      # the notes' ok
    shot opened
    quit_game
    kill "$serving" 2>/dev/null || true
    serving=
}

# Open is the menu bar's folder.
open=90

# shellcheck disable=SC2086 # the list splits into its names
[ $# -gt 0 ] || set -- $scenarios
for scenario in "$@"; do
    "$scenario"
done
