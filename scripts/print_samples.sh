#!/bin/sh
# Three real puzzles printed as the game prints them, on A4 and on Letter, with their pages
# rendered to PNG for looking at: a 15 x 15 blank and solved, a 21 x 21 with rebus squares
# blank and with its locked solution opened by its key, and a puzzle with circles and long
# notes with the letters of its own fill grid (its notes go to page 2).
# Usage: scripts/print_samples.sh [bin-folder] [out-folder]
# Needs printpdf (built with the project), the real-file corpus (CROSSWORD_TESTDATA, by
# default ../shared/testdata beside the checkout) and poppler-utils' pdftoppm.
set -eu

bin=${1:-build/default/bin}
out=${2:-print-samples}
corpus=${CROSSWORD_TESTDATA:-$(dirname "$0")/../../shared/testdata}/puz-real
dpi=100

[ -x "$bin/printpdf" ] || { echo "no $bin/printpdf: build the printpdf target" >&2; exit 2; }
[ -d "$corpus" ] || { echo "no real-file corpus at $corpus: set CROSSWORD_TESTDATA" >&2; exit 2; }
mkdir -p "$out"

sample() { # name puzzle [printpdf option ...]
    name=$1
    puzzle=$2
    shift 2
    for paper in a4 letter; do
        "$bin/printpdf" "$corpus/$puzzle.puz" "$@" --paper $paper -o "$out/$name-$paper.pdf"
        pdftoppm -r $dpi -png "$out/$name-$paper.pdf" "$out/$name-$paper"
    done
}

sample daily-blank av110622
sample daily-solution av110622 --solution
sample sunday-rebus-blank nyt_sun_rebus
sample sunday-rebus-solution nyt_sun_rebus --solution --key 2173
sample circles-notes-letters nyt_rebus_with_notes_and_shape_solved --letters
sample circles-notes-blank nyt_rebus_with_notes_and_shape_solved
echo "pages in $out"
