// Reading a crossword file into gGame and numbering its grid. A file of another format is
// read by the formats' readers and played as the .puz image they write, so everything after
// the reading (numbering, progress, check, print) knows one layout. Clue strings are never
// copied: clueTexts point into fileBuffer, which only an accepted file replaces.
#include "puzzle_reader.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "diagramless.h"
#include "entry_check.h"
#include "play_cursor.h"
#include "play_time.h"
#include "progress_file.h"
#include "puz_image.h"
#include "puz_layout.h"
#include "puzzle_image_check.h"
#include "puzzle_sections.h"
#include "read_puzzle_document.h"
#include "solution_lock.h"
#include "square_text.h"
#include "undo_history.h"

namespace {

static_assert(kMaxCrosswordFile == kDocumentMaxInput, "the readers' bound is the game's");
static_assert(kMaxPuzzleFile == kDocumentMaxImage && kMaxCells == kDocumentMaxCells &&
                  kMaxSide == kDocumentMaxSide && kMaxWords == kDocumentMaxWords &&
                  kMaxClues == kDocumentMaxClues,
              "the images the readers write must fit the game");

PuzzleRefusal gLastRefusal = kPuzzleAccepted;
// The reader's own sentence for the last file of another format it refused.
std::string gOtherFormatReason;

// The file being read, and the image of one of another format, so a refused file leaves
// fileBuffer alone.
std::string gScratch;
std::string gConverted;

// How far the last puzzle may have written into fileBuffer, cells and the word tables:
// only that much needs resetting for the next one (the first reset covers everything).
int gBufferUsed = kMaxPuzzleFile + 1;
int gCellsUsed = kMaxCells;
int gWordRowsUsed = kMaxWords;

bool Refuse(PuzzleRefusal reason)
{
    gLastRefusal = reason;
    return false;
}

bool HasPuzMagic(const char* bytes, int size)
{
    return std::string_view(bytes, size_t(size))
               .find(std::string_view(puz::kMagic, sizeof puz::kMagic)) != std::string_view::npos;
}

// The .puz image of a crossword file of any format: a .puz is its own image (judged by the
// .puz checks alone, so such a file opens exactly as it always did); another format is read
// and written as one into gConverted. *image and *size then say where it is.
PuzzleRefusal ImageOf(const char* bytes, int size, const char** image, int* imageSize,
                      PuzzleLayout* layout)
{
    if (HasPuzMagic(bytes, size)) {
        *image = bytes;
        *imageSize = size;
        return CheckPuzzleImage(bytes, size, layout);
    }
    PuzzleDocument document;
    DocumentRefusal refusal =
        ReadPuzzleDocument(bytes, size_t(size), &document, &gOtherFormatReason);
    if (refusal == kDocumentUnknownFormat)
        return kPuzzleNoMagic;
    if (refusal == kDocumentAccepted)
        refusal = WritePuzImage(document, &gConverted, &gOtherFormatReason);
    if (refusal == kDocumentDamaged || refusal == kDocumentTooLarge)
        return kPuzzleBrokenDocument;
    if (refusal != kDocumentAccepted)
        return kPuzzleUnplayable;
    *image = gConverted.data();
    *imageSize = int(gConverted.size());
    return CheckPuzzleImage(*image, *imageSize, layout);
}

bool Accept(const char* file, int fileSize)
{
    const char* bytes = nullptr;
    int size = 0;
    PuzzleLayout layout;
    const PuzzleRefusal reason = ImageOf(file, fileSize, &bytes, &size, &layout);
    if (reason != kPuzzleAccepted)
        return Refuse(reason);
    std::memmove(gGame.fileBuffer, bytes, size_t(size));
    if (gBufferUsed > size)
        std::memset(gGame.fileBuffer + size, 0, size_t(gBufferUsed - size));
    gBufferUsed = size;
    gGame.fileSize = size;
    gGame.headerOffset = layout.headerOffset;
    gGame.textEncoding = layout.encoding;
    gLastRefusal = kPuzzleAccepted;
    return true;
}

// What an open square may hold: empty, anything the player can type, or its own solution
// byte, which Fill puts there whatever it is. Anything else is emptied, square by square, so
// one odd byte never costs the player the rest of the grid.
void EmptyUnplayableEntries()
{
    for (int i = 0; i < gGame.width * gGame.height; ++i) {
        const char e = gGame.entries[i];
        // A rebus stands in the grid by its first byte, in a UTF-8 puzzle maybe a piece of
        // its first character ("É" another program saved).
        const bool rebusLead = gGame.playerRebus[i][0] != 0 && e == gGame.playerRebus[i][0];
        if (e != '.' && e != '-' && !IsEntryByte(static_cast<unsigned char>(e)) &&
            e != gGame.solution[i] && !rebusLead)
            gGame.entries[i] = '-';
    }
}

// Appends `text` to headerLine, cut to its capacity.
void AppendHeader(int* length, const char* text)
{
    while (*text && *length < kHeaderLineSize - 1)
        gGame.headerLine[(*length)++] = *text++;
    gGame.headerLine[*length] = 0;
}

const char* NextString(const char* s)
{
    return s + std::strlen(s) + 1;
}

// Numbers `layout` in row-major order: each word takes the next clue index (across before
// down on a shared square), each starting square the next number. A word that would pass the
// tables' bounds is not started, so its squares stay in no word that way; the reader refuses
// files whose solution gets that far, and only a player's layout can.
int NumberGrid(const char* layout)
{
    const int w = gGame.width;
    const int h = gGame.height;
    auto open = [&](int i) { return layout[i] != '.'; };
    int k = 0;
    int n = 1;
    int across = 0;
    int down = 0;
    for (int i = 0; i < w * h; ++i) {
        if (!open(i))
            continue;
        CellInfo& cell = gGame.cells[i];
        const int r = i / w;
        const int c = i % w;
        const bool startsAcross = (c == 0 || !open(i - 1)) && c + 1 < w && open(i + 1) &&
                                  across < kMaxWords && k < kMaxClues;
        const bool startsDown = (r == 0 || !open(i - w)) && r + 1 < h && open(i + w) &&
                                down < kMaxWords && k + (startsAcross ? 1 : 0) < kMaxClues;
        if (startsAcross) {
            cell.acrossClue = k++;
            gGame.acrossClues[across++] = {cell.acrossClue, n, -1};
        } else {
            cell.acrossClue = (c > 0 && open(i - 1)) ? gGame.cells[i - 1].acrossClue : -1;
        }
        if (startsDown) {
            cell.downClue = k++;
            gGame.downClues[down++] = {cell.downClue, n, -1};
        } else {
            cell.downClue = (r > 0 && open(i - w)) ? gGame.cells[i - w].downClue : -1;
        }
        if (startsAcross || startsDown)
            cell.number = n++;
    }
    return k;
}

// The downClues row of clue index `clue`. Rows are in clue order, so halving finds the
// same row a search from row 0 would, without a pass per word.
ClueEntry* FindDownRow(int rows, int clue)
{
    int low = 0;
    int high = rows - 1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int found = gGame.downClues[mid].clueIndex;
        if (found == clue)
            return &gGame.downClues[mid];
        if (found < clue)
            low = mid + 1;
        else
            high = mid - 1;
    }
    return nullptr;
}

}  // namespace

