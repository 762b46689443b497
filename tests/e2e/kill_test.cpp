// The game killed with SIGKILL at a hundred random moments of a scripted session: typing,
// rebus entries, Puzzle Information opened and closed, hand-overs by a second start. After
// each kill the game starts again on the same device, and the progress files must hold every
// letter typed more than a second before the kill, in the right puzzle, whole records only,
// the clock short by at most its last second, and no temporary file left after the start.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
constexpr int kCell = 16;  // small magnification on a fresh device, under the 26-pixel bar
constexpr int kGridTop = 26;
constexpr int kSide = 15;
// A letter reaches the disk a second after the change (the auto-save's timer), plus the time
// the key takes from xdotool to the game and the write with its flushes take on a loaded
// machine sharing two cores: half a second is far above what either costs when idle.
constexpr int kSavedAfterMs = 1000 + 500;
// The clock counts whole seconds and a tick reaches the disk a second after it, so a record
// may lag the true time by up to two seconds, plus the same half second of slack.
constexpr double kClockLagSeconds = 2.5;

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A 15 x 15 puzzle whose only black square is (row, col), written outside the device.
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

// What the session did to one square: the text put there and when the action ended.
struct Typed {
    std::string text;  // one letter, or a rebus
    Clock::time_point at;
};

// The two puzzles the session plays, by their device paths once the game has copied them in.
struct Played {
    std::string host;          // the file outside the device handed to the game
    std::u16string device;     // where the game keeps it
    std::string progressHost;  // its own progress file, on the host
    int blackRow, blackCol;
    std::map<int, Typed> squares;
};

enum Moment { kAfterLetter, kAfterRebus, kAfterDialog, kAfterHandOver, kMomentKinds };

class KillTest : public RealWindowTest {
  protected:
    int CentreX(int col) { return col * kCell + kCell / 2; }
    int CentreY(int row) { return kGridTop + row * kCell + kCell / 2; }

    // Main menu > Puzzle Information, then Return closes it; each step waits a moment, as a
    // player would, rather than for a picture.
    void OpenAndCloseADialog()
    {
        Tap(10, 307);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        Tap(45, 216);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        Key("Return");
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
         {}},
        {scratch + "/Elsewhere/Beta.puz",
         u"\\My Documents\\Beta.puz",
         deviceRoot + "/My Documents/Beta.dat",
         3,
         11,
         {}},
    };
    WritePuzzleAt(puzzles[0].host, 7, 7, "Alpha");
    WritePuzzleAt(puzzles[1].host, 3, 11, "Beta");
    ASSERT_TRUE(StartProgram("crossword", {puzzles[0].host}));
    ASSERT_TRUE(RunAgain("crossword", {puzzles[1].host}, 20000));
    ASSERT_TRUE(RunAgain("crossword", {puzzles[0].host}, 20000));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int current = 0;

    int lettersChecked = 0, clocksChecked = 0, leftTemporaries = 0;
    int moments[kMomentKinds] = {};
    for (int kill = 0; kill < kKills && !HasFatalFailure(); ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        if (kill > 0) {
            ASSERT_TRUE(StartProgram("crossword"));
            const std::vector<std::string> left = TemporaryFiles();
            leftTemporaries += int(left.size());
            EXPECT_TRUE(left.empty()) << "left after the start: " << left[0];
        }
        const Clock::time_point shown = Clock::now();
        Record before;
        const bool clockKnown =
            ReadRecord(deviceRoot + "/Program Files/Crossword/crossword.dat", &before) &&
            before.puzzle == puzzles[current].device;
        bool clockSteady = true;  // no hand-over nor dialog: the clock ran the whole session
        Moment last = kAfterLetter;
        const Clock::time_point killAt = shown + std::chrono::milliseconds(200 + chance(2300));
        while (Clock::now() < killAt) {
            const int action = chance(20);
            Played& on = puzzles[current];
            if (action <= 14) {
                int row, col;
                do {
                    row = chance(kSide);
                    col = chance(kSide);
                } while (row == on.blackRow && col == on.blackCol);
                const bool rebus = action == 14;
                const std::string text =
                    rebus ? std::string{char('A' + chance(26)), char('A' + chance(26))}
                          : std::string(1, char('A' + chance(26)));
                Tap(CentreX(col), CentreY(row));
                if (rebus) {
                    Key("Insert");
                    Type(text);
                    Key("Return");
                } else {
                    Type(text);
                }
                // A rebus entry starts with what the square holds and adds to it.
                const auto held = on.squares.find(row * kSide + col);
                const std::string now = rebus && held != on.squares.end()
                                            ? (held->second.text + text).substr(0, 16)
                                            : text;
                on.squares[row * kSide + col] = {now, Clock::now()};
                last = rebus ? kAfterRebus : kAfterLetter;
            } else if (action < 18) {
                OpenAndCloseADialog();
                clockSteady = false;
                last = kAfterDialog;
            } else {
                current = 1 - current;
                ASSERT_TRUE(RunAgain("crossword", {puzzles[current].host}, 20000));
                // The running game opens a handed-over file from a timer a moment later.
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
                clockSteady = false;
                last = kAfterHandOver;
            }
        }
        KillProgram();
        const Clock::time_point killed = Clock::now();
        ++moments[last];

        Record state;
        ASSERT_TRUE(ReadRecord(deviceRoot + "/Program Files/Crossword/crossword.dat", &state))
            << "the state file is missing or torn";
        for (Played& p : puzzles) {
            Record own;
            const bool inState = state.puzzle == p.device;
            const bool ownRead = ReadRecord(p.progressHost, &own);
            EXPECT_TRUE(ownRead || !fs::exists(p.progressHost)) << p.progressHost << " is torn";
            const Record* record = inState ? &state : ownRead ? &own : nullptr;
            for (auto& [square, typed] : p.squares) {
                const char* onDisk = record ? record->play.playerRebus[square] : "";
                const std::string found = !record                  ? std::string()
                                          : onDisk[0] && onDisk[1] ? std::string(onDisk)
                                          : record->play.entries[square] == '-'
                                              ? std::string()
                                              : std::string(1, record->play.entries[square]);
                if (killed - typed.at >= std::chrono::milliseconds(kSavedAfterMs)) {
                    ++lettersChecked;
                    EXPECT_EQ(found, typed.text)
                        << "square " << square << " of " << p.host << ", typed "
                        << std::chrono::duration_cast<std::chrono::milliseconds>(killed - typed.at)
                               .count()
                        << " ms before the kill";
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
            EXPECT_LE(ran - counted, kClockLagSeconds)
                << "the clock lost more than its last second";
            EXPECT_LE(counted, ran + 2.0) << "the clock counted time that did not pass";
        }
    }
    ASSERT_TRUE(StartProgram("crossword"));
    leftTemporaries += int(TemporaryFiles().size());
    EXPECT_TRUE(TemporaryFiles().empty());
    KillProgram();
    std::printf(
        "kills %d (after a letter %d, a rebus %d, a dialog %d, a hand-over %d); "
        "typed squares checked %d (each at every kill after it was typed); clocks checked %d; "
        "temporary files left %d\n",
        kKills, moments[kAfterLetter], moments[kAfterRebus], moments[kAfterDialog],
        moments[kAfterHandOver], lettersChecked, clocksChecked, leftTemporaries);
}

}  // namespace
