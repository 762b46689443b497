// The installer's committed pictures: the sizes and colour depths the intro draws with, and
// the splash screens' help lines lying inside the areas that the intro's taps test.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "intro_dialog.h"

namespace {

struct Bmp {
    int width = 0;
    int height = 0;
    int bits = 0;
    std::string bytes;

    uint32_t U32(size_t at) const
    {
        return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
               uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
    }
    // The palette colour of a 4-bit pixel (top row 0) as 0xRRGGBB.
    uint32_t Pixel(int x, int y) const
    {
        const size_t stride = size_t((width * 4 + 31) / 32 * 4);
        const size_t row = size_t(height - 1 - y);
        const uint8_t pair = uint8_t(bytes[U32(10) + row * stride + size_t(x / 2)]);
        const int index = x % 2 ? pair & 0x0F : pair >> 4;
        return U32(14 + 40 + size_t(index) * 4) & 0xFFFFFF;
    }
};

Bmp Load(const std::string& name)
{
    const std::string path =
        std::string(std::getenv("CROSSWORD_SOURCE_DIR")) + "/resources/brambleset/" + name;
    std::ifstream in(path, std::ios::binary);
    Bmp bmp;
    bmp.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    EXPECT_GT(bmp.bytes.size(), 54u) << path;
    if (bmp.bytes.size() > 54) {
        bmp.width = int(bmp.U32(18));
        bmp.height = int(bmp.U32(22));
        bmp.bits = uint8_t(bmp.bytes[28]);
    }
    return bmp;
}

TEST(InstallerArtwork, PiecesHaveTheSizesTheAnimationStopsFor)
{
    const struct {
        const char* name;
        int width, height;
    } pieces[] = {{"piece_145.bmp", 62, 91}, {"piece_146.bmp", 64, 84}, {"piece_147.bmp", 27, 84}};
    for (const auto& piece : pieces) {
        const Bmp bmp = Load(piece.name);
        EXPECT_EQ(bmp.width, piece.width) << piece.name;
        EXPECT_EQ(bmp.height, piece.height) << piece.name;
    }
}

TEST(InstallerArtwork, EverySplashHasItsHelpLinesInsideTheHelpAreas)
{
    constexpr uint32_t kLinkBlue = 0x0000FF;
    for (const char* pack : {"one", "two", "three", "four", "five", "six"}) {
        const Bmp bmp = Load(std::string("splash_") + pack + "_137.bmp");
        ASSERT_EQ(bmp.width, 240) << pack;
        ASSERT_EQ(bmp.height, 320) << pack;
        ASSERT_EQ(bmp.bits, 4) << pack;
        int inArea[2] = {0, 0};
        int outside = 0;
        for (int y = 0; y < 320; ++y) {
            for (int x = 0; x < 240; ++x) {
                if (bmp.Pixel(x, y) != kLinkBlue)
                    continue;
                const POINT p = {x, y};
                if (PtInRect(&kHelpAreas[0].area, p))
                    ++inArea[0];
                else if (PtInRect(&kHelpAreas[1].area, p))
                    ++inArea[1];
                else
                    ++outside;
            }
        }
        EXPECT_GT(inArea[0], 50) << pack << ": the contact line";
        EXPECT_GT(inArea[1], 50) << pack << ": the trademarks line";
        EXPECT_EQ(outside, 0) << pack << ": link ink outside the tap areas";
    }
}

}  // namespace
