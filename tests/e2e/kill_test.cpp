// The game killed with SIGKILL at a hundred random moments of a scripted session: letters and
// rebus entries typed into squares tapped at every magnification, Check from the menu bar and
// from the main menu (the puzzle, the word, the letter), Puzzle Information and the clue list
// opened and closed, Open File of the other puzzle through its dialog, hand-overs by a second
// start, magnification changes. A kill may come between any two steps, so with a menu, a
// dialog or a rebus entry open too. After each kill the game starts again on the same device,
// and the progress files must hold every letter typed more than a second before the kill, in
// the right puzzle, whole records only, the clock short by at most its last second, and no
// temporary file left after the start.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <thread>

#include "game_state.h"
#include "progress_file.h"
#include "puzzle_image.h"
#include "real_window_fixture.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kKills = 100;
constexpr int kSide = 15;
constexpr int kGridTop = 26;      // the grid view starts under the 26-pixel navigation bar
constexpr int kViewBottom = 268;  // and ends where the clue bar starts
constexpr int kViewWidth = 240;
constexpr Rgb kBlack = {0x00, 0x00, 0x00};
// Every letter typed this long before the kill must be on disk. A letter's time is taken just
// before xdotool is started to send it, so the key reaches the game later than that: each
// letter is held to a deadline a little earlier than the game's own, and no slack is needed.
constexpr auto kSavedAfter = std::chrono::milliseconds(1000);
// The clock's second is written at its tick, so a record may lag the time the clock ran by
// just under a second, and by the few milliseconds of the tick's write (its flushes
// included) when the kill comes during it. The test measures that time from outside, from
// when the window was found to when the kill was reaped: the reap adds a millisecond or two,
// the timer of a busy game fires a little late. A tenth of a second covers those. The window
// shows only once the clock's timer is set, and is found some tens of milliseconds later (a
// 30 ms poll of a 50 ms xdotool search), so the measure errs, if at all, on the lenient side
// by about as much; a record a whole second behind, as when the tick's time waited for the
// next save, is far outside.
constexpr double kClockLagSeconds = 1.1;

