// Reading the packs for the editor's rules.
#include "pack_rule_grids.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "grid_rules.h"
#include "pack_rules.h"
#include "puz_check.h"

namespace {

namespace fs = std::filesystem;

const char* const kPackKeys[6] = {"one", "two", "three", "four", "five", "six"};

std::string Squeeze(const std::string& words)
{
    std::string out;
    for (char ch : words)
        if (ch != ' ')
            out += ch;
    return out;
}

std::string Phrase(const std::string& words)
{
    std::string out = words;
    for (char& ch : out)
        if (ch == ' ')
            ch = '_';
    return out;
}

// One row of themes.tsv: pack, name, title, then answer and clue by turns.
struct ThemeRow {
    std::vector<std::string> words;  // the answers as written, spaces between their words
    std::vector<std::string> clues;
};

std::map<std::string, ThemeRow> ReadThemes(const fs::path& path)
{
    std::map<std::string, ThemeRow> out;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            f.push_back(field);
        ThemeRow& row = out[f[0] + "/" + (f.size() > 1 ? f[1] : "")];
        for (size_t k = 3; k + 1 < f.size(); k += 2) {
            row.words.push_back(f[k]);
            row.clues.push_back(f[k + 1]);
        }
    }
    return out;
}

}  // namespace

bool LoadPacksUnderRules(const std::string& sourceDir, PacksUnderRules* out, std::string* error)
{
    const fs::path root(sourceDir);
    if (!LoadEditorLists((root / "tools/lexicon").string(),
                         (root / "tools/puzzlegen/standbys.txt").string(), &out->lists, error))
        return false;
    const std::map<std::string, LexiconFacts> lex =
        ReadLexiconFacts((root / "tools/lexicon/lexicon.tsv").string());
    if (lex.empty()) {
        *error = "no lexicon under " + sourceDir;
        return false;
    }
    const std::map<std::string, std::vector<FeaturedPuzzle>> featured =
        ReadFeatured((root / "tools/puzzlegen/featured.tsv").string());
    const std::map<std::string, ThemeRow> themes = ReadThemes(root / "tools/puzzlegen/themes.tsv");

    // Clues a person wrote beyond the lexicon's: featured and theme clues, by answer.
    std::map<std::string, std::set<std::string>> handClues;
    std::vector<RootRow> rows;
    for (const auto& [answer, facts] : lex)
        rows.push_back({answer, facts.stems});
    auto phrase = [&](const std::string& words) {
        const std::string answer = Squeeze(words);
        if (!lex.count(answer) || words.find(' ') != std::string::npos)
            rows.push_back({answer, Phrase(words)});
    };
    for (const auto& [pack, list] : featured)
        for (const FeaturedPuzzle& f : list) {
            handClues[f.answer].insert(f.clue);
            phrase(f.words);
        }
    for (const auto& [key, row] : themes)
        for (size_t k = 0; k < row.words.size(); ++k) {
            handClues[Squeeze(row.words[k])].insert(row.clues[k]);
            phrase(row.words[k]);
        }
    out->lists.roots = MakeRootBook(rows);

    for (const char* pack : kPackKeys) {
        out->packs.push_back(pack);
        std::vector<RuleGrid>& grids = out->grids.emplace_back();
        std::ifstream list(root / "resources/packs" / pack / "pack.txt");
        for (std::string file; std::getline(list, file);) {
            std::ifstream in(root / "resources/packs" / pack / file, std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
            std::vector<std::string> ignored;
            const CheckedPuzzle p = ReadChecked(bytes, &ignored);
            const std::string name = file.substr(0, file.find('.'));
            RuleGrid grid{std::string(pack) + "/" + name, {}, {}};
            auto theme = themes.find(std::string(pack) + "/" + name);
            if (theme != themes.end())
                for (const std::string& words : theme->second.words)
                    grid.theme.push_back(Squeeze(words));
            for (const CheckedWord& w : p.words) {
                auto facts = lex.find(w.answer);
                auto more = handClues.find(w.answer);
                const bool hand = (facts != lex.end() && facts->second.handClues.count(w.clue)) ||
                                  (more != handClues.end() && more->second.count(w.clue));
                grid.entries.push_back({w.answer, w.clue, hand, w.row, w.col, w.down});
            }
            grids.push_back(std::move(grid));
        }
    }
    return true;
}

std::vector<RuleFinding> CheckPacksUnderRules(const PacksUnderRules& packs)
{
    std::vector<RuleFinding> out;
    for (size_t p = 0; p < packs.grids.size(); ++p) {
        for (const RuleGrid& grid : packs.grids[p])
            CheckGridRules(grid, packs.lists, &out);
        CheckPackRules(packs.packs[p], packs.grids[p], packs.lists, &out);
    }
    CheckAllPacksRules(packs.grids, &out);
    return out;
}