bool LoadPuzzleImage(const void* bytes, int size)
{
    if (!bytes || size < 0)
        return Refuse(kPuzzleCannotOpen);
    return Accept(static_cast<const char*>(bytes), size);
}

PuzzleRefusal CheckPuzzleBytes(const void* bytes, int size, int* headerOffset)
{
    if (!bytes || size < 0)
        return kPuzzleCannotOpen;
    PuzzleLayout layout;
    const PuzzleRefusal reason = CheckPuzzleImage(static_cast<const char*>(bytes), size, &layout);
    if (reason == kPuzzleAccepted)
        *headerOffset = layout.headerOffset;
    return reason;
}

PuzzleRefusal PuzzleImageOfFile(const void* bytes, int size, std::string* image)
{
    if (!bytes || size < 0)
        return kPuzzleCannotOpen;
    const char* at = nullptr;
    int length = 0;
    PuzzleLayout layout;
    const PuzzleRefusal reason =
        ImageOf(static_cast<const char*>(bytes), size, &at, &length, &layout);
    if (reason == kPuzzleAccepted)
        image->assign(at, size_t(length));
    return reason;
}

const char* PuzzleFileExtension(const void* bytes, int size)
{
    const char* at = static_cast<const char*>(bytes);
    if (!bytes || size <= 0 || HasPuzMagic(at, size))
        return ".puz";
    return DocumentExtension(at, size_t(size));
}

