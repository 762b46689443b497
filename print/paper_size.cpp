// The paper of the user's locale, read the way the C library picks a locale's category:
// LC_ALL over LC_PAPER over LANG. A locale name is language_TERRITORY[.codeset][@modifier];
// the territory alone decides, as the C library's own LC_PAPER tables do.
#include <cstdlib>
#include <cstring>
#include <string>

#include "puzzle_pdf.h"

namespace {

// The territories whose locales the C library gives Letter paper.
constexpr const char* kLetterTerritories[] = {"US", "CA", "MX", "PR", "BO", "CL", "CO",
                                              "CR", "GT", "NI", "PA", "PH", "SV", "VE"};

const char* LocaleOfPaper()
{
    for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return "";
}

}  // namespace

PaperSize PaperFromLocale()
{
    const std::string locale = LocaleOfPaper();
    const size_t underscore = locale.find('_');
    if (underscore == std::string::npos)
        return kPaperA4;  // "C", "POSIX", a language alone
    const std::string territory = locale.substr(underscore + 1, 2);
    for (const char* letter : kLetterTerritories)
        if (territory == letter)
            return kPaperLetter;
    return kPaperA4;
}
