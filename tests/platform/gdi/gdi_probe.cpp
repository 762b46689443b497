#include "gdi_probe.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

Canvas::Canvas(int width, int height, int scale)
    : pixels(size_t(width) * scale * height * scale, 0xFFFFFF), fb{pixels.data(), width * scale,
                                                                   height * scale, width * scale,
                                                                   scale}
{
    const RECT all{0, 0, width, height};
    dc = GdiCreateSurfaceDC(&fb, POINT{0, 0}, &all, 1);
}

Canvas::~Canvas()
{
    GdiDeleteSurfaceDC(dc);
}

Colour Canvas::At(int x, int y) const
{
    const int s = fb.scale;
    return Colour{ColorrefFromPixel(pixels[size_t(y) * s * fb.stride + size_t(x) * s])};
}

template <typename Pred> RECT Canvas::InkBoxWhere(const RECT& area, Pred&& ink) const
{
    const int s = fb.scale;
    RECT box{0, 0, 0, 0};
    bool any = false;
    for (int y = area.top * s; y < area.bottom * s; ++y) {
        for (int x = area.left * s; x < area.right * s; ++x) {
            if (!ink(pixels[size_t(y) * fb.stride + x]))
                continue;
            const RECT dev{x / s, y / s, x / s + 1, y / s + 1};
            if (!any)
                box = dev;
            box = RECT{std::min(box.left, dev.left), std::min(box.top, dev.top),
                       std::max(box.right, dev.right), std::max(box.bottom, dev.bottom)};
            any = true;
        }
    }
    return box;
}

RECT Canvas::InkBox(const RECT& area, COLORREF color) const
{
    return InkBoxWhere(area, [&](uint32_t p) { return p == PixelFromColorref(color); });
}

RECT Canvas::InkBoxExcept(const RECT& area, COLORREF background) const
{
    return InkBoxWhere(area, [&](uint32_t p) { return p != PixelFromColorref(background); });
}

std::string Canvas::Picture(const RECT& area, COLORREF ink) const
{
    std::string out;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            out += At(x, y).value == ink ? '#' : '.';
        out += '\n';
    }
    return out;
}

void ExpectMatchesGolden(const Framebuffer& fb)
{
    namespace fs = std::filesystem;
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(info->test_suite_name()) + "." + info->name() + ".png";
    const char* source = std::getenv("CROSSWORD_SOURCE_DIR");
    const fs::path folder =
        source ? fs::path(source) / "tests" / "golden" / "gdi" : fs::path(GDI_GOLDEN_DIR);
    const fs::path golden = folder / name;

    const char* update = std::getenv("UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        fs::create_directories(golden.parent_path());
        ASSERT_TRUE(GdiWritePng(fb, golden.c_str())) << "cannot write " << golden;
        return;
    }
    std::vector<uint32_t> expected;
    int width = 0;
    int height = 0;
    ASSERT_TRUE(GdiReadPng(golden.c_str(), &expected, &width, &height))
        << "missing golden " << golden << ": rerun with UPDATE_GOLDEN=1";

    const fs::path out = fs::current_path() / "golden-actual";
    auto fail = [&](const std::string& why) {
        fs::create_directories(out);
        const fs::path actual = out / name;
        GdiWritePng(fb, actual.c_str());
        if (width == fb.width && height == fb.height) {
            // The difference: red where the pixels differ, a faint copy of the golden elsewhere.
            std::vector<uint32_t> diff(size_t(width) * height);
            for (size_t i = 0; i < diff.size(); ++i) {
                const uint32_t got = fb.pixels[(i / width) * fb.stride + i % width] & 0xFFFFFF;
                diff[i] = got == expected[i] ? 0xC0C0C0 | (expected[i] >> 2 & 0x3F3F3F) : 0xFF0000;
            }
            const Framebuffer view{diff.data(), width, height, width, 1};
            GdiWritePng(view, (out / ("diff-" + name)).c_str());
        }
        ADD_FAILURE() << why << " (actual and diff pictures written to " << out << ")";
    };
    if (width != fb.width || height != fb.height) {
        fail("golden is " + std::to_string(width) + "x" + std::to_string(height) + ", picture " +
             std::to_string(fb.width) + "x" + std::to_string(fb.height));
        return;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t want = expected[size_t(y) * width + x];
            const uint32_t got = fb.pixels[size_t(y) * fb.stride + x] & 0xFFFFFF;
            if (want != got) {
                char text[96];
                std::snprintf(text, sizeof text, "first difference at (%d, %d): %06X, golden %06X",
                              x, y, unsigned(got), unsigned(want));
                fail(text);
                return;
            }
        }
    }
}
