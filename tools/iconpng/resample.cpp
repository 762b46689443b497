// Area-averaging resampler. Along each axis one source pixel is `outSize` units wide and one
// output pixel `inSize` units, so every overlap is a whole number and the weights are exact.
#include <algorithm>

#include "image.h"

namespace {

struct Span {
    int first;                   // first source pixel touched
    std::vector<int64_t> cover;  // overlap of each touched source pixel, in units
};

// The source pixels output pixel `o` covers along one axis.
Span Cover(int o, int inSize, int outSize)
{
    const int64_t from = int64_t(o) * inSize;
    const int64_t to = from + inSize;
    Span span{int(from / outSize), {}};
    for (int64_t i = span.first; i * outSize < to; ++i) {
        const int64_t left = std::max(from, i * outSize);
        const int64_t right = std::min(to, (i + 1) * outSize);
        span.cover.push_back(right - left);
    }
    return span;
}

}  // namespace

Image ResampleArea(const Image& in, int width, int height)
{
    Image out{width, height, std::vector<uint32_t>(size_t(width) * size_t(height), 0)};
    if (in.width <= 0 || in.height <= 0 || width <= 0 || height <= 0)
        return out;
    std::vector<Span> columns;
    for (int x = 0; x < width; ++x)
        columns.push_back(Cover(x, in.width, width));
    const int64_t total = int64_t(in.width) * in.height;  // the area of one output pixel
    for (int y = 0; y < height; ++y) {
        const Span rows = Cover(y, in.height, height);
        for (int x = 0; x < width; ++x) {
            const Span& cols = columns[size_t(x)];
            int64_t sum[3] = {0, 0, 0};
            for (size_t r = 0; r < rows.cover.size(); ++r) {
                const uint32_t* src = in.pixels.data() + size_t(rows.first + int(r)) * in.width;
                for (size_t c = 0; c < cols.cover.size(); ++c) {
                    const uint32_t p = src[size_t(cols.first) + c];
                    const int64_t w = rows.cover[r] * cols.cover[c];
                    sum[0] += w * ((p >> 16) & 0xFF);
                    sum[1] += w * ((p >> 8) & 0xFF);
                    sum[2] += w * (p & 0xFF);
                }
            }
            uint32_t pixel = 0;
            for (int64_t channel : sum)
                pixel = pixel << 8 | uint32_t((channel + total / 2) / total);
            out.pixels[size_t(y) * size_t(width) + size_t(x)] = pixel;
        }
    }
    return out;
}
