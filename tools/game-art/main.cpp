// Draws the game's pictures (the tool bar images and the program icon) and
// writes them as Windows files that the Windows build embeds:
//   orvane-game-art <folder>  ->  toolbar.bmp, mainicon.ico, menucheck.bmp, mdicontrols.bmp (+ .pam previews)
#include "GameArt.h"
#include "ImageFiles.h"
#include "core/raster/WindowsBitmapFile.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane-game-art <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);

    using namespace orvane::art;
    const orvane::Bitmap strip = ToolBarStrip();
    const std::vector<orvane::Bitmap> icon = MainIconImages();
    const bool written = WriteFileBytes((folder / "toolbar.bmp").string(), orvane::EncodeWindowsBitmap(strip, 32)) &&
                         WriteFileBytes((folder / "toolbar.pam").string(), EncodePam(strip)) &&
                         WriteFileBytes((folder / "mainicon.ico").string(), EncodeIconFile(icon)) &&
                         WriteFileBytes((folder / "mainicon-48.pam").string(), EncodePam(icon[3])) &&
                         WriteFileBytes((folder / "menucheck.bmp").string(),
                                        orvane::EncodeWindowsBitmap(MenuCheckMark(), 24)) &&
                         WriteFileBytes((folder / "mdicontrols.bmp").string(),
                                        orvane::EncodeWindowsBitmap(MdiControlGlyphs(), 24));
    if (!written) {
        std::fprintf(stderr, "orvane-game-art: cannot write into %s\n", folder.string().c_str());
        return 1;
    }
    return 0;
}
