// Draws the game's pictures (the tool bar images and the program icon) and
// writes them as Windows files that the Windows build embeds:
//   orvane-game-art <folder>  ->  toolbar.bmp (24 px images), toolbar-30.bmp ... toolbar-72.bmp (the same
//   pictures drawn for screens above 96 DPI), mainicon.ico, menucheck.bmp, mdicontrols.bmp (+ .pam previews)
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
    bool larger = true;
    for (const int extent : LargerToolImageExtents) {
        const std::string name = "toolbar-" + std::to_string(extent);
        const orvane::Bitmap sized = ToolBarStrip(extent);
        larger = larger && WriteFileBytes((folder / (name + ".bmp")).string(), orvane::EncodeWindowsBitmap(sized, 32)) &&
                 WriteFileBytes((folder / (name + ".pam")).string(), EncodePam(sized));
    }
    const bool written = larger && WriteFileBytes((folder / "toolbar.bmp").string(), orvane::EncodeWindowsBitmap(strip, 32)) &&
                         WriteFileBytes((folder / "toolbar.pam").string(), EncodePam(strip)) &&
                         WriteFileBytes((folder / "mainicon.ico").string(), EncodeIconFile(icon)) &&
                         WriteFileBytes((folder / "mainicon-48.pam").string(), EncodePam(icon[5])) &&
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