// Menu bar buttons (y = 307) and the items of the pop-ups they open upwards.
constexpr int kBarY = 307;
constexpr int kMainMenuX = 10, kCheckX = 38, kOpenX = 90, kClueListX = 112, kZoomX = 133;
constexpr int kMenuItemX = 40, kCheckItemY = 90, kPuzzleInfoY = 216;
constexpr int kSubItemX = 130;  // the Check submenu: Letter, Word, Puzzle, from kCheckItemY down
constexpr int kZoomItemX = 150, kSmallY = 248;  // Small, Medium, Large, 18 pixels apart
constexpr int kItemStep = 18;
constexpr int kFirstFileY = 110, kFileStep = 15;  // the Open File list, by name
constexpr DeviceRect kSubMenuArea = {96, 80, 166, 136};

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A 15 x 15 puzzle whose only black square is (row, col), written outside the device. Its
// solution is all E, a letter the session never types, so every Check finds wrong letters.
void WritePuzzleAt(const std::string& path, int row, int col, const char* title)
{
    std::vector<std::string> rows(kSide, std::string(kSide, 'E'));
    rows[size_t(row)][size_t(col)] = '.';
    PuzzleImage image = MakePuzzle(rows);
    image.title = title;
    AddClues(&image);
    const std::string bytes = Bytes(image);
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// One progress record read back: false when the file is missing, torn or untrusted.
struct Record {
    std::u16string puzzle;
    RestoredPlay play;
};
bool ReadRecord(const std::string& path, Record* out)
{
    const std::string bytes = ReadWhole(path);
    ResetGameState();
    if (bytes.size() != size_t(kProgressRecordSize) ||
        !ApplyProgressRecord(reinterpret_cast<const unsigned char*>(bytes.data()),
                             int(bytes.size()), &out->play))
        return false;
    out->puzzle = gGame.puzzlePath;
    return true;
}

// What a record holds in one square: a letter, a rebus, or nothing.
std::string SquareText(const Record& record, int square)
{
    const char* rebus = record.play.playerRebus[square];
    if (rebus[0] && rebus[1])
        return rebus;
    const char letter = record.play.entries[square];
    return letter == '-' ? std::string() : std::string(1, letter);
}

// What the session did to one square: the text put there and when the key that put it there
// was about to be sent.
struct Typed {
    std::string text;  // one letter, or a rebus
    Clock::time_point sent;
};

// The two puzzles the session plays, by their device paths once the game has copied them in.
// Their black squares are where every magnification shows them at every scroll (Large shows
// rows 5 to 9 and columns 6 to 9 of a 15 x 15 grid whatever its scroll), so the view can be
// read off the screen at any moment.
struct Played {
    std::string host;          // the file outside the device handed to the game
    std::u16string device;     // where the game keeps it
    std::string progressHost;  // its own progress file, on the host
    int blackRow, blackCol;
    int listLine;  // its line in Open File's list, which is sorted by name
    std::map<int, Typed> squares;
};

// Where the session was when the kill came.
enum Moment {
    kAfterTap,
    kAfterLetter,
    kInRebusEntry,
    kAfterRebus,
    kInMenu,
    kAfterCheck,
    kInDialog,
    kAfterDialog,
    kInOpenFile,
    kAfterOpenFile,
    kAfterHandOver,
    kAfterZoom,
    kMomentKinds
};
constexpr const char* kMomentNames[kMomentKinds] = {
    "a tap",        "a letter",     "in a rebus entry", "a rebus",
    "in a menu",    "a Check",      "in a dialog",      "a dialog",
    "in Open File", "an Open File", "a hand-over",      "a magnification"};

// The grid view as the screen shows it: the cell size and the scroll offsets.
struct View {
    int cell = 0;  // 0: unknown since the last step that may have moved the view
    int scrollX = 0;
    int scrollY = 0;
};

// The view, read from where the puzzle's black square is drawn: the largest all-black square
// of the grid view is it with its grid lines, a cell and a pixel on each side.
bool ReadView(const Screenshot& s, const Played& on, View* view)
{
    constexpr int kHeight = kViewBottom - kGridTop;
    std::vector<int> side(size_t(kViewWidth * kHeight), 0);  // of the black square ending here
    int best = 0, bestX = 0, bestY = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kViewWidth; ++x) {
            if (PixelAt(s, x * s.scale, (kGridTop + y) * s.scale) != kBlack)
                continue;
            const auto at = [&](int dx, int dy) {
                return x + dx < 0 || y + dy < 0 ? 0 : side[size_t((y + dy) * kViewWidth + x + dx)];
            };
            const int here = 1 + std::min({at(-1, 0), at(0, -1), at(-1, -1)});
            side[size_t(y * kViewWidth + x)] = here;
            if (here > best) {
                best = here;
                bestX = x;
                bestY = y;
            }
        }
    }
    const int cell = best - 1;
    if (cell != 16 && cell != 20 && cell != 24)
        return false;
    view->cell = cell;
    view->scrollX = on.blackCol * cell - (bestX - cell);
    view->scrollY = on.blackRow * cell - (bestY - cell);
    return view->scrollX >= 0 && view->scrollY >= 0;
}

// The menu bar's buttons show while the main window is in front, a menu open or not; a box
// or a dialog hides them. The folder of Open is yellow.
bool BarShown(const Screenshot& s)
{
    return ShareOf(s, {87, 305, 96, 308}, {0xFF, 0xFF, 0x00}) > 0.9;
}
// A box over the grid: the bar grey without its buttons. Open File fills the screen white.
bool BoxShown(const Screenshot& s)
{
    return ShareOf(s, {87, 305, 96, 308}, {0xC0, 0xC0, 0xC0}) > 0.9;
}
bool OpenFileShown(const Screenshot& s)
{
    return ShareOf(s, {87, 305, 96, 308}, {0xFF, 0xFF, 0xFF}) > 0.9;
}
// A drop-down button looks pressed, its top left edge dark grey, while its menu is open.
bool MainMenuOpen(const Screenshot& s)
{
    return ShareOf(s, {2, 300, 3, 301}, {0x80, 0x80, 0x80}) > 0.9;
}
bool ZoomMenuOpen(const Screenshot& s)
{
    return ShareOf(s, {124, 300, 125, 301}, {0x80, 0x80, 0x80}) > 0.9;
}

