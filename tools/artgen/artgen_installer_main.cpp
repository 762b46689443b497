// artgen_installer: draws the installer's artwork and writes the .bmp files that
// resources/brambleset embeds. Usage: artgen_installer <folder>.
#include <cstdio>
#include <string>

#include "installer_pictures.h"
#include "output_folder.h"

int main(int argc, char** argv)
{
    int exitCode = 0;
    const std::string folder = OutputFolder(argc, argv, "artgen_installer", &exitCode);
    if (folder.empty())
        return exitCode;
    struct Output {
        std::string name;
        Picture picture;
        int bitsPerPixel;
    };
    const Output outputs[] = {
        {"installer_icon_101.bmp", DrawInstallerIcon(), 24},
        {"piece_145.bmp", DrawLeftPiece(), 4},
        {"piece_146.bmp", DrawMiddlePiece(), 4},
        {"piece_147.bmp", DrawRightPiece(), 4},
        {"splash_one_137.bmp", DrawSplash(u"Brambleset One"), 4},
        {"splash_two_137.bmp", DrawSplash(u"Brambleset Two"), 4},
        {"splash_three_137.bmp", DrawSplash(u"Brambleset Three"), 4},
        {"splash_four_137.bmp", DrawSplash(u"Brambleset Four"), 4},
        {"splash_five_137.bmp", DrawSplash(u"Brambleset Five"), 4},
        {"splash_six_137.bmp", DrawSplash(u"Brambleset Six"), 4},
    };
    for (const Output& o : outputs) {
        const std::string path = folder + "/" + o.name;
        if (!WriteFileBytes(path, EncodeBmp(o.picture, o.bitsPerPixel))) {
            std::fprintf(stderr, "artgen_installer: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("artgen_installer: wrote %s (%d x %d, %d bits)\n", path.c_str(),
                    o.picture.width, o.picture.height, o.bitsPerPixel);
    }
    return 0;
}
