// The generator's committed inputs, loaded once per test program: the lexicon, the editor's
// lists and the patterns of the checkout the test main names.
#pragma once

#include <filesystem>
#include <vector>

#include "grid_rules.h"
#include "lexicon.h"
#include "pattern.h"

std::filesystem::path SourceDir();
const std::vector<LexEntry>& Lexicon();
const EditorLists& Rules();
const std::vector<Pattern>& Patterns();