namespace {

// Reads the file at `path` into gScratch: its size, or -1 when it cannot be read. One byte
// more than the limit tells an oversized file from one that fits exactly. A .puz fits the
// first read; only a larger file (an .ipuz with a picture) grows the scratch for the rest.
int ReadScratch(LPCWSTR path)
{
    HANDLE file =
        CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    if (gScratch.size() < size_t(kMaxPuzzleFile) + 1)
        gScratch.resize(size_t(kMaxPuzzleFile) + 1);
    DWORD size = 0;
    BOOL read = ReadFile(file, gScratch.data(), DWORD(kMaxPuzzleFile) + 1, &size, nullptr);
    if (read && size == DWORD(kMaxPuzzleFile) + 1) {
        gScratch.resize(size_t(kMaxCrosswordFile) + 1);
        DWORD more = 0;
        read =
            ReadFile(file, gScratch.data() + size, DWORD(gScratch.size()) - size, &more, nullptr);
        size += more;
    }
    CloseHandle(file);
    return read ? int(size) : -1;
}

}  // namespace

bool ReadPuzzleFile(LPCWSTR path)
{
    const int size = ReadScratch(path);
    return size < 0 ? Refuse(kPuzzleCannotOpen) : Accept(gScratch.data(), size);
}

PuzzleRefusal JudgePuzzleFile(LPCWSTR path)
{
    const int size = ReadScratch(path);
    if (size < 0)
        return kPuzzleCannotOpen;
    const char* image = nullptr;
    int imageSize = 0;
    PuzzleLayout layout;
    return ImageOf(gScratch.data(), size, &image, &imageSize, &layout);
}

PuzzleRefusal LastPuzzleRefusal()
{
    return gLastRefusal;
}

const char* PuzzleRefusalText(PuzzleRefusal reason)
{
    // The limits are written from the game's capacities, so a text never names an old one.
    static char text[80];
    switch (reason) {
    case kPuzzleAccepted: return "accepted";
    case kPuzzleCannotOpen: return "the file cannot be opened";
    case kPuzzleFileTooLarge:
        std::snprintf(text, sizeof text, "the file is larger than %d bytes", kMaxPuzzleFile);
        return text;
    case kPuzzleNoMagic: return "it is not a crossword the game reads (.puz, .ipuz, .jpz or .xd)";
    case kPuzzleBadSize:
        std::snprintf(text, sizeof text,
                      "its width or height is negative or above %d, or it has no rows", kMaxSide);
        return text;
    case kPuzzleTooManySquares:
        std::snprintf(text, sizeof text, "it has more than %d squares", kMaxCells);
        return text;
    case kPuzzleTooManyWords:
        std::snprintf(text, sizeof text, "it has more than %d across or %d down words", kMaxWords,
                      kMaxWords);
        return text;
    case kPuzzleTooManyClues:
        std::snprintf(text, sizeof text, "it has more than %d clues", kMaxClues);
        return text;
    case kPuzzleTruncated: return "the file ends before its grids and clues do";
    case kPuzzleDamaged: return "the file is damaged";
    case kPuzzleUnplayable:
    case kPuzzleBrokenDocument: return gOtherFormatReason.c_str();
    }
    return "unknown";
}

