// iconpng: makes a program's desktop icons from its own icon resource.
//
//     iconpng <icon.bmp> <output folder> <name> <size>...
//
// writes <output folder>/<size>x<size>/apps/<name>.png for every size, the layout of the
// desktop's icon theme folders, so the install step copies the tree as it is.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "image.h"

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <icon.bmp> <output folder> <name> <size>...\n",
                     argc > 0 ? argv[0] : "iconpng");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                     std::istreambuf_iterator<char>()};
    Image icon;
    std::string why;
    if (!file || !DecodeBmp(bytes, &icon, &why)) {
        std::fprintf(stderr, "iconpng: %s: %s\n", argv[1],
                     why.empty() ? "cannot read" : why.c_str());
        return 1;
    }
    for (int i = 4; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "iconpng: bad size '%s'\n", argv[i]);
            return 2;
        }
        const std::string edge = std::to_string(size);
        const std::filesystem::path folder =
            std::filesystem::path(argv[2]) / (edge + "x" + edge) / "apps";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        const std::string out = (folder / (std::string(argv[3]) + ".png")).string();
        if (!WritePng(ResampleArea(icon, size, size), out)) {
            std::fprintf(stderr, "iconpng: cannot write %s\n", out.c_str());
            return 1;
        }
    }
    return 0;
}
