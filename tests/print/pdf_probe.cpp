#include "pdf_probe.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

std::string Output(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    pclose(pipe);
    return out;
}

std::string Quoted(const std::string& path)
{
    return "'" + path + "'";
}

}  // namespace

std::string ScratchPath(const std::string& name)
{
    const char* root = std::getenv("CROSSWORD_DEVICE_ROOT");
    return std::string(root ? root : "/tmp") + "/" + name;
}

int PdfPages(const std::string& path)
{
    const std::string info = Output("pdfinfo " + Quoted(path) + " 2>/dev/null");
    const size_t at = info.find("\nPages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 7);
}

std::string PdfText(const std::string& path, int page)
{
    const std::string range =
        page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    return Output("pdftotext -enc UTF-8" + range + " " + Quoted(path) + " - 2>/dev/null");
}

std::string Squeezed(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA0)
            ++i;
        else if (c > ' ' && c != '-')
            out += char(c);
    }
    return out;
}

int PageImage::Darkest(double x0, double y0, double x1, double y1) const
{
    const int px0 = std::max(0, int(std::floor(x0 * scale)) - left);
    const int py0 = std::max(0, int(std::floor(y0 * scale)) - top);
    const int px1 = std::min(width - 1, int(std::ceil(x1 * scale)) - left);
    const int py1 = std::min(height - 1, int(std::ceil(y1 * scale)) - top);
    int darkest = 255;
    for (int y = py0; y <= py1; ++y)
        for (int x = px0; x <= px1; ++x)
            darkest = std::min(darkest, int(grey[size_t(y) * size_t(width) + size_t(x)]));
    return darkest;
}

PageImage RenderRegion(const std::string& path, int page, int dpi, const PrintRect& region)
{
    PageImage image;
    image.scale = dpi / 72.0;
    image.left = int(std::floor(region.x * image.scale));
    image.top = int(std::floor(region.y * image.scale));
    const int w = int(std::ceil((region.x + region.width) * image.scale)) - image.left + 1;
    const int h = int(std::ceil((region.y + region.height) * image.scale)) - image.top + 1;
    const std::string root = path + "-page";
    Output("pdftoppm -png -gray -singlefile -r " + std::to_string(dpi) + " -f " +
           std::to_string(page) + " -l " + std::to_string(page) + " -x " +
           std::to_string(image.left) + " -y " + std::to_string(image.top) + " -W " +
           std::to_string(w) + " -H " + std::to_string(h) + " " + Quoted(path) + " " +
           Quoted(root));
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    const std::string file = root + ".png";
    if (!png_image_begin_read_from_file(&png, file.c_str()))
        return image;
    png.format = PNG_FORMAT_GRAY;
    image.grey.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.grey.data(), 0, nullptr)) {
        image.grey.clear();
        return image;
    }
    image.width = int(png.width);
    image.height = int(png.height);
    std::remove(file.c_str());
    return image;
}