namespace {

// Every square and word row back to -1 ("none"), only as far as the last puzzle used them.
void ClearGridTables()
{
    gGame.cursorRow = gGame.cursorCol = 0;
    std::memset(gGame.cells, 0xFF, sizeof(CellInfo) * size_t(gCellsUsed));
    std::memset(gGame.acrossClues, 0xFF, sizeof(ClueEntry) * size_t(gWordRowsUsed));
    std::memset(gGame.downClues, 0xFF, sizeof(ClueEntry) * size_t(gWordRowsUsed));
    gCellsUsed = 0;
    gWordRowsUsed = 0;
    gGame.clueCount = 0;
    gGame.notes = gGame.fileBuffer + kMaxPuzzleFile;
}

void ReadSolutionState(const char* header)
{
    const int flags = puz::ReadShort(header + puz::kSolutionStateOffset);
    gGame.solutionState = (flags & puz::kSolutionScrambled) ? kSolutionLocked
                          : (flags & puz::kSolutionAbsent)  ? kSolutionMissing
                                                            : kSolutionOpen;
    gGame.scrambledChecksum = puz::ReadShort(header + puz::kScrambledChecksumOffset);
}

// A side of 0 gives an empty 15 x 15 grid that keeps the previous letters; black squares are
// re-marked so entries and solution still agree.
void ParseSizelessGrid()
{
    gGame.width = gGame.height = 15;
    gGame.diagramless = 0;  // no grid to hide
    for (int i = 0; i < 15 * 15; ++i) {
        const bool black = gGame.solution[i] == '.';
        const char e = gGame.entries[i];
        if (black || e == '.' || !(e == '-' || (e >= 'A' && e <= 'Z')))
            gGame.entries[i] = black ? '.' : '-';
    }
    ReadPuzzleSections(nullptr, nullptr, false);
    gGame.solved = 0;
}

// Diagramless files mark black squares with ":"; the game plays them as ".".
void ReadSolution(const char* grid)
{
    const int n = gGame.width * gGame.height;
    gCellsUsed = n;
    for (int i = 0; i < n; ++i)
        gGame.solution[i] = grid[i] == ':' ? '.' : grid[i];
}

// Restored entries belong to this puzzle when they were saved for a grid of its size and
// agree with it on every black square; anything else would break the grid's invariants. In a
// diagramless puzzle the entries' "." are the blocks the player placed, wherever they are.
bool RestoredPlayFits(const RestoredPlay& play)
{
    if (play.width != gGame.width || play.height != gGame.height)
        return false;
    if (gGame.diagramless)
        return true;
    for (int i = 0; i < gGame.width * gGame.height; ++i) {
        if ((gGame.solution[i] == '.') != (play.entries[i] == '.'))
            return false;
    }
    return true;
}

// The cursor where the restored play left it, when that square is open; false otherwise (an
// older record kept no cursor).
bool RestoreCursor(const RestoredPlay& play)
{
    if (play.cursorRow < 0 || play.cursorRow >= gGame.height || play.cursorCol < 0 ||
        play.cursorCol >= gGame.width)
        return false;
    const int square = play.cursorRow * gGame.width + play.cursorCol;
    if (gGame.entries[square] == '.' && !gGame.diagramless)
        return false;
    gGame.direction = play.cursorDirection == kDown ? kDown : kAcross;
    SetCursorToCell(square);
    return true;
}

// The entries the puzzle starts with: the restored play when it fits, otherwise the letters
// of the file's `fill` grid (another program's play, or letters the puzzle gives), its rebus
// entries following with the sections. True when the play was restored.
bool TakeEntries(const RestoredPlay* play, const char* fill)
{
    const int n = gGame.width * gGame.height;
    if (play && RestoredPlayFits(*play)) {
        std::memcpy(gGame.entries, play->entries, size_t(n));
        std::memcpy(gGame.playerRebus, play->playerRebus, sizeof gGame.playerRebus);
        std::memcpy(gGame.playerMarks, play->playerMarks, sizeof gGame.playerMarks);
        return true;
    }
    // Black squares are the solution's, whatever the fill grid says; a "." the fill grid puts
    // in an open square would make it black. A diagramless grid starts all open: its fill
    // grid marks the hidden blocks, which are for the player to find.
    for (int i = 0; i < n; ++i) {
        const bool fillBlock = fill[i] == '.' || (gGame.diagramless && fill[i] == ':');
        gGame.entries[i] = gGame.solution[i] == '.' && !gGame.diagramless ? '.'
                           : fillBlock                                    ? '-'
                                                                          : fill[i];
    }
    std::memset(gGame.playerRebus, 0, sizeof gGame.playerRebus);
    std::memset(gGame.playerMarks, 0, sizeof gGame.playerMarks);
    return false;
}

// Title, author and copyright, the three strings after the grids, joined by line breaks.
// Returns the string after them: the first clue.
const char* ReadHeaderLine(const char* s)
{
    int length = 0;
    gGame.headerLine[0] = 0;
    for (int part = 0; part < 3; ++part) {
        if (part > 0)
            AppendHeader(&length, "\n");
        AppendHeader(&length, s);
        s = NextString(s);
    }
    return s;
}

// The grid decides how many strings are clues, empty ones included; the string after the last
// clue is the notes, kept as one more entry when it is not empty. Then the extra sections, for
// entries `restored` from the progress or not.
void ReadCluesNotesAndSections(const char* s, bool restored)
{
    const int words = NumberGrid(gGame.solution);
    gWordRowsUsed = words < kMaxWords ? words : kMaxWords;
    for (int k = 0; k < words; ++k) {
        gGame.clueTexts[k] = s;
        s = NextString(s);
    }
    gGame.clueCount = words;
    const char* end = gGame.fileBuffer + gGame.fileSize;
    if (s < end)
        gGame.notes = s;
    ReadPuzzleSections(s < end ? NextString(s) : end, end, restored);
    if (*gGame.notes && words < kMaxClues)
        gGame.clueTexts[words] = gGame.notes;
}

}  // namespace

