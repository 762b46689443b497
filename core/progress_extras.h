// The play state that the progress record's fixed fields have no room for, kept in its tail:
// the player's rebus squares, the key of an unlocked solution, the Pencil and Marks toggles,
// the navigation preferences, the cursor, the time spent and the player's pause, and the
// pencil and honest marks of each square.
#pragma once

#include "progress_tail.h"

// Appends gGame's extras to a record being built. Rebus squares go in while they fit; a
// square left out keeps its first letter in the entries, so no letter is ever lost.
void PutProgressExtras(ProgressTailWriter* tail);

struct RestoredPlay;

// Takes the extras of a whole record (none when the record has no tail): the Pencil and Marks
// toggles and the navigation preferences into gGame's settings, the rebus squares, marks,
// time, pause, key and cursor into `play`.
void GetProgressExtras(const unsigned char* record, RestoredPlay* play);
