// The file name a download proposes from its puzzle's title.
#include "puzzle_title.h"

namespace {

constexpr int kTitleCharacters = 50;
constexpr int kNameCharacters = 10;

bool IsNameCharacter(WCHAR c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

}  // namespace

void ProposedNameOf(const char* title, WCHAR* name)
{
    WCHAR wide[kTitleCharacters + 1] = {};
    int titleBytes = 0;
    while (titleBytes < kTitleCharacters && title[titleBytes])
        ++titleBytes;
    MultiByteToWideChar(CP_ACP, 0, title, titleBytes, wide, kTitleCharacters);
    int kept = 0;
    for (int i = 0; i < kTitleCharacters && wide[i] && kept < kNameCharacters; ++i)
        if (IsNameCharacter(wide[i]))
            name[kept++] = wide[i];
    name[kept] = 0;
}
