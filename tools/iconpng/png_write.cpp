// PNG output through libpng's simplified interface.
#include <png.h>

#include "image.h"

bool WritePng(const Image& image, const std::string& path)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != size_t(image.width) * size_t(image.height))
        return false;
    std::vector<uint8_t> rgb(image.pixels.size() * 3);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        rgb[3 * i] = uint8_t(image.pixels[i] >> 16);
        rgb[3 * i + 1] = uint8_t(image.pixels[i] >> 8);
        rgb[3 * i + 2] = uint8_t(image.pixels[i]);
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = png_uint_32(image.width);
    png.height = png_uint_32(image.height);
    png.format = PNG_FORMAT_RGB;
    const bool ok = png_image_write_to_file(&png, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return ok;
}
