// Stored-pixel fills behind every primitive: the only loops that write runs of pixels.
#include "raster.h"

void FillDeviceRect(const DeviceContext& dc, const RECT& rect, uint32_t pixel)
{
    ForEachStoredRect(dc, rect, [pixel](Framebuffer& fb, const RECT& r) {
        const int width = r.right - r.left;
        uint32_t* row = fb.pixels + size_t(r.top) * fb.stride + r.left;
        for (int y = r.top; y < r.bottom; ++y, row += fb.stride)
            std::fill_n(row, width, pixel);
    });
}

void XorDeviceRect(const DeviceContext& dc, const RECT& rect, uint32_t mask)
{
    ForEachStoredRect(dc, rect, [mask](Framebuffer& fb, const RECT& r) {
        uint32_t* row = fb.pixels + size_t(r.top) * fb.stride + r.left;
        for (int y = r.top; y < r.bottom; ++y, row += fb.stride) {
            for (int x = 0; x < r.right - r.left; ++x)
                row[x] ^= mask;
        }
    });
}