// A letter other than E, the solution of every square, so every Check finds it wrong.
char NotTheSolution(std::mt19937& random)
{
    const char letter = char('A' + random() % 25);
    return letter == 'E' ? 'Z' : letter;
}

// The X key name of a capital letter: its small letter, typed without Shift.
std::string KeyOf(char letter)
{
    return std::string(1, char(letter - 'A' + 'a'));
}

bool Due(Clock::time_point killAt)
{
    return Clock::now() >= killAt;
}

// Polls the state file until it names `puzzle`; true at once when the kill is due first.
bool WaitForStateNaming(const std::string& stateHost, const std::u16string& puzzle,
                        Clock::time_point killAt)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline && !Due(killAt)) {
        Record state;
        if (ReadRecord(stateHost, &state) && state.puzzle == puzzle)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return Due(killAt);
}

class KillTest : public RealWindowTest {
  protected:
    // The view once the window has drawn what it was given.
    bool LearnView(const Played& on, View* view)
    {
        Screenshot shot;
        if (!WaitForStill(&shot))
            return false;
        const bool read = ReadView(shot, on, view);
        EXPECT_TRUE(read) << "no black square of " << on.host << " in " << scratch
                          << "/shot-*.ppm (the last)";
        return read;
    }

    // Taps a square the view shows whole, other than the black one; false when the view
    // could not be read. A magnified view may scroll after the tap.
    bool TapASquare(Played& on, View* view, std::mt19937& random, int* square)
    {
        if (view->cell == 0 && !LearnView(on, view))
            return false;
        const int c = view->cell;
        int row, col, x, y;
        do {
            row = int(random() % kSide);
            col = int(random() % kSide);
            x = col * c - view->scrollX;
            y = kGridTop + row * c - view->scrollY;
        } while ((row == on.blackRow && col == on.blackCol) || x < 0 || x + c > kViewWidth ||
                 y < kGridTop || y + c > kViewBottom);
        *square = row * kSide + col;
        if (c != 16)
            view->cell = 0;
        return Tap(x + c / 2, y + c / 2);
    }

    // Waits for a picture that `shows` accepts; it goes into *shot when one is given.
    bool WaitFor(const char* what, const std::function<bool(const Screenshot&)>& shows,
                 Screenshot* shot = nullptr)
    {
        Screenshot last;
        return WaitForScreen(what, shows, shot ? shot : &last);
    }

    Moment TypeALetter(Played& on, View* view, std::mt19937& random, Clock::time_point killAt)
    {
        int square;
        if (!TapASquare(on, view, random, &square) || Due(killAt))
            return kAfterTap;
        const std::string text(1, NotTheSolution(random));
        const Clock::time_point sent = Clock::now();
        Key(KeyOf(text[0]));
        on.squares[square] = {text, sent};
        return kAfterLetter;
    }

    // Insert opens the rebus entry, which starts with what the square holds and adds to it;
    // Return puts it in the square.
    Moment TypeARebus(Played& on, View* view, std::mt19937& random, Clock::time_point killAt)
    {
        int square;
        if (!TapASquare(on, view, random, &square) || Due(killAt))
            return kAfterTap;
        const std::string text = {NotTheSolution(random), NotTheSolution(random)};
        Keys({"Insert", KeyOf(text[0]), KeyOf(text[1])});
        if (Due(killAt))
            return kInRebusEntry;
        const auto held = on.squares.find(square);
        const std::string now =
            held != on.squares.end() ? (held->second.text + text).substr(0, 16) : text;
        const Clock::time_point sent = Clock::now();
        Key("Return");
        on.squares[square] = {now, sent};
        return kAfterRebus;
    }

