// The layout: a 0x34-byte header, the solution, the fill grid ('-' empty, '.' block), then
// NUL-terminated title, author, copyright, clues and notes.
#include "puz_writer.h"

#include <cstring>

namespace {

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t v)
{
    out[at] = static_cast<uint8_t>(v & 0xFF);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}

uint16_t ChecksumString(const std::string& s, bool withNul, uint16_t sum)
{
    const auto* p = reinterpret_cast<const uint8_t*>(s.c_str());
    return PuzChecksum(p, s.size() + (withNul ? 1 : 0), sum);
}

// The strings' share of the checksums: title, author, copyright and notes count with their
// NUL and only when not empty; clues count without their NUL.
uint16_t TextChecksum(const PuzContent& c, uint16_t sum)
{
    for (const std::string* s : {&c.title, &c.author, &c.copyright})
        if (!s->empty())
            sum = ChecksumString(*s, true, sum);
    for (const std::string& clue : c.clues)
        sum = ChecksumString(clue, false, sum);
    return sum;  // the notes string is empty and adds nothing
}

}  // namespace

uint16_t PuzChecksum(const uint8_t* data, size_t size, uint16_t sum)
{
    for (size_t i = 0; i < size; ++i) {
        sum = static_cast<uint16_t>((sum & 1) ? (sum >> 1) + 0x8000 : sum >> 1);
        sum = static_cast<uint16_t>(sum + data[i]);
    }
    return sum;
}

std::vector<uint8_t> BuildPuzFile(const PuzContent& c)
{
    const size_t n = static_cast<size_t>(c.side) * c.side;
    std::string fill = c.solution;
    for (char& ch : fill)
        if (ch != '.')
            ch = '-';

    // Assembled in a string: GCC 12 raises a false array-bounds alarm on vector::insert here.
    std::string bytes(0x34, '\0');
    bytes += c.solution;
    bytes += fill;
    for (const std::string* s : {&c.title, &c.author, &c.copyright})
        bytes.append(s->c_str(), s->size() + 1);
    for (const std::string& clue : c.clues)
        bytes.append(clue.c_str(), clue.size() + 1);
    bytes.push_back('\0');  // the empty notes string
    std::vector<uint8_t> out(bytes.begin(), bytes.end());
    std::memcpy(out.data() + 0x02, "ACROSS&DOWN", 12);
    std::memcpy(out.data() + 0x18, "1.3", 4);
    out[0x2C] = static_cast<uint8_t>(c.side);
    out[0x2D] = static_cast<uint8_t>(c.side);
    Put16(out, 0x2E, static_cast<uint16_t>(c.clues.size()));
    Put16(out, 0x30, 0x0001);  // the usual puzzle-type bits; 0x32: not scrambled

    const auto* sol = reinterpret_cast<const uint8_t*>(c.solution.data());
    const auto* grid = reinterpret_cast<const uint8_t*>(fill.data());
    uint16_t cib = PuzChecksum(out.data() + 0x2C, 8, 0);
    uint16_t whole = cib;
    whole = PuzChecksum(sol, n, whole);
    whole = PuzChecksum(grid, n, whole);
    whole = TextChecksum(c, whole);
    Put16(out, 0x0E, cib);
    Put16(out, 0x00, whole);

    const uint16_t parts[4] = {cib, PuzChecksum(sol, n, 0), PuzChecksum(grid, n, 0),
                               TextChecksum(c, 0)};
    const char* mask = "ICHEATED";
    for (int i = 0; i < 4; ++i) {
        out[0x10 + i] = static_cast<uint8_t>(mask[i] ^ (parts[i] & 0xFF));
        out[0x14 + i] = static_cast<uint8_t>(mask[i + 4] ^ (parts[i] >> 8));
    }
    return out;
}
