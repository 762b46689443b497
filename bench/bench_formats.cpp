// Reading the other formats: each reader on a 15 x 15 and a 21 x 21 crossword made here in
// .ipuz, .jpz and .xd (its older layout, which every .xd reader knows), and the .puz image written
// from the document. With CROSSWORD_FORMAT_SAMPLES naming a folder, every sample is also written
// there, so that bench/peer_formats.sh can time another parser on the same bytes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "puz_image.h"
#include "read_puzzle_document.h"

namespace {

enum SampleFormat { kIpuz, kJpz, kXd };

// The grid of bench_core: a black square where every fourth row and column cross.
bool Block(int r, int c)
{
    return r % 4 == 3 && c % 4 == 3;
}

char Letter(int r, int c)
{
    return char('A' + (r * 7 + c) % 26);
}

PuzzleDocument Grid(int side)
{
    PuzzleDocument d;
    d.width = d.height = side;
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            DocumentCell cell;
            cell.block = Block(r, c);
            if (!cell.block)
                cell.solution = std::string(1, Letter(r, c));
            d.cells.push_back(cell);
        }
    }
    return d;
}

// The standard numbers of the grid's words, across and down.
void Words(int side, std::vector<int>* numbers, std::vector<int>* across, std::vector<int>* down)
{
    int n = 1;
    numbers->assign(size_t(side * side), 0);
    auto open = [side](int r, int c) {
        return r >= 0 && c >= 0 && r < side && c < side && !Block(r, c);
    };
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            const bool a = open(r, c) && !open(r, c - 1) && open(r, c + 1);
            const bool d = open(r, c) && !open(r - 1, c) && open(r + 1, c);
            if (a)
                across->push_back(n);
            if (d)
                down->push_back(n);
            if (a || d)
                (*numbers)[size_t(r * side + c)] = n++;
        }
    }
}

std::string Clue(int number, const char* direction)
{
    return "Clue <i>" + std::to_string(number) + "</i> " + direction + " of the puzzle &amp; more";
}

std::string Ipuz(int side)
{
    std::vector<int> numbers, across, down;
    Words(side, &numbers, &across, &down);
    std::string puzzle, solution;
    for (int r = 0; r < side; ++r) {
        puzzle += r ? ",[" : "[";
        solution += r ? ",[" : "[";
        for (int c = 0; c < side; ++c) {
            puzzle +=
                (c ? "," : "") + (Block(r, c) ? std::string("\"#\"")
                                              : std::to_string(numbers[size_t(r * side + c)]));
            solution +=
                std::string(c ? "," : "") + "\"" + (Block(r, c) ? '#' : Letter(r, c)) + "\"";
        }
        puzzle += "]";
        solution += "]";
    }
    std::string clues = "{\"Across\":[";
    for (size_t k = 0; k < across.size(); ++k)
        clues += (k ? ",[" : "[") + std::to_string(across[k]) + ",\"" + Clue(across[k], "across") +
                 "\"]";
    clues += "],\"Down\":[";
    for (size_t k = 0; k < down.size(); ++k)
        clues += (k ? ",[" : "[") + std::to_string(down[k]) + ",\"" + Clue(down[k], "down") + "\"]";
    return "{\"version\":\"http://ipuz.org/v2\",\"kind\":[\"http://ipuz.org/crossword#1\"],"
           "\"title\":\"Bench\",\"author\":\"Bench\",\"dimensions\":{\"width\":" +
           std::to_string(side) + ",\"height\":" + std::to_string(side) + "},\"puzzle\":[" +
           puzzle + "],\"solution\":[" + solution + "],\"clues\":" + clues + "]}}";
}

