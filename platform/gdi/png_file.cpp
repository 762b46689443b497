// PNG files of surfaces, for screenshots of the automation and the golden images of tests.
// libpng's simplified interface does the encoding; pixels travel as 8-bit RGB.
#include <png.h>

#include "gdi_internal.h"

bool GdiWritePng(const Framebuffer& fb, const char* path)
{
    if (!fb.pixels || fb.width <= 0 || fb.height <= 0 || !path)
        return false;
    std::vector<uint8_t> rgb(size_t(fb.width) * fb.height * 3);
    for (int y = 0; y < fb.height; ++y) {
        const uint32_t* row = fb.pixels + size_t(y) * fb.stride;
        uint8_t* out = rgb.data() + size_t(y) * fb.width * 3;
        for (int x = 0; x < fb.width; ++x) {
            out[3 * x] = uint8_t(row[x] >> 16);
            out[3 * x + 1] = uint8_t(row[x] >> 8);
            out[3 * x + 2] = uint8_t(row[x]);
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(fb.width);
    image.height = png_uint_32(fb.height);
    image.format = PNG_FORMAT_RGB;
    const bool ok = png_image_write_to_file(&image, path, 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

bool GdiReadPng(const char* path, std::vector<uint32_t>* pixels, int* width, int* height)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!path || !png_image_begin_read_from_file(&image, path))
        return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    *width = int(image.width);
    *height = int(image.height);
    pixels->resize(size_t(image.width) * image.height);
    for (size_t i = 0; i < pixels->size(); ++i)
        (*pixels)[i] = uint32_t(rgb[3 * i]) << 16 | uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    return true;
}
