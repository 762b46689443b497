// iconpng: .bmp decoding, area resampling and PNG output, checked pixel by pixel.
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "image.h"

namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

uint32_t At(const Image& image, int x, int y)
{
    return image.pixels[size_t(y) * size_t(image.width) + size_t(x)];
}

void Put16(std::vector<uint8_t>* b, size_t at, uint32_t v)
{
    (*b)[at] = uint8_t(v);
    (*b)[at + 1] = uint8_t(v >> 8);
}

void Put32(std::vector<uint8_t>* b, size_t at, uint32_t v)
{
    Put16(b, at, v);
    Put16(b, at + 2, v >> 16);
}

// A .bmp written the way the format says, independently of the decoder: `rows` top row
// first, stored bottom-up unless `topDown`, each row padded to four bytes.
std::vector<uint8_t> MakeBmp(const std::vector<std::vector<uint32_t>>& rows, int bits, bool topDown)
{
    const int height = int(rows.size());
    const int width = int(rows[0].size());
    const size_t rowBytes = (size_t(width) * size_t(bits / 8) + 3) / 4 * 4;
    std::vector<uint8_t> b(54 + rowBytes * size_t(height), 0xEE);  // padding bytes are junk
    b[0] = 'B';
    b[1] = 'M';
    Put32(&b, 2, uint32_t(b.size()));
    Put32(&b, 6, 0);
    Put32(&b, 10, 54);
    Put32(&b, 14, 40);
    Put32(&b, 18, uint32_t(width));
    Put32(&b, 22, uint32_t(topDown ? -height : height));
    Put16(&b, 26, 1);
    Put16(&b, 28, uint32_t(bits));
    Put32(&b, 30, 0);
    for (size_t at = 34; at < 54; ++at)
        b[at] = 0;
    for (int y = 0; y < height; ++y) {
        const size_t row = 54 + size_t(topDown ? y : height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const uint32_t p = rows[size_t(y)][size_t(x)];
            const size_t at = row + size_t(x) * size_t(bits / 8);
            b[at] = uint8_t(p);
            b[at + 1] = uint8_t(p >> 8);
            b[at + 2] = uint8_t(p >> 16);
            if (bits == 32)
                b[at + 3] = 0;
        }
    }
    return b;
}

Image Solid(int width, int height, uint32_t colour)
{
    return {width, height, std::vector<uint32_t>(size_t(width) * size_t(height), colour)};
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Reads a PNG back with libpng as 8-bit RGB.
bool ReadPng(const std::string& path, Image* out)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return false;
    png.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(png));
    const bool ok = png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr) != 0;
    png_image_free(&png);
    if (!ok)
        return false;
    *out = Solid(int(png.width), int(png.height), 0);
    for (size_t i = 0; i < out->pixels.size(); ++i)
        out->pixels[i] =
            uint32_t(rgb[3 * i]) << 16 | uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    return true;
}

std::filesystem::path TempFolder()
{
    return std::filesystem::path(std::getenv("CROSSWORD_DEVICE_ROOT")) / "iconpng";
}

}  // namespace

TEST(BmpDecode, ReadsBottomUpRowsWithPaddingTopRowFirst)
{
    // Three pixels of three bytes: each row carries three bytes of padding.
    const auto bytes = MakeBmp({{kRed, kGreen, kBlue}, {kWhite, kBlack, 0x123456}}, 24, false);
    Image image;
    std::string why;
    ASSERT_TRUE(DecodeBmp(bytes, &image, &why)) << why;
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(At(image, 0, 0), kRed);
    EXPECT_EQ(At(image, 1, 0), kGreen);
    EXPECT_EQ(At(image, 2, 0), kBlue);
    EXPECT_EQ(At(image, 0, 1), kWhite);
    EXPECT_EQ(At(image, 1, 1), kBlack);
    EXPECT_EQ(At(image, 2, 1), 0x123456u);
}

TEST(BmpDecode, ReadsTopDownAndThirtyTwoBitPictures)
{
    Image image;
    std::string why;
    ASSERT_TRUE(DecodeBmp(MakeBmp({{kRed}, {kBlue}}, 24, true), &image, &why)) << why;
    EXPECT_EQ(At(image, 0, 0), kRed);
    EXPECT_EQ(At(image, 0, 1), kBlue);
    ASSERT_TRUE(DecodeBmp(MakeBmp({{kGreen, 0xABCDEF}}, 32, false), &image, &why)) << why;
    EXPECT_EQ(At(image, 0, 0), kGreen);
    EXPECT_EQ(At(image, 1, 0), 0xABCDEFu);
}

