// The player's layout of a diagramless puzzle and the file's words behind it.
#include "diagramless.h"

#include <cstring>

#include "play_cursor.h"
#include "puzzle_reader.h"
#include "square_marks.h"

namespace {

// The file's words and clue strings as the reader numbered them from the solution.
ClueEntry gFileAcross[kMaxWords];
ClueEntry gFileDown[kMaxWords];
const char* gFileClues[kMaxClues];
int32_t gFileNumbers[kMaxCells];  // the number each square prints, -1 for none

// The file's clue of word `number` among `words` (rows in grid order, so numbers rise), or
// nullptr when the file has no such word.
const char* ClueNumbered(const ClueEntry* words, int number)
{
    for (int row = 0; row < kMaxWords && words[row].clueIndex != -1; ++row) {
        if (words[row].number > number)
            break;
        if (words[row].number == number)
            return FileClueText(words[row]);
    }
    return nullptr;
}

void NameWords(const ClueEntry* layout, const ClueEntry* file)
{
    for (int row = 0; row < kMaxWords && layout[row].clueIndex != -1; ++row)
        gGame.clueTexts[layout[row].clueIndex] = ClueNumbered(file, layout[row].number);
}

// Square `square` holds a block the player placed; a pencil block is no such thing.
void PutBlock(int square)
{
    gGame.entries[square] = '.';
    gGame.playerRebus[square][0] = 0;
    MarkErased(square);
}

}  // namespace

bool SquareBlock(int i)
{
    return gGame.diagramless ? gGame.entries[i] == '.' : gGame.solution[i] == '.';
}

bool SquareTakesEntry(int i)
{
    return gGame.diagramless || gGame.entries[i] != '.';
}

void KeepFileWords()
{
    std::memcpy(gFileAcross, gGame.acrossClues, sizeof gFileAcross);
    std::memcpy(gFileDown, gGame.downClues, sizeof gFileDown);
    std::memcpy(gFileClues, gGame.clueTexts, sizeof gFileClues);
    for (int i = 0; i < gGame.width * gGame.height; ++i)
        gFileNumbers[i] = gGame.cells[i].number;
    FollowPlayerBlocks();
}

void FollowPlayerBlocks()
{
    if (!gGame.diagramless)
        return;
    const int words = NumberLayout(gGame.entries);
    NameWords(gGame.acrossClues, gFileAcross);
    NameWords(gGame.downClues, gFileDown);
    gGame.clueCount = words;
    if (*gGame.notes && words < kMaxClues)
        gGame.clueTexts[words] = gGame.notes;
}

const ClueEntry* FileWords(int direction)
{
    if (gGame.diagramless)
        return direction == kDown ? gFileDown : gFileAcross;
    return direction == kDown ? gGame.downClues : gGame.acrossClues;
}

const char* FileClueText(const ClueEntry& word)
{
    if (word.clueIndex < 0 || word.clueIndex >= kMaxClues)
        return nullptr;
    return gGame.diagramless ? gFileClues[word.clueIndex] : gGame.clueTexts[word.clueIndex];
}

int FileSquareNumber(int i)
{
    return gGame.diagramless ? gFileNumbers[i] : gGame.cells[i].number;
}

bool TypeBlock()
{
    const int square = CurrentSquare();
    if (!gGame.diagramless || square < 0 || square >= gGame.width * gGame.height)
        return false;
    PutBlock(square);
    FollowPlayerBlocks();
    // On as after a letter, though the block ends the word: the next square is where the
    // player goes on laying out the row or the column.
    if (gGame.direction == kAcross && gGame.cursorCol + 1 < gGame.width)
        ++gGame.cursorCol;
    else if (gGame.direction == kDown && gGame.cursorRow + 1 < gGame.height)
        ++gGame.cursorRow;
    return true;
}

bool ToggleBlock()
{
    const int square = CurrentSquare();
    if (!gGame.diagramless || square < 0 || square >= gGame.width * gGame.height)
        return false;
    if (gGame.entries[square] == '.') {
        gGame.entries[square] = '-';
        MarkErased(square);
    } else {
        PutBlock(square);
    }
    FollowPlayerBlocks();
    return true;
}