    // Check of the puzzle from the menu bar's button or the main menu, or of the word or the
    // letter from the main menu. Only a puzzle with no letter yet answers with a box (no
    // letter typed is right); Return closes it.
    Moment Check(const Played& on, std::mt19937& random, Clock::time_point killAt,
                 bool* clockSteady)
    {
        const int which = int(random() % 4);  // the button, then Letter, Word, Puzzle
        if (which == 0) {
            Tap(kCheckX, kBarY);
        } else {
            Screenshot menu;
            if (!Tap(kMainMenuX, kBarY) || !WaitFor("the main menu", MainMenuOpen, &menu) ||
                Due(killAt))
                return kInMenu;
            if (!Tap(kMenuItemX, kCheckItemY) ||
                !WaitFor("the Check submenu",
                         [&](const Screenshot& s) { return Differs(menu, s, kSubMenuArea); }) ||
                Due(killAt))
                return kInMenu;
            Tap(kSubItemX, kCheckItemY + (which - 1) * kItemStep);
        }
        const bool letters = std::any_of(on.squares.begin(), on.squares.end(),
                                         [](const auto& s) { return !s.second.text.empty(); });
        if ((which != 0 && which != 3) || letters) {
            if (which != 0)
                WaitFor("the main menu closed",
                        [](const Screenshot& s) { return !MainMenuOpen(s); });
            return kAfterCheck;
        }
        *clockSteady = false;
        if (!WaitFor("the checker's box", BoxShown) || Due(killAt))
            return kInDialog;
        Key("Return");
        WaitFor("the checker's box closed", BarShown);
        return kAfterCheck;
    }

    // Puzzle Information from the main menu (a box, as the puzzles have no notes), or the
    // clue list from the menu bar, each closed again.
    Moment OpenADialog(std::mt19937& random, Clock::time_point killAt, bool* clockSteady)
    {
        *clockSteady = false;
        if (random() % 2) {
            if (!Tap(kMainMenuX, kBarY) || !WaitFor("the main menu", MainMenuOpen) || Due(killAt))
                return kInMenu;
            if (!Tap(kMenuItemX, kPuzzleInfoY) || !WaitFor("Puzzle Information", BoxShown) ||
                Due(killAt))
                return kInDialog;
            Key("Return");
        } else {
            if (!Tap(kClueListX, kBarY) ||
                !WaitFor("the clue list", [](const Screenshot& s) { return !BarShown(s); }) ||
                Due(killAt))
                return kInDialog;
            Tap(228, 12);  // the navigation bar's ok
        }
        WaitFor("the dialog closed", BarShown);
        return kAfterDialog;
    }

    // Open File, a tap on the other puzzle's line, Yes to the question.
    Moment OpenTheOther(const Played& other, Clock::time_point killAt, bool* clockSteady)
    {
        *clockSteady = false;
        if (!Tap(kOpenX, kBarY) || !WaitFor("Open File", OpenFileShown) || Due(killAt))
            return kInOpenFile;
        if (!Tap(60, kFirstFileY + other.listLine * kFileStep) ||
            !WaitFor("the question before the opening", BoxShown) || Due(killAt))
            return kInOpenFile;
        Key("Return");
        WaitFor("the puzzle opened", BarShown);
        return kAfterOpenFile;
    }

    // The magnification drop-down and one of its three items, perhaps the one in use.
    Moment Magnify(std::mt19937& random, Clock::time_point killAt)
    {
        if (!Tap(kZoomX, kBarY) || !WaitFor("the magnification menu", ZoomMenuOpen) || Due(killAt))
            return kInMenu;
        // Small half of the time, so that most letters are typed without a picture first.
        const int item = random() % 2 ? 0 : 1 + int(random() % 2);
        Tap(kZoomItemX, kSmallY + item * kItemStep);
        WaitFor("the magnification menu closed",
                [](const Screenshot& s) { return !ZoomMenuOpen(s); });
        return kAfterZoom;
    }