TEST(BmpDecode, RefusesWhatItCannotRead)
{
    Image image;
    std::string why;
    const auto good = MakeBmp({{kRed, kGreen}, {kBlue, kWhite}}, 24, false);

    auto notBmp = good;
    notBmp[0] = 'X';
    EXPECT_FALSE(DecodeBmp(notBmp, &image, &why));
    EXPECT_EQ(why, "not a .bmp file");

    auto paletted = good;
    Put16(&paletted, 28, 8);
    EXPECT_FALSE(DecodeBmp(paletted, &image, &why));

    auto compressed = good;
    Put32(&compressed, 30, 1);  // run-length encoded
    EXPECT_FALSE(DecodeBmp(compressed, &image, &why));

    auto cut = good;
    cut.resize(cut.size() - 1);
    EXPECT_FALSE(DecodeBmp(cut, &image, &why));
    EXPECT_EQ(why, "pixel data cut short");

    auto huge = good;
    Put32(&huge, 18, 100000);
    EXPECT_FALSE(DecodeBmp(huge, &image, &why));

    EXPECT_FALSE(DecodeBmp(std::vector<uint8_t>(good.begin(), good.begin() + 20), &image, &why));
}

TEST(ResampleArea, WholeEnlargementRepeatsEveryPixelAsABlock)
{
    const Image in = {2, 2, {kRed, kGreen, kBlue, 0x808080}};
    const Image out = ResampleArea(in, 8, 8);
    ASSERT_EQ(out.width, 8);
    ASSERT_EQ(out.height, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(At(out, x, y), At(in, x / 4, y / 4)) << x << "," << y;
}

TEST(ResampleArea, HalvingAveragesEachTwoByTwoBlock)
{
    // Block means: (0 + 255 + 255 + 255) / 4 = 191.25 -> 191, and red/blue channels apart.
    const Image in = {4, 2, {kBlack, kWhite, kRed, kRed, kWhite, kWhite, kBlue, kBlue}};
    const Image out = ResampleArea(in, 2, 1);
    ASSERT_EQ(out.pixels.size(), 2u);
    EXPECT_EQ(At(out, 0, 0), 0xBFBFBFu);
    EXPECT_EQ(At(out, 1, 0), 0x800080u);  // 127.5 rounds up
}

TEST(ResampleArea, FractionalRatioBlendsOnlyWhereABoundaryFalls)
{
    // 2 -> 3 columns: the middle output pixel covers half of each source pixel.
    const Image out = ResampleArea({2, 1, {kBlack, kWhite}}, 3, 1);
    EXPECT_EQ(At(out, 0, 0), kBlack);
    EXPECT_EQ(At(out, 1, 0), 0x808080u);
    EXPECT_EQ(At(out, 2, 0), kWhite);

    // 3 -> 2 columns: each output pixel is one whole source pixel and half of the middle.
    const Image down = ResampleArea({3, 1, {0x000000, 0x000090, 0x0000FF}}, 2, 1);
    EXPECT_EQ(At(down, 0, 0), 0x000030u);  // (0 * 2 + 144) / 3 = 48
    EXPECT_EQ(At(down, 1, 0), 0x0000DAu);  // (144 + 255 * 2) / 3 = 218
}

TEST(ResampleArea, UniformPictureStaysUniformAtEveryIconSize)
{
    const Image in = Solid(32, 32, 0x3366CC);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const Image out = ResampleArea(in, size, size);
        ASSERT_EQ(out.pixels.size(), size_t(size) * size_t(size));
        for (uint32_t p : out.pixels)
            ASSERT_EQ(p, 0x3366CCu) << "at size " << size;
    }
}

TEST(WritePng, RoundTripsThroughLibpng)
{
    std::filesystem::create_directories(TempFolder());
    const std::string path = (TempFolder() / "round.png").string();
    const Image in = {3, 2, {kRed, kGreen, kBlue, kWhite, kBlack, 0x123456}};
    ASSERT_TRUE(WritePng(in, path));
    Image back;
    ASSERT_TRUE(ReadPng(path, &back));
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.pixels, in.pixels);

    EXPECT_FALSE(WritePng({2, 2, {kRed}}, (TempFolder() / "short.png").string()));
    EXPECT_FALSE(WritePng(in, (TempFolder() / "no such folder" / "x.png").string()));
}

TEST(ProgramIcons, EveryIconResourceGivesCrispLargeIcons)
{
    const std::filesystem::path source = std::getenv("CROSSWORD_SOURCE_DIR");
    for (const char* bmp :
         {"resources/crossword/icon_101.bmp", "resources/brambleset/installer_icon_101.bmp"}) {
        Image icon;
        std::string why;
        ASSERT_TRUE(DecodeBmp(ReadFile(source / bmp), &icon, &why)) << bmp << ": " << why;
        EXPECT_EQ(icon.width, 32) << bmp;
        EXPECT_EQ(icon.height, 32) << bmp;
        // 256 = 8 x 32: each source pixel an 8 x 8 block, no blended edge anywhere.
        const Image large = ResampleArea(icon, 256, 256);
        for (int y = 0; y < 256; y += 7)
            for (int x = 0; x < 256; x += 5)
                ASSERT_EQ(At(large, x, y), At(icon, x / 8, y / 8)) << bmp << " " << x << "," << y;
    }
}