std::string Jpz(int side)
{
    std::vector<int> numbers, across, down;
    Words(side, &numbers, &across, &down);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<crossword-compiler-applet "
                      "xmlns=\"http://crossword.info/xml/crossword-compiler-applet\">"
                      "<rectangular-puzzle xmlns=\"http://crossword.info/xml/rectangular-puzzle\">"
                      "<metadata><title>Bench</title><creator>Bench</creator></metadata>"
                      "<crossword><grid width=\"" +
                      std::to_string(side) + "\" height=\"" + std::to_string(side) + "\">\n";
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            const std::string xy =
                "x=\"" + std::to_string(c + 1) + "\" y=\"" + std::to_string(r + 1) + "\"";
            const int n = numbers[size_t(r * side + c)];
            out += Block(r, c) ? "<cell " + xy + " type=\"block\"/>\n"
                               : "<cell " + xy + " solution=\"" + Letter(r, c) + "\"" +
                                     (n ? " number=\"" + std::to_string(n) + "\"" : "") + "/>\n";
        }
    }
    out += "</grid>\n";
    for (const char* direction : {"Across", "Down"}) {
        out += std::string("<clues><title><b>") + direction + "</b></title>\n";
        for (int n : direction[0] == 'A' ? across : down)
            out += "<clue number=\"" + std::to_string(n) + "\">Clue <i>" + std::to_string(n) +
                   "</i> " + direction + " of the puzzle &amp; more</clue>\n";
        out += "</clues>\n";
    }
    return out + "</crossword></rectangular-puzzle></crossword-compiler-applet>\n";
}

std::string Xd(int side)
{
    std::vector<int> numbers, across, down;
    Words(side, &numbers, &across, &down);
    std::string out = "Title: Bench\nAuthor: Bench\n\n\n";
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c)
            out += Block(r, c) ? '#' : Letter(r, c);
        out += "\n";
    }
    out += "\n\n";
    for (int n : across)
        out += "A" + std::to_string(n) + ". Clue {/" + std::to_string(n) +
               "/} across of the puzzle & more ~ X\n";
    out += "\n";
    for (int n : down)
        out += "D" + std::to_string(n) + ". Clue {/" + std::to_string(n) +
               "/} down of the puzzle & more ~ X\n";
    return out;
}

std::string Sample(SampleFormat format, int side)
{
    const std::string text = format == kIpuz ? Ipuz(side) : format == kJpz ? Jpz(side) : Xd(side);
    if (const char* folder = std::getenv("CROSSWORD_FORMAT_SAMPLES")) {
        const char* ext = format == kIpuz ? ".ipuz" : format == kJpz ? ".jpz" : ".xd";
        std::ofstream(std::string(folder) + "/sample" + std::to_string(side) + ext,
                      std::ios::binary)
            << text;
    }
    return text;
}

void ReadFormat(benchmark::State& state, SampleFormat format)
{
    const std::string bytes = Sample(format, int(state.range(0)));
    PuzzleDocument document;
    std::string reason;
    for (auto _ : state) {
        if (ReadPuzzleDocument(bytes.data(), bytes.size(), &document, &reason) !=
            kDocumentAccepted) {
            state.SkipWithError(reason.c_str());
            break;
        }
        benchmark::DoNotOptimize(document.cells.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}

void ReadIpuzFile(benchmark::State& state)
{
    ReadFormat(state, kIpuz);
}
void ReadJpzFile(benchmark::State& state)
{
    ReadFormat(state, kJpz);
}
void ReadXdFile(benchmark::State& state)
{
    ReadFormat(state, kXd);
}

void WriteImage(benchmark::State& state)
{
    const PuzzleDocument document = Grid(int(state.range(0)));
    std::string image;
    std::string reason;
    for (auto _ : state) {
        if (WritePuzImage(document, &image, &reason) != kDocumentAccepted) {
            state.SkipWithError(reason.c_str());
            break;
        }
        benchmark::DoNotOptimize(image.data());
    }
}

}  // namespace

BENCHMARK(ReadIpuzFile)->Arg(15)->Arg(21)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadJpzFile)->Arg(15)->Arg(21)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadXdFile)->Arg(15)->Arg(21)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteImage)->Arg(15)->Arg(21)->Unit(benchmark::kMicrosecond);
