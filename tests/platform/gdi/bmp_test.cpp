// BMP decoding: the four depths the resources use, both row orders, pictures without the
// file header, the device scale, and damaged data refused without reading past it.
#include <cstring>

#include <gtest/gtest.h>

#include "automation.h"
#include "gdi_probe.h"

namespace {

void Put16(std::vector<uint8_t>* v, uint32_t x)
{
    v->push_back(uint8_t(x));
    v->push_back(uint8_t(x >> 8));
}

void Put32(std::vector<uint8_t>* v, uint32_t x)
{
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

// A BMP file of `width` × `height` (negative: top-down) with the given palette (COLORREFs)
// and rows of pixel values, top row first, packed at `bits` per pixel.
std::vector<uint8_t> MakeBmp(int bits, int width, int height, const std::vector<COLORREF>& palette,
                             const std::vector<std::vector<uint32_t>>& rowsTopFirst)
{
    const int rows = height < 0 ? -height : height;
    const size_t rowBytes = (size_t(width) * bits + 31) / 32 * 4;
    const uint32_t offset = 14 + 40 + uint32_t(palette.size()) * 4;
    std::vector<uint8_t> v;
    v.push_back('B');
    v.push_back('M');
    Put32(&v, offset + uint32_t(rowBytes * rows));
    Put32(&v, 0);
    Put32(&v, offset);
    Put32(&v, 40);
    Put32(&v, uint32_t(width));
    Put32(&v, uint32_t(height));
    Put16(&v, 1);
    Put16(&v, uint16_t(bits));
    Put32(&v, 0);  // BI_RGB
    Put32(&v, uint32_t(rowBytes * rows));
    Put32(&v, 2835);
    Put32(&v, 2835);
    Put32(&v, uint32_t(palette.size()));
    Put32(&v, 0);
    for (COLORREF c : palette) {
        v.push_back(GetBValue(c));
        v.push_back(GetGValue(c));
        v.push_back(GetRValue(c));
        v.push_back(0);
    }
    for (int r = 0; r < rows; ++r) {
        const auto& row = rowsTopFirst[height < 0 ? r : rows - 1 - r];
        std::vector<uint8_t> packed(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const uint32_t p = row[x];
            if (bits == 24) {
                packed[3 * x] = uint8_t(p >> 16);  // stored blue, green, red from a COLORREF
                packed[3 * x + 1] = uint8_t(p >> 8);
                packed[3 * x + 2] = uint8_t(p);
            } else {
                const int bit = x * bits;
                packed[bit / 8] |= uint8_t(p << (8 - bits - bit % 8));
            }
        }
        v.insert(v.end(), packed.begin(), packed.end());
    }
    return v;
}

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);

// Reads device pixel (x, y) of a bitmap through a memory DC.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

void ExpectPicture(HBITMAP bitmap, const std::vector<std::vector<COLORREF>>& want)
{
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    ASSERT_EQ(bm.bmHeight, int(want.size()));
    ASSERT_EQ(bm.bmWidth, int(want[0].size()));
    for (int y = 0; y < bm.bmHeight; ++y) {
        for (int x = 0; x < bm.bmWidth; ++x)
            EXPECT_EQ(Colour{BitmapPixel(bitmap, x, y)}, Colour{want[y][x]}) << x << "," << y;
    }
}

}  // namespace

TEST(Bmp, OneBitBottomUpUsesItsTwoColourTable)
{
    // 9 pixels wide: the row spills into a second byte and is padded to four.
    const auto data =
        MakeBmp(1, 9, 2, {kBlue, kRed}, {{1, 0, 0, 0, 0, 0, 0, 0, 1}, {0, 1, 1, 1, 1, 1, 1, 1, 0}});
    HBITMAP b = GdiCreateBitmapFromBmp(data.data(), data.size());
    ExpectPicture(b, {{kRed, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kRed},
                      {kBlue, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kBlue}});
    DeleteObject(b);
}

