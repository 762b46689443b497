// artgen: draws the game's artwork through the device's own GDI and writes the .bmp files
// that resources/crossword embeds. Usage: artgen <folder>.
#include <cstdio>
#include <string>

#include "pictures.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argc > 0 ? argv[0] : "artgen");
        return 2;
    }
    const std::string folder = argv[1];
    struct Output {
        const char* name;
        Picture picture;
        int bitsPerPixel;
    };
    const Output outputs[] = {
        {"toolbar_120.bmp", DrawToolbarStrip(), 24},
        {"icon_101.bmp", DrawIcon(), 24},
        {"keyboard_138.bmp", DrawKeyboard(), 4},  // the device's 16-colour picture
    };
    for (const Output& o : outputs) {
        const std::string path = folder + "/" + o.name;
        if (!WriteFileBytes(path, EncodeBmp(o.picture, o.bitsPerPixel))) {
            std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("artgen: wrote %s (%d x %d, %d bits)\n", path.c_str(), o.picture.width,
                    o.picture.height, o.bitsPerPixel);
    }
    return 0;
}
