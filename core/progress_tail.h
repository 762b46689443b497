// The progress record's tail: what the fixed layout cannot carry, kept in bytes that a reader
// of the layout alone skips as unused. A record without extras has an all-zero tail, byte for
// byte what the layout has always been.
#pragma once

// Where the tail starts: past every field of the layout, which end at byte 1897 at most (a
// 259-byte path and 1600 squares).
constexpr int kProgressTailOffset = 1904;

// The kinds of item the tail holds. Kind 0 ends the list.
enum ProgressTailKind {
    kTailEnd = 0,
    kTailUnicodePath = 1,  // the puzzle path in UTF-8, when the ANSI field cannot hold it
    kTailRebus = 2,        // the player's rebus squares: square (2 bytes), size (1), letters
    kTailUnlockKey = 3,    // the key that opened a locked solution (2 bytes)
    kTailToggles = 4,      // bit 0 Pencil, bit 1 Marks (1 byte)
    kTailTimer = 5,        // seconds spent on the puzzle (4 bytes, little-endian)
    kTailPencil = 6,       // a bit per square, row-major, low bit first: a pencil letter
    kTailWasWrong = 7,     // likewise: Check found it wrong once
    kTailGiven = 8,        // likewise: View or Fill gave it
    kTailNavigation = 9,   // bit 0 arrows by square, bit 1 next word, bit 2 skip across (1 byte)
    kTailCursor = 10,      // the cursor's row, column and direction (1 byte each)
    kTailPaused = 11,      // the player paused the clock (1 byte, 1)
};

// Builds the tail of one record: the tag on the first item, then each item as its kind (one
// byte), its size (two bytes, little-endian) and its bytes.
struct ProgressTailWriter {
    unsigned char* record;  // the 4096-byte record being built
    int at;                 // next free byte; 0 until the first item
};

void BeginProgressTail(ProgressTailWriter* writer, unsigned char* record);

// Appends one item; false (nothing written) when it does not fit before the record's end.
bool PutProgressTailItem(ProgressTailWriter* writer, int kind, const void* bytes, int size);

// The bytes of the first item of `kind` in `record` and their count, or null when the tail
// has no such item (or no tag, or an item that runs past the record's end).
const unsigned char* FindProgressTailItem(const unsigned char* record, int kind, int* size);
