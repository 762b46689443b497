// The game in a real window: a tap on the starter puzzle and a typed word must show on the
// screen, Exit from the main menu must end the program with 0, the saved state must hold the
// word (read back with the game's own record reader), and the next start must show it again.
// A puzzle named on the command line opens at once (its grid on the screen, its title in
// Puzzle Information), and a second start with another one switches the running game to it.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "game_state.h"
#include "progress_file.h"
#include "puzzle_image.h"
#include "real_window_fixture.h"

namespace {

// Small magnification on a fresh device: 16-pixel squares from the top-left corner of the
// window's client area, which sits under the 26-pixel navigation bar.
constexpr int kCell = 16;
constexpr int kGridTop = 26;

constexpr Rgb kCursorOrange = {0xFF, 0xC8, 0x7D};    // the current square
constexpr Rgb kWordYellow = {0xFF, 0xFF, 0x02};      // the rest of the current word
constexpr Rgb kPaperWhite = {0xFF, 0xFF, 0xFF};      // open squares
constexpr Rgb kBlack = {0x00, 0x00, 0x00};           // black squares
constexpr DeviceRect kClueBar = {0, 268, 240, 292};  // under the grid

// Menu bar: the main menu's button, and Exit, the last item of the pop-up it opens upwards,
// and Puzzle Info, the last item above its two separators.
constexpr int kMenuButtonX = 10, kMenuButtonY = 307;
constexpr int kExitX = 25, kExitY = 284;
constexpr int kPuzzleInfoX = 45, kPuzzleInfoY = 216;
constexpr DeviceRect kMenuItems = {0, 150, 90, 294};
constexpr Rgb kCaptionNavy = {0x00, 0x00, 0x80};  // a dialog's caption

// The inside of a square, without its grid lines.
DeviceRect Inside(int row, int col)
{
    const int left = col * kCell, top = kGridTop + row * kCell;
    return {left + 2, top + 2, left + kCell - 2, top + kCell - 2};
}
int CentreX(int col)
{
    return col * kCell + kCell / 2;
}
int CentreY(int row)
{
    return kGridTop + row * kCell + kCell / 2;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The entries of a fresh start of a .puz file: "." on black squares, "-" elsewhere.
std::string EmptyEntries(const std::string& puzzle)
{
    const int width = (unsigned char)puzzle.at(0x2C), height = (unsigned char)puzzle.at(0x2D);
    std::string entries = puzzle.substr(0x34, size_t(width * height));
    for (char& c : entries)
        c = c == '.' ? '.' : '-';
    return entries;
}

// Where the starter puzzle's squares are, read from the file the game installs, so that the
// tests follow the puzzle when the packs are made again.
struct StarterLayout {
    int firstCol = -1;  // the first open square of row 0: the cursor starts there, Across
    int blackCol = -1;  // a black square of row 0 after that first word
    int wordRow = -1;   // a row whose across word starts in column 0 and has six letters or more
    int quietRow = -1;  // an open square in neither of those two words
    int quietCol = -1;
};

const StarterLayout& Starter()
{
    static const StarterLayout layout = [] {
        StarterLayout l;
        const std::string puzzle = ReadFile(CROSSWORD_STARTER_PUZZLE);
        if (puzzle.size() < 0x34 + 15 * 15)
            return l;
        const std::string grid = puzzle.substr(0x34, 15 * 15);
        const auto open = [&](int row, int col) { return grid[size_t(row * 15 + col)] != '.'; };
        for (int col = 0; col < 15 && l.firstCol < 0; ++col)
            l.firstCol = open(0, col) ? col : -1;
        for (int col = l.firstCol + 1; col < 15 && l.blackCol < 0; ++col)
            l.blackCol = open(0, col) ? -1 : col;
        for (int row = 1; row < 15 && l.wordRow < 0; ++row) {
            int length = 0;
            while (length < 15 && open(row, length))
                ++length;
            l.wordRow = length >= 6 ? row : -1;
        }
        for (int row = 1; row < 15 && l.quietRow < 0; ++row) {
            for (int col = 1; col < 15 && row != l.wordRow && l.quietRow < 0; ++col) {
                if (open(row, col)) {
                    l.quietRow = row;
                    l.quietCol = col;
                }
            }
        }
        return l;
    }();
    return layout;
}

bool StarterLayoutKnown()
{
    const StarterLayout& l = Starter();
    return l.firstCol >= 0 && l.blackCol >= 0 && l.wordRow >= 0 && l.quietRow >= 0;
}

// The grid and the clue bar are drawn: a window that is still blank, black or white, fails.
bool StarterPuzzleShown(const Screenshot& s)
{
    const StarterLayout& l = Starter();
    return ShareOf(s, Inside(0, l.blackCol), kBlack) > 0.9 &&
           ShareOf(s, Inside(l.quietRow, l.quietCol), kPaperWhite) > 0.9 &&
           DarkPixels(s, kClueBar) > 50 && ShareOf(s, kClueBar, kPaperWhite) > 0.5;
}

// The play of the last state file read.
RestoredPlay gPlay;

// The state file the game left, read with its own record reader: the path into gGame, the play
// into gPlay.
bool ReadStateFile(const std::string& deviceRoot)
{
    const std::string record = ReadFile(deviceRoot + "/Program Files/Crossword/crossword.dat");
    ResetGameState();
    return record.size() == size_t(kProgressRecordSize) &&
           ApplyProgressRecord(reinterpret_cast<const unsigned char*>(record.data()),
                               int(record.size()), &gPlay);
}

// A 15 × 15 puzzle whose only black square is (row, col), as a file outside the device.
std::string WriteOneBlackPuzzle(const std::string& path, int row, int col, const char* title)
{
    std::vector<std::string> rows(15, std::string(15, 'E'));
    rows[size_t(row)][size_t(col)] = '.';
    PuzzleImage image = MakePuzzle(rows);
    image.title = title;
    AddClues(&image);
    const std::string bytes = Bytes(image);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    return bytes;
}

// The puzzle of WriteOneBlackPuzzle(row, col) is on the screen: that square black, the other
// test puzzle's black square open, and the starter puzzle's black square of row 0 gone.
bool OneBlackPuzzleShown(const Screenshot& s, int row, int col)
{
    const int other = row == 7 ? 1 : 7;
    return ShareOf(s, Inside(row, col), kBlack) > 0.9 &&
           ShareOf(s, Inside(other, other), kPaperWhite) > 0.9 &&
           ShareOf(s, Inside(0, Starter().blackCol), kBlack) < 0.1;
}

// The first line of text in the dialog shown over the grid, whose size follows its text: the
// rows under its caption (found down the middle of the screen, below the navigation bar),
// between its borders. Empty when no dialog shows.
DeviceRect FirstDialogLine(const Screenshot& s)
{
    const auto at = [&](int x, int y) { return PixelAt(s, x * s.scale, y * s.scale); };
    constexpr int kMiddle = 120, kLowest = 300;
    // A caption row, its white letters included.
    const auto caption = [&](int y) { return ShareOf(s, {100, y, 140, y + 1}, kCaptionNavy) > 0; };
    int top = kGridTop + 4;
    while (top < kLowest && !caption(top))
        ++top;
    int bottom = top;
    while (bottom < kLowest && caption(bottom))
        ++bottom;
    if (top >= kLowest || bottom >= kLowest)
        return {};
    const int blank = bottom + 3;  // the margin above the text
    int left = kMiddle, right = kMiddle;
    while (left > 0 && at(left - 1, blank) == kPaperWhite)
        --left;
    while (right < 240 && at(right, blank) == kPaperWhite)
        ++right;
    return {left, blank, right, blank + 18};
}

bool DialogShown(const Screenshot& s)
{
    const DeviceRect line = FirstDialogLine(s);
    return line.right - line.left > 50;
}

class GameWindowTest : public RealWindowTest {
  protected:
    // Opens Puzzle Information from the main menu and gives the ink of the title line; OK
    // closes it again. -1 when the dialog did not come or go.
    int TitleInkOfPuzzleInformation()
    {
        Screenshot before, shot;
        if (!Shoot(&before) || !Tap(kMenuButtonX, kMenuButtonY) ||
            !WaitForScreen(
                "the main menu",
                [&](const Screenshot& s) { return Differs(before, s, kMenuItems); }, &shot) ||
            !Tap(kPuzzleInfoX, kPuzzleInfoY) ||
            !WaitForScreen("Puzzle Information", DialogShown, &shot))
            return -1;
        const int ink = DarkPixels(shot, FirstDialogLine(shot));
        if (!Key("Return") || !WaitForScreen(
                                  "Puzzle Information closed",
                                  [](const Screenshot& s) { return !DialogShown(s); }, &shot))
            return -1;
        return ink;
    }
};

TEST_F(GameWindowTest, APuzzleNamedOnTheCommandLineOpensAndASecondStartSwitchesToAnother)
{
    const std::string one = scratch + "/Downloads/Sunday Puzzle.puz";
    const std::string two = scratch + "/Elsewhere/Sunday Puzzle.puz";  // another file, one name
    // Titles told apart by their ink: a line of capitals, and two thin letters.
    const std::string oneBytes = WriteOneBlackPuzzle(one, 7, 7, "MMMMMMMMMMMMMMMM");
    const std::string twoBytes = WriteOneBlackPuzzle(two, 1, 1, "il");

    ASSERT_TRUE(StartProgram("crossword", {one}));
    Screenshot shot;
    ASSERT_TRUE(WaitForScreen(
        "the puzzle named on the command line",
        [](const Screenshot& s) { return OneBlackPuzzleShown(s, 7, 7); }, &shot));
    EXPECT_EQ(ReadFile(deviceRoot + "/My Documents/Sunday Puzzle.puz"), oneBytes);
    const int heavyTitle = TitleInkOfPuzzleInformation();
    EXPECT_GT(heavyTitle, 1000) << "the first puzzle's title is not in Puzzle Information";

    // The second start hands its file to the running game and ends with 0 at once.
    ASSERT_TRUE(RunAgain("crossword", {two}, 20000));
    ASSERT_TRUE(WaitForScreen(
        "the puzzle of the second start",
        [](const Screenshot& s) { return OneBlackPuzzleShown(s, 1, 1); }, &shot));
    EXPECT_EQ(ReadFile(deviceRoot + "/My Documents/Sunday Puzzle (2).puz"), twoBytes);
    EXPECT_EQ(ReadFile(deviceRoot + "/My Documents/Sunday Puzzle.puz"), oneBytes);
    const int thinTitle = TitleInkOfPuzzleInformation();
    EXPECT_GT(thinTitle, 0) << "Puzzle Information shows no title";
    EXPECT_LT(thinTitle * 5, heavyTitle) << "Puzzle Information still shows the first title";

    ASSERT_TRUE(Key("ctrl+q"));
    ASSERT_TRUE(WaitForExitWithZero(20000));
    ASSERT_TRUE(ReadStateFile(deviceRoot)) << "crossword.dat missing or torn";
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Sunday Puzzle (2).puz");
}

TEST_F(GameWindowTest, TypedWordShowsIsSavedOnExitAndComesBack)
{
    ASSERT_TRUE(StartProgram("crossword"));
    Screenshot shot;
    ASSERT_TRUE(StarterLayoutKnown()) << "no usable starter puzzle at " CROSSWORD_STARTER_PUZZLE;
    const StarterLayout& l = Starter();
    ASSERT_TRUE(WaitForScreen("the starter puzzle and its first clue", StarterPuzzleShown, &shot));
    // The word the clue bar names is highlighted in the first picture already: the first open
    // square is current, the rest of its across word yellow.
    EXPECT_GT(ShareOf(shot, Inside(0, l.firstCol), kCursorOrange), 0.5) << "no current square";
    EXPECT_GT(ShareOf(shot, Inside(0, l.firstCol + 1), kWordYellow), 0.5) << "no current word";

    // The word row's first square starts an across word of six letters or more; a tap makes
    // it current.
    const int row = l.wordRow;
    ASSERT_TRUE(Tap(CentreX(0), CentreY(row)));
    ASSERT_TRUE(WaitForScreen(
        "the word row's first square current after the tap",
        [&](const Screenshot& s) { return ShareOf(s, Inside(row, 0), kCursorOrange) > 0.5; },
        &shot));
    EXPECT_EQ(ShareOf(shot, Inside(0, l.firstCol), kCursorOrange), 0.0)
        << "the first square kept the cursor";
    EXPECT_GT(ShareOf(shot, Inside(row, 5), kWordYellow), 0.5) << "the word is not highlighted";

    // Letters the solution does not have, so only typing can have put them there.
    ASSERT_TRUE(Type("QUIZ"));
    ASSERT_TRUE(WaitForScreen(
        "the cursor on the fifth square after four letters",
        [&](const Screenshot& s) { return ShareOf(s, Inside(row, 4), kCursorOrange) > 0.5; },
        &shot));
    for (int col = 0; col < 4; ++col) {
        EXPECT_GE(DarkPixels(shot, Inside(row, col)), 30) << "no letter drawn in column " << col;
        EXPECT_GT(ShareOf(shot, Inside(row, col), kWordYellow), 0.3)
            << "column " << col << " lost the word's highlight";
    }
    EXPECT_EQ(DarkPixels(shot, Inside(row, 4)), 0) << "the current square should still be empty";
    EXPECT_EQ(DarkPixels(shot, Inside(row, 5)), 0);
    EXPECT_EQ(DarkPixels(shot, Inside(l.quietRow, l.quietCol)), 0)
        << "a square outside the word got ink";
    EXPECT_GT(ShareOf(shot, Inside(l.quietRow, l.quietCol), kPaperWhite), 0.5);

    // Main menu > Exit, by taps.
    const Screenshot beforeMenu = shot;
    ASSERT_TRUE(Tap(kMenuButtonX, kMenuButtonY));
    ASSERT_TRUE(WaitForScreen(
        "the main menu",
        [&](const Screenshot& s) {
            return Differs(beforeMenu, s, {0, 150, 90, 294});
        },
        &shot));
    ASSERT_TRUE(Tap(kExitX, kExitY));
    ASSERT_TRUE(WaitForExitWithZero(20000));

    ASSERT_TRUE(ReadStateFile(deviceRoot)) << "crossword.dat missing or torn";
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Welcome.puz");
    ASSERT_EQ(gPlay.width, 15);
    ASSERT_EQ(gPlay.height, 15);
    std::string expected = EmptyEntries(ReadFile(deviceRoot + "/My Documents/Welcome.puz"));
    ASSERT_EQ(expected.size(), size_t(15 * 15));
    expected.replace(size_t(row * 15), 4, "QUIZ");
    EXPECT_EQ(std::string(gPlay.entries, 15 * 15), expected);

    // The next start reopens the puzzle with the word; Ctrl+Q ends it, again with 0.
    ASSERT_TRUE(StartProgram("crossword"));
    ASSERT_TRUE(WaitForScreen(
        "the saved word after a restart",
        [&](const Screenshot& s) {
            if (!StarterPuzzleShown(s))
                return false;
            for (int col = 0; col < 4; ++col) {
                if (DarkPixels(s, Inside(row, col)) < 30)
                    return false;
            }
            return true;
        },
        &shot));
    EXPECT_EQ(DarkPixels(shot, Inside(row, 4)), 0);
    ASSERT_TRUE(Key("ctrl+q"));
    ASSERT_TRUE(WaitForExitWithZero(20000));
}

// The X server going away under the game is a close: the game saves what was typed and ends
// with 0, where Xlib's own handling ended it at once, aborting, with nothing saved.
TEST_F(GameWindowTest, AServerThatGoesAwayEndsTheGameAsACloseDoes)
{
    ASSERT_TRUE(StartProgram("crossword"));
    ASSERT_TRUE(StarterLayoutKnown()) << "no usable starter puzzle at " CROSSWORD_STARTER_PUZZLE;
    const int row = Starter().wordRow;
    Screenshot shot;
    ASSERT_TRUE(WaitForScreen("the starter puzzle and its first clue", StarterPuzzleShown, &shot));
    ASSERT_TRUE(Tap(CentreX(0), CentreY(row)));
    ASSERT_TRUE(Type("JINX"));
    ASSERT_TRUE(WaitForScreen(
        "the cursor on the fifth square after four letters",
        [&](const Screenshot& s) { return ShareOf(s, Inside(row, 4), kCursorOrange) > 0.5; },
        &shot));
    EndDisplay();
    ASSERT_TRUE(WaitForExitWithZero(20000));
    ASSERT_TRUE(ReadStateFile(deviceRoot)) << "crossword.dat missing or torn";
    EXPECT_EQ(std::string(gPlay.entries + row * 15, 4), "JINX");
}

}  // namespace
