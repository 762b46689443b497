// Every file of the formats corpus (formats-real in CROSSWORD_TESTDATA), read as the game
// will read it: into a document, then the .puz image, then the game's own reader. Each is
// either read as its independent reading says (grid, numbers, circles, clues, strings) or
// refused for the reason the reading gives; the places where the reading and the file's own
// format part ways are listed below with their reasons. The files of one puzzle in several
// formats (a family) must all give the same grid, numbers, circles and clues.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "game_state.h"
#include "oracle_json.h"
#include "puz_image.h"
#include "puzzle_load.h"
#include "puzzle_reader.h"
#include "puzzle_text.h"
#include "read_puzzle_document.h"
#include "real_puzzles.h"

namespace {

namespace fs = std::filesystem;

const char kCorpus[] = "formats-real";

// Where the game's reading and the file's independent reading part ways, and why. A file
// named here with a refusal is refused for that reason; with kDocumentAccepted it is read
// although its reading says otherwise.
struct Disagreement {
    DocumentRefusal outcome;  // what the game does with the file
    bool numbers;             // its numbers differ from the reading's
    bool clueTexts;           // its clue texts differ from the reading's
    const char* why;
};

const std::map<std::string, Disagreement> kDisagreements = {
    {"test-diagramless.ipuz",
     {kDocumentAccepted, false, false,
      "a diagramless grid is played as the game plays a diagramless .puz, its blocks hidden "
      "until the player places them (compared here with every block placed)"}},
    {"test-diagramless.puz", {kDocumentAccepted, false, false, "the same, as a .puz"}},
    {"coded.ipuz",
     {kDocumentCoded, false, false,
      "its kind names the coded variety beside the crossword; the reading looks at the first"}},
    {"5x5-barred.ipuz",
     {kDocumentBarred, false, false,
      "its squares' style says \"barred\", which the reading does not list as bars"}},
    {"5x5-cell-ranges.ipuz", {kDocumentBarred, false, false, "the same"}},
    {"patchwork_quilt.ipuz", {kDocumentBarred, false, false, "the same (and other lists)"}},
    {"two-tone.ipuz", {kDocumentBarred, false, false, "the same (and other lists)"}},
    {"two_tone.ipuz", {kDocumentBarred, false, false, "the same (and other lists)"}},
    {"gaps.ipuz",
     {kDocumentUnmatchedClue, false, false,
      "7 Down lists three squares of the four-square word the file numbers 4, and no down "
      "word starts at the square it numbers 7"}},
    {"gaps.jpz", {kDocumentUnmatchedClue, false, false, "the same"}},
    {"fun.ipuz",
     {kDocumentAccepted, true, false,
      "labels such as \"2-3\" and \"F-7\" are no numbers: the game numbers the grid the "
      "standard way and places each clue by the squares it lists"}},
    {"test.xd",
     {kDocumentAccepted, false, true,
      "the reading keeps the .xd marks ({@ text | link @}); the family compares the texts"}},
    {"test-formatting.xd", {kDocumentAccepted, false, true, "the same ({*bold*}, {~sub~})"}},
};

// Members of a family that differ from the others in a part of the puzzle, and why; that part
// stays out of the family's comparison.
struct FamilyException {
    bool circles;  // its circles
    bool clues;    // its clue texts
    const char* why;
};

const std::map<std::string, FamilyException> kFamilyExceptions = {
    {"kotwords-uclick-test.jpz",
     {false, true,
      "one publisher's conventions inside the text (\"||\", \"@@\", %20) that the format does "
      "not define; the text is kept as the file gives it"}},
    {"bad_clue.xd", {false, true, "13 Across is left without its text on purpose"}},
    {"test-empty-clue.puz",
     {false, true,
      "its writer stands \"-\" for the empty clue, as older .puz readers end the "
      "clues at an empty string"}},
    {"alpha-bits.puz", {true, false, "its 26 circles are in none of its .xd twins"}},
};

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::u16string Widened(const char* text)
{
    static WCHAR out[kMaxPuzzleFile + 1];
    WidenPuzzleText(text, out, kMaxPuzzleFile + 1);
    return out;
}

// The reading's text as a player sees it: the tags and the markup's own references gone.
std::u16string Plain(const std::u16string& text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t close = text.find(u'>', i);
        if (text[i] == u'<' && close != std::u16string::npos && i + 1 < text.size() &&
            (std::isalpha(int(text[i + 1])) || text[i + 1] == u'/')) {
            i = close;
            continue;
        }
        out += text[i];
    }
    for (const auto& [from, to] : std::map<std::u16string, std::u16string>{
             {u"&quot;", u"\""}, {u"&amp;", u"&"}, {u"&apos;", u"'"}}) {
        for (size_t at; (at = out.find(from)) != std::u16string::npos;)
            out.replace(at, from.size(), to);
    }
    return out;
}

