// Undo: every change of the entries (letters, rebus squares and whether a letter is pencil)
// as one step per action of the player, taken back one step at a time. The history lasts until the
// game ends or another puzzle opens, and holds at least the last 100 steps.
#pragma once

// Starts an empty history for the puzzle just opened (or restored).
void ResetUndoHistory();

// Closes the action that just ended: the squares it changed, with what they held before,
// become one step. An action that changed nothing leaves no step. Cheap enough to call after
// every key, tap and command.
void RecordUndoStep();

// Takes back the last step: its squares get back what they held, and the cursor goes to the
// first of them. False when there is nothing to take back.
bool UndoLastStep();
