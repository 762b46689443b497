#include "themes.h"

#include "editor_rules.h"
#include "lexicon.h"
#include "pattern_maker.h"

std::vector<int> ThemeLengths(const ThemeSet& theme)
{
    std::vector<int> lengths;
    for (const std::string& answer : theme.answers)
        lengths.push_back(static_cast<int>(answer.size()));
    return lengths;
}

bool LoadThemes(const std::string& path, std::vector<ThemeSet>* out, std::string* error)
{
    return ReadTable(path, error, [&](const std::string& where, const std::vector<std::string>& f) {
        if (f.size() != 9 && f.size() != 11) {
            *error = where + "not three or four entries with their clues";
            return false;
        }
        ThemeSet theme{f[0], f[1], f[2], {}, {}, {}};
        for (size_t k = 3; k + 1 < f.size(); k += 2) {
            std::string answer;
            for (char ch : f[k])
                if (ch != ' ')
                    answer += ch;
            if (answer.size() < static_cast<size_t>(kMinThemeLength) ||
                answer.size() > static_cast<size_t>(kSide) ||
                answer.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos ||
                f[k + 1].empty()) {
                *error = where + "entry \"" + f[k] + "\" is not 11 to 15 letters with a clue";
                return false;
            }
            theme.words.push_back(f[k]);
            theme.answers.push_back(answer);
            theme.clues.push_back(f[k + 1]);
        }
        if (ThemeLayout(ThemeLengths(theme), 0).empty()) {
            *error = where + "entry lengths that no symmetric layout takes";
            return false;
        }
        out->push_back(theme);
        return true;
    });
}
