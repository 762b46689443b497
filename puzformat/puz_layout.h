// The layout of a .puz file: where the header's fields sit, how its checksums are summed and
// how the extra sections after the strings are framed. The one description of the format that
// the game's reader, the download, the installer and the tools share; it knows nothing else.
#pragma once

#include <cstdint>

namespace puz {

// Header offsets, counted from the header's first byte (a few bytes of junk may precede it).
constexpr int kMagicOffset = 0x02;              // "ACROSS&DOWN" and its NUL
constexpr int kHeaderChecksumOffset = 0x0E;     // two bytes: checksum of the header's sizes
constexpr int kVersionOffset = 0x18;            // "1.3", "2.0", ...
constexpr int kScrambledChecksumOffset = 0x1E;  // two bytes: sum of the real solution's letters
constexpr int kWidthOffset = 0x2C;
constexpr int kHeightOffset = 0x2D;
constexpr int kClueCountOffset = 0x2E;      // two bytes
constexpr int kPuzzleTypeOffset = 0x30;     // two bytes: kPuzzleTypeNormal, kPuzzleTypeDiagramless
constexpr int kSolutionStateOffset = 0x32;  // two bytes: kSolutionScrambled, kSolutionAbsent
constexpr int kGridOffset = 0x34;           // the solution grid, then the fill grid
// The header's own checksum covers its last eight bytes: width, height, clue count, the
// puzzle type and the solution state.
constexpr int kHeaderSumStart = kWidthOffset;
constexpr int kHeaderSumSize = kGridOffset - kWidthOffset;
static_assert(kHeaderSumSize == 8);

constexpr char kMagic[] = "ACROSS&DOWN";  // sizeof includes the NUL the file carries

constexpr int kPuzzleTypeNormal = 0x0001;
constexpr int kPuzzleTypeDiagramless = 0x0401;  // the black squares are the player's to find

constexpr int kSolutionAbsent = 0x0002;     // the solution grid is a placeholder
constexpr int kSolutionScrambled = 0x0004;  // the solution grid is locked with a 4-digit key

// An extra section after the last string: name, data size and checksum, the data, a NUL.
constexpr int kSectionHeadSize = 8;  // 4-byte name, 2-byte size, 2-byte checksum

// Flags of a square in the GEXT section.
constexpr uint8_t kSquarePreviouslyWrong = 0x10;
constexpr uint8_t kSquareWrong = 0x20;
constexpr uint8_t kSquareGiven = 0x40;
constexpr uint8_t kSquareCircled = 0x80;

// The game's own section for what a .puz cannot say of a square, written by the formats'
// image writer: one byte per square, row-major, of these flags.
constexpr char kSquareStyleSection[] = "XSQF";
constexpr uint8_t kSquareStyleVoid = 0x01;    // not part of the puzzle, a block in the solution
constexpr uint8_t kSquareStyleShaded = 0x02;  // an open square drawn light grey

inline int ReadShort(const void* at)
{
    const auto* b = static_cast<const unsigned char*>(at);
    return b[0] | (b[1] << 8);
}

inline void WriteShort(void* at, int value)
{
    auto* b = static_cast<unsigned char*>(at);
    b[0] = static_cast<unsigned char>(value & 0xFF);
    b[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

// The format's running checksum: rotate right by one bit, then add the next byte.
inline uint16_t ChecksumRegion(const void* bytes, int size, uint16_t sum)
{
    const auto* b = static_cast<const unsigned char*>(bytes);
    for (int i = 0; i < size; ++i)
        sum = uint16_t(((sum & 1) ? (sum >> 1) | 0x8000 : sum >> 1) + b[i]);
    return sum;
}

}  // namespace puz
