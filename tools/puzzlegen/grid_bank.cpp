#include "grid_bank.h"

#include <fstream>

#include "pattern.h"

std::string BankEntry(const std::string& key, const std::string& cells)
{
    std::string out = "grid " + key + "\n";
    for (int r = 0; r < kSide; ++r)
        out += cells.substr(static_cast<size_t>(r) * kSide, kSide) + "\n";
    return out + "\n";
}

bool LoadGridBank(const std::string& path, std::map<std::string, std::string>* grids,
                  std::string* error)
{
    std::ifstream in(path);
    if (!in)
        return true;
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& why) {
        *error = path + ":" + std::to_string(number) + ": " + why;
        return false;
    };
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("grid ", 0) != 0 || line.find('/') == std::string::npos)
            return fail("expected \"grid PACK/NAME\"");
        const std::string key = line.substr(5);
        std::string cells;
        for (int r = 0; r < kSide; ++r) {
            ++number;
            if (!std::getline(in, line) || line.size() != static_cast<size_t>(kSide))
                return fail("a grid row is " + std::to_string(kSide) + " squares");
            for (char ch : line)
                if (ch != '#' && (ch < 'A' || ch > 'Z'))
                    return fail("a square is a capital letter or '#'");
            cells += line;
        }
        grids->emplace(key, cells);
    }
    return true;
}
