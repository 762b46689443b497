// Full repaints of crossword grids through GDI, as the grid painter does them: a white
// clear, then per cell a Rectangle in the cell's colour and one letter centred with
// DrawTextW, fonts created and deleted on every paint. Two sizes: the 15 × 15 grid in the
// 240 × 268 view (16-pixel cells) and a 40 × 40 grid of 24-pixel cells (961 × 961), each
// at scale 1 and 2. Targets at scale 1: under 300 µs and under 5 ms.
#include <vector>

#include <benchmark/benchmark.h>

#include "gdi_internal.h"
#include "wingdi.h"

namespace {

struct GridCase {
    int cells;     // per side
    int cellSize;  // device pixels
    int width;     // surface, device pixels
    int height;
};

void PaintGrid(HDC dc, const GridCase& g)
{
    HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(dc, white);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, 0, 0, g.width, g.height);
    SelectObject(dc, oldPen);
    DeleteObject(white);

    HBRUSH open = CreateSolidBrush(RGB(255, 255, 255));
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    LOGFONTW lf{};
    lf.lfHeight = g.cellSize - 2;
    lf.lfWeight = FW_BOLD;
    const char16_t face[] = u"System";
    std::copy(std::begin(face), std::end(face), lf.lfFaceName);
    HFONT letter = CreateFontIndirectW(&lf);
    HGDIOBJ oldFont = SelectObject(dc, letter);
    SelectObject(dc, pen);
    SetBkMode(dc, TRANSPARENT);
    for (int r = 0; r < g.cells; ++r) {
        for (int c = 0; c < g.cells; ++c) {
            const int x0 = c * g.cellSize;
            const int y0 = r * g.cellSize;
            const bool blackSquare = (r * 7 + c * 3) % 11 == 0;
            SelectObject(dc, blackSquare ? black : open);
            Rectangle(dc, x0, y0, x0 + g.cellSize + 1, y0 + g.cellSize + 1);
            if (blackSquare)
                continue;
            const char16_t ch[2] = {char16_t(u'A' + (r * g.cells + c) % 26), 0};
            RECT cell{x0, y0, x0 + g.cellSize + 1, y0 + g.cellSize + 1};
            DrawTextW(dc, ch, 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(letter);
    DeleteObject(pen);
    DeleteObject(open);
    DeleteObject(black);
}

void RunRepaint(benchmark::State& state, const GridCase& g)
{
    const int scale = int(state.range(0));
    std::vector<uint32_t> pixels(size_t(g.width) * scale * g.height * scale);
    Framebuffer fb{pixels.data(), g.width * scale, g.height * scale, g.width * scale, scale};
    const RECT all{0, 0, g.width, g.height};
    HDC dc = GdiCreateSurfaceDC(&fb, POINT{0, 0}, &all, 1);
    PaintGrid(dc, g);  // fonts and glyphs into their caches, as after the first paint
    for (auto _ : state) {
        PaintGrid(dc, g);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    GdiDeleteSurfaceDC(dc);
}

void BM_RepaintGrid15x15(benchmark::State& state)
{
    RunRepaint(state, GridCase{15, 16, 240, 268});
}

void BM_RepaintGrid40x40(benchmark::State& state)
{
    RunRepaint(state, GridCase{40, 24, 961, 961});
}

}  // namespace

BENCHMARK(BM_RepaintGrid15x15)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintGrid40x40)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