// What the game holds once a file is read, in the reading's terms.
struct GameReading {
    int width = 0;
    int height = 0;
    std::vector<std::u16string> grid;  // "#" a block, else the square's whole solution
    std::vector<int> numbers;          // 0 none
    std::set<int> circles;             // square indices
    std::vector<std::pair<int, std::u16string>> across;
    std::vector<std::pair<int, std::u16string>> down;
    std::u16string header;  // title "\n" author "\n" copyright
    std::u16string notes;
    bool solutionMissing = false;  // the game knows the file comes without its solution
};

GameReading FromGame()
{
    GameReading g;
    g.width = gGame.width;
    g.height = gGame.height;
    for (int i = 0; i < g.width * g.height; ++i) {
        char text[kRebusTextSize + 1] = {gGame.solution[i], 0};
        if (gGame.rebusKeys[i])
            std::snprintf(text, sizeof text, "%s", gGame.rebusTable[gGame.rebusKeys[i] - 1]);
        g.grid.push_back(gGame.solution[i] == '.' ? u"#" : Widened(text));
        g.numbers.push_back(gGame.cells[i].number > 0 ? gGame.cells[i].number : 0);
        if (gGame.squareFlags[i] & 0x80)
            g.circles.insert(i);
    }
    for (int k = 0; k < kMaxWords && gGame.acrossClues[k].clueIndex != -1; ++k)
        g.across.push_back({gGame.acrossClues[k].number,
                            Widened(gGame.clueTexts[gGame.acrossClues[k].clueIndex])});
    for (int k = 0; k < kMaxWords && gGame.downClues[k].clueIndex != -1; ++k)
        g.down.push_back(
            {gGame.downClues[k].number, Widened(gGame.clueTexts[gGame.downClues[k].clueIndex])});
    g.header = Widened(gGame.headerLine);
    g.notes = Widened(gGame.notes);
    g.solutionMissing = gGame.solutionState == kSolutionMissing;
    return g;
}

// Reads `bytes` as the game will; the refusal and, when accepted, the image.
DocumentRefusal ReadAsGame(const std::string& bytes, std::string* image, std::string* reason)
{
    PuzzleDocument document;
    DocumentRefusal refusal = ReadPuzzleDocument(bytes.data(), bytes.size(), &document, reason);
    if (refusal == kDocumentAccepted)
        refusal = WritePuzImage(document, image, reason);
    return refusal;
}

bool Load(const std::string& image)
{
    ResetGameState();
    if (!LoadPuzzleImage(image.data(), int(image.size())))
        return false;
    ParsePuzzle();
    if (gGame.diagramless)
        PlaceSolutionBlocks();  // the reading knows the grid the hidden blocks make
    return true;
}

// The refusals the reading asks for: its own reason, bars, other clue lists, clue labels
// without a digit (clues that are not placed on the grid).
std::set<DocumentRefusal> ExpectedRefusals(const Json& reading)
{
    std::set<DocumentRefusal> out;
    const std::u16string refuse = reading["refuse"].text;
    if (refuse.find(u"acrostic") != std::u16string::npos)
        out.insert(kDocumentAcrostic);
    if (refuse.find(u"coded") != std::u16string::npos)
        out.insert(kDocumentCoded);
    if (!reading["bars"].items.empty())
        out.insert(kDocumentBarred);
    const Json& others = reading["otherClueLists"];
    if (!others.items.empty() || !others.fields.empty())
        out.insert(kDocumentOtherClueLists);
    for (const char* list : {"across", "down"}) {
        for (const Json& clue : reading[list].items) {
            const std::u16string label =
                clue.items[0].kind == Json::kString ? clue.items[0].text : u"1";
            if (label.find_first_of(u"0123456789") == std::u16string::npos)
                out.insert(kDocumentUnmatchedClue);
        }
    }
    return out;
}