void ParsePuzzle(const RestoredPlay* play)
{
    ClearGridTables();
    const char* header = gGame.fileBuffer + gGame.headerOffset;
    ReadSolutionState(header);
    gGame.diagramless =
        puz::ReadShort(header + puz::kPuzzleTypeOffset) == puz::kPuzzleTypeDiagramless;
    const int width = static_cast<signed char>(header[puz::kWidthOffset]);
    if (width <= 0) {
        ParseSizelessGrid();
        return;
    }
    gGame.width = width;
    gGame.height = static_cast<signed char>(header[puz::kHeightOffset]);
    const char* grid = header + puz::kGridOffset;
    const int n = width * gGame.height;
    ReadSolution(grid);
    const bool restored = TakeEntries(play, grid + n);
    // A solution the player opened earlier opens again with the key kept in the progress.
    gGame.unlockKey = -1;
    if (restored && play->unlockKey >= 0)
        UnlockSolution(play->unlockKey);
    EmptyUnplayableEntries();
    ReadCluesNotesAndSections(ReadHeaderLine(grid + 2 * n), restored);
    if (gGame.diagramless) {
        MeasureWords();
        KeepFileWords();  // the player's layout takes the word tables from here on
    }
    // The time spent comes from the progress when the letters do; a first opening starts from
    // the file's own timer (LTIM, read with the sections).
    if (restored && play->timerSeconds >= 0)
        StartClock(play->timerSeconds, ClockStoppedInFile());
    gGame.solved = PuzzleSolved();
    // A puzzle paused when it was left comes back hidden behind the pause, as it went.
    if (restored && play->paused && !gGame.solved)
        RestoreClockPause(true);
    ResetUndoHistory();
    if (!(restored && RestoreCursor(*play)))
        SetCursorToFirstSquare();
    if (!MeasureWords())
        MessageBoxW(nullptr, u"Wow Bummer", u"Bummer", MB_OK);
}

int NumberLayout(const char* layout)
{
    const int n = gGame.width * gGame.height;
    std::memset(gGame.cells, 0xFF, sizeof(CellInfo) * size_t(n));
    std::memset(gGame.acrossClues, 0xFF, sizeof(ClueEntry) * size_t(gWordRowsUsed));
    std::memset(gGame.downClues, 0xFF, sizeof(ClueEntry) * size_t(gWordRowsUsed));
    const int words = NumberGrid(layout);
    gCellsUsed = n > gCellsUsed ? n : gCellsUsed;
    gWordRowsUsed = words < kMaxWords ? words : kMaxWords;
    MeasureWords();
    return words;
}

bool MeasureWords()
{
    const int w = gGame.width;
    const int h = gGame.height;
    int row = 0;
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w;) {
            const int clue = gGame.cells[r * w + c].acrossClue;
            int run = 1;
            while (clue != -1 && c + run < w && gGame.cells[r * w + c + run].acrossClue == clue)
                ++run;
            if (clue != -1 && row < kMaxWords)
                gGame.acrossClues[row++].length = run;
            c += run;
        }
    }
    int downRows = 0;
    while (downRows < kMaxWords && gGame.downClues[downRows].clueIndex != -1)
        ++downRows;
    for (int c = 0; c < w; ++c) {
        for (int r = 0; r < h;) {
            const int clue = gGame.cells[r * w + c].downClue;
            int run = 1;
            while (clue != -1 && r + run < h && gGame.cells[(r + run) * w + c].downClue == clue)
                ++run;
            if (clue != -1) {
                if (ClueEntry* entry = FindDownRow(downRows, clue))
                    entry->length = run;
            }
            r += run;
        }
    }
    return h >= 1 && w >= 1;
}