    // Temporary files of whole-file writes anywhere on the device.
    std::vector<std::string> TemporaryFiles() const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(deviceRoot)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("~", 0) == 0 && entry.path().extension() == ".tmp")
                found.push_back(entry.path().string());
        }
        return found;
    }
};

TEST_F(KillTest, EveryLetterTypedASecondBeforeADeathComesBack)
{
    const char* seedText = std::getenv("CROSSWORD_KILL_SEED");
    const unsigned seed =
        seedText ? unsigned(std::strtoul(seedText, nullptr, 10)) : unsigned(std::random_device{}());
    std::printf("kill test seed %u (CROSSWORD_KILL_SEED repeats it)\n", seed);
    std::mt19937 random(seed);
    const auto chance = [&](int below) { return int(random() % unsigned(below)); };

    Played puzzles[2] = {
        {scratch + "/Elsewhere/Alpha.puz",
         u"\\My Documents\\Alpha.puz",
         deviceRoot + "/My Documents/Alpha.dat",
         7,
         7,
         0,
         {}},
        {scratch + "/Elsewhere/Beta.puz",
         u"\\My Documents\\Beta.puz",
         deviceRoot + "/My Documents/Beta.dat",
         6,
         8,
         1,
         {}},
    };
    WritePuzzleAt(puzzles[0].host, puzzles[0].blackRow, puzzles[0].blackCol, "Alpha");
    WritePuzzleAt(puzzles[1].host, puzzles[1].blackRow, puzzles[1].blackCol, "Beta");
    ASSERT_TRUE(StartProgram("crossword", {puzzles[0].host}));
    ASSERT_TRUE(RunAgain("crossword", {puzzles[1].host}, 20000));
    ASSERT_TRUE(RunAgain("crossword", {puzzles[0].host}, 20000));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int current = 0;
    const std::string stateHost = deviceRoot + "/Program Files/Crossword/crossword.dat";

    // Squares checked at the kill that followed their typing, and the others: checked again
    // at every later kill, or typed within the last second and so not held to it.
    int freshChecked = 0, laterChecked = 0, recentTyped = 0, recentKept = 0;
    int clocksChecked = 0, leftTemporaries = 0;
    double largestClockLag = 0;
    int moments[kMomentKinds] = {};
    for (int kill = 0; kill < kKills && !HasFatalFailure(); ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const Clock::time_point launched = Clock::now();
        if (kill > 0) {
            ASSERT_TRUE(StartProgram("crossword"));
            const std::vector<std::string> left = TemporaryFiles();
            leftTemporaries += int(left.size());
            EXPECT_TRUE(left.empty()) << "left after the start: " << left[0];
        }
        const Clock::time_point shown = Clock::now();
        // Input sent the moment the window maps was once seen lost; the session starts on
        // the picture the start drew, as a player would.
        Screenshot settled;
        ASSERT_TRUE(WaitForStill(&settled));
        Record before;
        const bool stateRead = ReadRecord(stateHost, &before);
        // Small shows the whole grid unscrolled: no picture is needed to know where it is.
        View view;
        if (stateRead && MagnificationIndex(gGame.settings) == kSmall)
            view.cell = 16;
        // The first session's clock has run for a part of a second already when it starts.
        const bool clockKnown = kill > 0 && stateRead && before.puzzle == puzzles[current].device;
        bool clockSteady = true;  // no dialog nor opening: the clock ran the whole session
        Moment last = kAfterTap;
        const Clock::time_point killAt = shown + std::chrono::milliseconds(200 + chance(2400));
        while (!Due(killAt) && !HasFailure()) {
            const int action = chance(100);
            Played& on = puzzles[current];
            if (action < 50) {
                last = TypeALetter(on, &view, random, killAt);
            } else if (action < 60) {
                last = TypeARebus(on, &view, random, killAt);
            } else if (action < 70) {
                last = Check(on, random, killAt, &clockSteady);
            } else if (action < 78) {
                last = Magnify(random, killAt);
                view.cell = 0;
            } else if (action < 85) {
                last = OpenADialog(random, killAt, &clockSteady);
            } else if (action < 93) {
                current = 1 - current;
                last = OpenTheOther(puzzles[current], killAt, &clockSteady);
                view.cell = 0;
            } else {
                current = 1 - current;
                ASSERT_TRUE(RunAgain("crossword", {puzzles[current].host}, 20000));
                clockSteady = false;
                // The running game opens a handed-over file from a timer a moment later, and
                // names it in the state file at once: keys sent before would go to the puzzle
                // left.
                EXPECT_TRUE(WaitForStateNaming(stateHost, puzzles[current].device, killAt));
                view.cell = 0;
                last = kAfterHandOver;
            }
            // A magnified view may have scrolled; Small never scrolls.
            if (view.cell != 16)
                view.cell = 0;
        }
        KillProgram();
        const Clock::time_point killed = Clock::now();
        ++moments[last];

        Record state;
        ASSERT_TRUE(ReadRecord(stateHost, &state)) << "the state file is missing or torn";
        for (Played& p : puzzles) {
            Record own;
            const bool inState = state.puzzle == p.device;
            const bool ownRead = ReadRecord(p.progressHost, &own);
            EXPECT_TRUE(ownRead || !fs::exists(p.progressHost)) << p.progressHost << " is torn";
            const Record* record = inState ? &state : ownRead ? &own : nullptr;
            for (auto& [square, typed] : p.squares) {
                const std::string found = record ? SquareText(*record, square) : std::string();
                const bool fresh = typed.sent != Clock::time_point();
                if (fresh && killed - typed.sent < kSavedAfter) {
                    ++recentTyped;
                    recentKept += found == typed.text;
                } else {
                    ++(fresh ? freshChecked : laterChecked);
                    EXPECT_EQ(found, typed.text)
                        << "square " << square << " of " << p.host << ", typed "
                        << std::chrono::duration_cast<std::chrono::milliseconds>(killed -
                                                                                 typed.sent)
                               .count()
                        << " ms before the kill, " << kMomentNames[last];
                }
                // What is on disk is what the next session starts from.
                typed = {found, Clock::time_point()};
            }
        }
        current = state.puzzle == puzzles[1].device ? 1 : 0;
        if (clockKnown && clockSteady && state.puzzle == before.puzzle &&
            before.play.timerSeconds >= 0) {
            ++clocksChecked;
            const double ran = std::chrono::duration<double>(killed - shown).count();
            const double counted = state.play.timerSeconds - before.play.timerSeconds;
            largestClockLag = std::max(largestClockLag, ran - counted);
            EXPECT_LE(ran - counted, kClockLagSeconds)
                << "the clock lost more than its last second: " << counted << " s of " << ran;
            EXPECT_LE(counted, std::chrono::duration<double>(killed - launched).count())
                << "the clock counted time that did not pass";
        }
    }
    ASSERT_TRUE(StartProgram("crossword"));
    leftTemporaries += int(TemporaryFiles().size());
    EXPECT_TRUE(TemporaryFiles().empty());
    KillProgram();
    std::string kinds;
    for (int k = 0; k < kMomentKinds; ++k)
        kinds += std::string(k ? ", " : "") + kMomentNames[k] + " " + std::to_string(moments[k]);
    std::printf("kills %d, by the last step before each: %s\n"
                "squares typed more than a second before the kill that followed, all checked: "
                "%d; checked again at later kills: %d; typed within the last second: %d, of "
                "them on disk anyway: %d\n"
                "clocks checked %d, the largest lag %.2f s; temporary files left %d\n",
                kKills, kinds.c_str(), freshChecked, laterChecked, recentTyped, recentKept,
                clocksChecked, largestClockLag, leftTemporaries);
}

}  // namespace
