// artgen: draws the game's artwork through the device's own GDI and writes the .bmp files
// that resources/crossword embeds. Usage: artgen <folder>.
#include <cstdio>
#include <string>

#include "dialog_pictures.h"
#include "output_folder.h"
#include "pictures.h"

int main(int argc, char** argv)
{
    int exitCode = 0;
    const std::string folder = OutputFolder(argc, argv, "artgen", &exitCode);
    if (folder.empty())
        return exitCode;
    struct Output {
        const char* name;
        Picture picture;
        int bitsPerPixel;
    };
    const Output outputs[] = {
        {"toolbar_120.bmp", DrawToolbarStrip(), 24},
        {"icon_101.bmp", DrawIcon(), 24},
        {"keyboard_138.bmp", DrawKeyboard(), 4},  // the device's 16-colour picture
        {"help_menu_123.bmp", DrawQuickHelpPicture(0), 24},
        {"help_check_124.bmp", DrawQuickHelpPicture(1), 24},
        {"help_hint_125.bmp", DrawQuickHelpPicture(2), 24},
        {"help_zoom_126.bmp", DrawQuickHelpPicture(6), 24},
        {"help_clues_127.bmp", DrawQuickHelpPicture(5), 24},
        {"help_open_128.bmp", DrawQuickHelpPicture(4), 24},
        {"help_keyboard_130.bmp", DrawQuickHelpPicture(8), 24},
        {"help_direction_131.bmp", DrawQuickHelpPicture(7), 24},
        {"help_about_116.bmp", DrawQuickHelpPicture(9), 24},
        {"about_137.bmp", DrawAboutPicture(), 24},
        {"logo_left_145.bmp", DrawLogoLeft(), 24},
        {"logo_middle_146.bmp", DrawLogoMiddle(), 24},
        {"logo_right_147.bmp", DrawLogoRight(), 24},
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