TEST(Bmp, FourBitTopDownKeepsItsRowOrder)
{
    std::vector<COLORREF> palette(16, kGrey);
    palette[1] = kRed;
    palette[2] = kGreen;
    palette[15] = kBlue;
    const auto data = MakeBmp(4, 3, -2, palette, {{1, 2, 15}, {15, 0, 1}});
    HBITMAP b = GdiCreateBitmapFromBmp(data.data(), data.size());
    ExpectPicture(b, {{kRed, kGreen, kBlue}, {kBlue, kGrey, kRed}});
    DeleteObject(b);
}

TEST(Bmp, EightBitWithAShortTableDrawsMissingEntriesBlack)
{
    const auto data = MakeBmp(8, 3, 1, {kRed, kGreen}, {{0, 1, 200}});
    HBITMAP b = GdiCreateBitmapFromBmp(data.data(), data.size());
    ExpectPicture(b, {{kRed, kGreen, RGB(0, 0, 0)}});
    DeleteObject(b);
}

TEST(Bmp, TwentyFourBitRowsArePaddedToFourBytes)
{
    const auto data = MakeBmp(24, 2, 2, {}, {{kRed, RGB(1, 2, 3)}, {kGreen, kBlue}});
    HBITMAP b = GdiCreateBitmapFromBmp(data.data(), data.size());
    ExpectPicture(b, {{kRed, RGB(1, 2, 3)}, {kGreen, kBlue}});
    DeleteObject(b);
}

TEST(Bmp, WithoutFileHeaderAsResourcesStoreThem)
{
    const auto file = MakeBmp(4, 2, 1, std::vector<COLORREF>(16, kGreen), {{0, 0}});
    const std::vector<uint8_t> dib(file.begin() + 14, file.end());
    HBITMAP b = GdiCreateBitmapFromBmp(dib.data(), dib.size());
    ExpectPicture(b, {{kGreen, kGreen}});
    DeleteObject(b);
}

TEST(Bmp, AtScaleTwoEachPixelBecomesABlock)
{
    GdiSetScale(2);
    const auto data = MakeBmp(24, 2, 1, {}, {{kRed, kBlue}});
    HBITMAP b = GdiCreateBitmapFromBmp(data.data(), data.size());
    GdiSetScale(1);
    Canvas c(4, 2, 2);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, b);
    BitBlt(c.dc, 1, 0, 2, 1, mem, 0, 0, SRCCOPY);
    const uint32_t red = PixelFromColorref(kRed);
    const uint32_t blue = PixelFromColorref(kBlue);
    EXPECT_EQ(c.pixels[0 * 8 + 2], red);
    EXPECT_EQ(c.pixels[1 * 8 + 3], red);
    EXPECT_EQ(c.pixels[0 * 8 + 4], blue);
    EXPECT_EQ(c.pixels[1 * 8 + 5], blue);
    EXPECT_EQ(c.pixels[0 * 8 + 6], 0xFFFFFFu);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(b);
}

TEST(Bmp, DamagedOrUnsupportedDataIsRefused)
{
    const int before = AutomationGdiObjectCount();
    const auto good =
        MakeBmp(8, 4, 4, {kRed}, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}});
    for (size_t cut : {size_t(0), size_t(10), size_t(30), size_t(54), good.size() - 1}) {
        EXPECT_EQ(GdiCreateBitmapFromBmp(good.data(), cut), nullptr) << "cut at " << cut;
    }
    auto compressed = good;
    compressed[14 + 16] = 1;  // BI_RLE8
    EXPECT_EQ(GdiCreateBitmapFromBmp(compressed.data(), compressed.size()), nullptr);
    auto deep = good;
    deep[14 + 14] = 16;
    EXPECT_EQ(GdiCreateBitmapFromBmp(deep.data(), deep.size()), nullptr);
    auto wide = good;
    wide[14 + 7] = 0x7F;  // width near 2^31
    EXPECT_EQ(GdiCreateBitmapFromBmp(wide.data(), wide.size()), nullptr);
    auto offset = good;
    offset[13] = 0x7F;  // pixel data far past the end
    EXPECT_EQ(GdiCreateBitmapFromBmp(offset.data(), offset.size()), nullptr);
    EXPECT_EQ(GdiCreateBitmapFromBmp(nullptr, 100), nullptr);
    EXPECT_EQ(AutomationGdiObjectCount(), before);
}
