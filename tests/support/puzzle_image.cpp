// The tests' .puz writer.
#include "puzzle_image.h"

#include "puz_layout.h"

const std::vector<std::string> kFiveByFive = {"ABC.D", "E.FGH", "IJKLM", "N.O.P", "QRS.T"};

PuzzleImage MakePuzzle(const std::vector<std::string>& rows)
{
    PuzzleImage image;
    image.height = int(rows.size());
    image.width = rows.empty() ? 0 : int(rows[0].size());
    for (const std::string& row : rows)
        image.solution += row;
    return image;
}

std::string Bytes(const PuzzleImage& image)
{
    std::string header(puz::kGridOffset, '\0');
    header.replace(puz::kMagicOffset, sizeof puz::kMagic, puz::kMagic, sizeof puz::kMagic);
    header.replace(puz::kVersionOffset, image.version.size(), image.version);
    header[puz::kWidthOffset] = char(image.width);
    header[puz::kHeightOffset] = char(image.height);
    puz::WriteShort(&header[puz::kClueCountOffset], int(image.clues.size()));
    puz::WriteShort(&header[puz::kPuzzleTypeOffset],
                    image.diagramless ? puz::kPuzzleTypeDiagramless : puz::kPuzzleTypeNormal);
    puz::WriteShort(&header[puz::kSolutionStateOffset], image.solutionFlags);
    puz::WriteShort(&header[puz::kScrambledChecksumOffset], image.scrambledChecksum);
    puz::WriteShort(
        &header[puz::kHeaderChecksumOffset],
        puz::ChecksumRegion(header.data() + puz::kHeaderSumStart, puz::kHeaderSumSize, 0));
    std::string fill = image.fill;
    if (fill.empty()) {
        for (char c : image.solution)
            fill += (c == '.' || c == ':') ? '.' : '-';
    }
    std::string out = image.prefix + header + image.solution + fill;
    for (const std::string* s : {&image.title, &image.author, &image.copyright})
        out += *s + '\0';
    for (const std::string& clue : image.clues)
        out += clue + '\0';
    return out + image.notes + '\0' + image.sections;
}

std::string Section(const std::string& name, const std::string& data, bool checksumOk)
{
    const uint16_t sum =
        puz::ChecksumRegion(data.data(), int(data.size()), 0) ^ (checksumOk ? 0 : 1);
    const size_t size = data.size();
    return name + char(size & 0xFF) + char(size >> 8) + char(sum & 0xFF) + char(sum >> 8) + data +
           '\0';
}

void AddClues(PuzzleImage* image)
{
    const std::string& s = image->solution;
    const int w = image->width;
    const int h = image->height;
    auto open = [&](int i) { return s[i] != '.' && s[i] != ':'; };
    for (int i = 0; i < w * h; ++i) {
        const int r = i / w;
        const int c = i % w;
        if (!open(i))
            continue;
        if ((c == 0 || !open(i - 1)) && c + 1 < w && open(i + 1))
            image->clues.push_back("c" + std::to_string(image->clues.size()));
        if ((r == 0 || !open(i - w)) && r + 1 < h && open(i + w))
            image->clues.push_back("c" + std::to_string(image->clues.size()));
    }
}

void ScrambleSolution(PuzzleImage* image, int key)
{
    std::string& solution = image->solution;
    const int w = image->width;
    const int h = image->height;
    std::string s;
    for (int c = 0; c < w; ++c)
        for (int r = 0; r < h; ++r)
            if (solution[size_t(r * w + c)] != '.')
                s += solution[size_t(r * w + c)];
    image->scrambledChecksum = puz::ChecksumRegion(s.data(), int(s.size()), 0);
    image->solutionFlags = puz::kSolutionScrambled;
    const int digits[4] = {key / 1000, key / 100 % 10, key / 10 % 10, key % 10};
    for (int k : digits) {
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = char('A' + (s[i] - 'A' + digits[i % 4]) % 26);
        const size_t turn = s.empty() ? 0 : size_t(k) % s.size();  // a grid shorter than a digit
        s = s.substr(turn) + s.substr(0, turn);
        const size_t mid = s.size() / 2;
        std::string mixed;
        for (size_t i = 0; i < mid; ++i)
            mixed += std::string(1, s[mid + i]) + s[i];
        if (s.size() % 2)
            mixed += s.back();
        s = mixed;
    }
    size_t at = 0;
    for (int c = 0; c < w; ++c)
        for (int r = 0; r < h; ++r)
            if (solution[size_t(r * w + c)] != '.')
                solution[size_t(r * w + c)] = s[at++];
}