// The clues against the reading's: number by number, or where the numbers differ by their
// texts alone (the words the reading does not clue left out).
void CheckClues(const std::vector<std::pair<int, std::u16string>>& ours, const Json& list,
                bool numbers, bool texts)
{
    if (numbers) {
        ASSERT_EQ(ours.size(), list.items.size());
        for (size_t k = 0; k < ours.size(); ++k) {
            EXPECT_EQ(ours[k].first, int(list.items[k].items[0].number)) << "clue " << k;
            if (texts) {
                EXPECT_EQ(ours[k].second, Plain(list.items[k].items[1].text))
                    << "clue " << ours[k].first;
            }
        }
        return;
    }
    std::multiset<std::u16string> ourTexts;
    std::multiset<std::u16string> theirTexts;
    for (const auto& clue : ours) {
        if (!clue.second.empty())
            ourTexts.insert(clue.second);
    }
    for (const Json& clue : list.items)
        theirTexts.insert(Plain(clue.items[1].text));
    if (texts) {
        EXPECT_EQ(ourTexts, theirTexts);
    }
}

void CheckAgainstReading(const GameReading& g, const Json& reading, const Disagreement* d)
{
    ASSERT_EQ(g.width, int(reading["width"].number));
    ASSERT_EQ(g.height, int(reading["height"].number));
    bool unknown = false;  // a square whose solution the file does not give
    for (int i = 0; i < g.width * g.height; ++i) {
        const Json& cell = reading["grid"].items[size_t(i / g.width)].items[size_t(i % g.width)];
        unknown = unknown || cell.text.empty();
        if (!cell.text.empty()) {
            EXPECT_EQ(g.grid[size_t(i)], cell.text) << "square " << i;
        } else {
            EXPECT_NE(g.grid[size_t(i)], u"#") << "square " << i;
        }
        const Json& number =
            reading["numbers"].items[size_t(i / g.width)].items[size_t(i % g.width)];
        if (!d || !d->numbers) {
            EXPECT_EQ(g.numbers[size_t(i)], number.kind == Json::kNumber ? int(number.number) : 0)
                << "square " << i;
        }
    }
    EXPECT_EQ(g.solutionMissing, unknown);
    std::set<int> circles;
    for (const Json& rc : reading["circles"].items)
        circles.insert(int(rc.items[0].number) * g.width + int(rc.items[1].number));
    EXPECT_EQ(g.circles, circles);
    const bool numbers = !d || !d->numbers;
    const bool texts = !d || !d->clueTexts;
    CheckClues(g.across, reading["across"], numbers, texts);
    CheckClues(g.down, reading["down"], numbers, texts);
    EXPECT_EQ(g.header, reading["title"].text + u"\n" + reading["author"].text + u"\n" +
                            reading["copyright"].text);
    EXPECT_EQ(g.notes, reading["notes"].text);
}

// The family of each file, from SOURCES.tsv ("family: NAME" in its notes).
std::map<std::string, std::string> Families(const fs::path& folder)
{
    std::map<std::string, std::string> out;
    std::istringstream tsv(Slurp(folder / "SOURCES.tsv"));
    for (std::string line; std::getline(tsv, line);) {
        const size_t at = line.find("family: ");
        if (at == std::string::npos)
            continue;
        const size_t end = line.find(" |", at);
        out[line.substr(0, line.find('\t'))] = line.substr(at + 8, end - at - 8);
    }
    return out;
}

struct CorpusFile {
    std::string name;
    Json reading;
    std::string bytes;
};

std::vector<CorpusFile> Corpus(const fs::path& folder)
{
    std::vector<CorpusFile> out;
    for (const auto& item : fs::directory_iterator(folder)) {
        const std::string name = item.path().filename().string();
        if (!fs::exists(folder / (name + ".json")))
            continue;
        CorpusFile file{name, {}, Slurp(item.path())};
        EXPECT_TRUE(ParseJson(Slurp(folder / (name + ".json")), &file.reading)) << name;
        out.push_back(std::move(file));
    }
    std::sort(out.begin(), out.end(),
              [](const CorpusFile& a, const CorpusFile& b) { return a.name < b.name; });
    return out;
}

