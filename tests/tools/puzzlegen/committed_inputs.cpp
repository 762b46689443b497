#include "committed_inputs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;

// The test main always names the checkout.
fs::path SourceDir()
{
    return std::getenv("CROSSWORD_SOURCE_DIR");
}

const std::vector<LexEntry>& Lexicon()
{
    static const std::vector<LexEntry> lexicon = [] {
        std::vector<LexEntry> out;
        std::string error;
        EXPECT_TRUE(LoadLexicon(SourceDir() / "tools/lexicon/lexicon.tsv", &out, &error)) << error;
        return out;
    }();
    return lexicon;
}

// The editor's lists of the tree (their roots are each test's own).
const EditorLists& Rules()
{
    static const EditorLists rules = [] {
        EditorLists out;
        std::string error;
        EXPECT_TRUE(LoadEditorLists(SourceDir() / "tools/lexicon",
                                    SourceDir() / "tools/puzzlegen/standbys.txt", &out, &error))
            << error;
        return out;
    }();
    return rules;
}

const std::vector<Pattern>& Patterns()
{
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> out;
        std::string error;
        EXPECT_TRUE(LoadPatterns(SourceDir() / "tools/puzzlegen/patterns.txt", &out, &error))
            << error;
        return out;
    }();
    return patterns;
}