TEST(RealFormats, EveryFileIsReadAsItsReadingSaysOrRefusedForItsReason)
{
    const fs::path folder = RealCorpusFolder(kCorpus);
    END_TEST_WITHOUT_CORPUS(folder, kCorpus);
    int read = 0;
    int refused = 0;
    for (const CorpusFile& file : Corpus(folder)) {
        SCOPED_TRACE(file.name);
        const auto d = kDisagreements.find(file.name);
        const Disagreement* disagreement = d == kDisagreements.end() ? nullptr : &d->second;
        std::set<DocumentRefusal> expected = ExpectedRefusals(file.reading);
        if (disagreement)
            expected = {disagreement->outcome};
        std::string image;
        std::string reason;
        const DocumentRefusal refusal = ReadAsGame(file.bytes, &image, &reason);
        if (!expected.empty() && !expected.count(kDocumentAccepted)) {
            EXPECT_TRUE(expected.count(refusal)) << "read as " << refusal << ": " << reason;
            EXPECT_FALSE(reason.empty());
            ++refused;
            continue;
        }
        ASSERT_EQ(refusal, kDocumentAccepted) << reason;
        ASSERT_TRUE(Load(image)) << PuzzleRefusalText(LastPuzzleRefusal());
        CheckAgainstReading(FromGame(), file.reading, disagreement);
        ++read;
    }
    EXPECT_GE(read, 40);
    EXPECT_GE(refused, 20);
}

TEST(RealFormats, TheFilesOfOnePuzzleGiveOneGridAndOneSetOfClues)
{
    const fs::path folder = RealCorpusFolder(kCorpus);
    END_TEST_WITHOUT_CORPUS(folder, kCorpus);
    const std::map<std::string, std::string> families = Families(folder);
    std::map<std::string, std::pair<std::string, GameReading>> first;  // family -> its first
    int compared = 0;
    for (const CorpusFile& file : Corpus(folder)) {
        const auto family = families.find(file.name);
        std::string image;
        std::string reason;
        if (family == families.end() ||
            ReadAsGame(file.bytes, &image, &reason) != kDocumentAccepted)
            continue;
        // A .puz member is read by the game's reader as it stands, not through the document.
        const bool puz = fs::path(file.name).extension() == ".puz";
        ASSERT_TRUE(Load(puz ? file.bytes : image)) << file.name;
        const GameReading g = FromGame();
        const auto seen = first.find(family->second);
        if (seen == first.end()) {
            first[family->second] = {file.name, g};
            continue;
        }
        const GameReading& f = seen->second.second;
        SCOPED_TRACE(file.name + " against " + seen->second.first);
        EXPECT_EQ(g.grid, f.grid);
        EXPECT_EQ(g.numbers, f.numbers);
        auto leftOut = [&](bool FamilyException::*part) {
            for (const std::string& name : {file.name, seen->second.first}) {
                const auto e = kFamilyExceptions.find(name);
                if (e != kFamilyExceptions.end() && e->second.*part)
                    return true;
            }
            return false;
        };
        if (!leftOut(&FamilyException::circles)) {
            EXPECT_EQ(g.circles, f.circles);
        }
        if (!leftOut(&FamilyException::clues)) {
            EXPECT_EQ(g.across, f.across);
            EXPECT_EQ(g.down, f.down);
        }
        ++compared;
    }
    EXPECT_GE(compared, 15);
}

// A .puz read into a document and written again is the same puzzle to the game. Where its
// strings keep their bytes (ASCII, or UTF-8 already), the header's checksums are those the
// file's own writer put there; older text is written as UTF-8, which sums differently.
TEST(RealFormats, APuzWrittenFromItsDocumentKeepsItsPuzzleAndItsChecksums)
{
    const fs::path folder = RealCorpusFolder(kCorpus);
    END_TEST_WITHOUT_CORPUS(folder, kCorpus);
    int files = 0;
    int sameBytes = 0;
    for (const CorpusFile& file : Corpus(folder)) {
        if (fs::path(file.name).extension() != ".puz")
            continue;
        SCOPED_TRACE(file.name);
        std::string image;
        std::string reason;
        ASSERT_EQ(ReadAsGame(file.bytes, &image, &reason), kDocumentAccepted) << reason;
        ASSERT_TRUE(Load(file.bytes));
        const GameReading original = FromGame();
        ASSERT_TRUE(Load(image));
        const GameReading again = FromGame();
        EXPECT_EQ(again.grid, original.grid);
        EXPECT_EQ(again.numbers, original.numbers);
        EXPECT_EQ(again.circles, original.circles);
        EXPECT_EQ(again.across, original.across);
        EXPECT_EQ(again.down, original.down);
        EXPECT_EQ(again.header, original.header);
        EXPECT_EQ(again.notes, original.notes);
        if (file.bytes.compare(0x18, 2, "2.") == 0 || image.compare(0x18, 3, "1.3") == 0) {
            EXPECT_EQ(image.substr(0, 0x18), file.bytes.substr(0, 0x18)) << "checksums";
            ++sameBytes;
        }
        ++files;
    }
    EXPECT_GE(files, 8);
    EXPECT_GE(sameBytes, 5);
}

}  // namespace
