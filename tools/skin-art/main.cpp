// skin-art: draws the images of a built-in skin into a folder, as the
// Windows bitmaps that its manifest names, ready for `orvane-skin pack`.
//
//   skin-art default|plain MANIFEST OUT_DIR

#include "core/base/FileBytes.h"
#include "SkinArt.h"
#include "SkinManifest.h"

#include "core/base/Exception.h"
#include "core/raster/WindowsBitmapFile.h"

#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    using namespace orvane;
    if (argc != 4) {
        std::cerr << "usage: skin-art default|plain MANIFEST OUT_DIR\n";
        return 2;
    }
    const std::string skin = argv[1];
    if (skin != "default" && skin != "plain") {
        std::cerr << "skin-art: unknown skin " << skin << " (default or plain)\n";
        return 2;
    }
    const SkinManifest manifest = ReadSkinManifest(argv[2]);
    for (const std::string& error : manifest.errors)
        std::cerr << "skin-art: " << argv[2] << ": " << error << '\n';
    if (!manifest.errors.empty())
        return 1;
    const std::filesystem::path out = argv[3];
    std::error_code error;
    std::filesystem::create_directories(out, error);

    const art::SkinImages images = skin == "default" ? art::DefaultSkinImages() : art::PlainSkinImages();
    const art::ManifestColors colors(manifest);
    int failures = 0;
    try {
        // Every image the manifest names is drawn; one the skin does not draw is an error.
        for (const ManifestEntry& entry : manifest.entries) {
            if (entry.kind != ManifestKind::Image)
                continue;
            const auto maker = images.find(entry.name);
            if (maker == images.end()) {
                std::cerr << "skin-art: the " << skin << " skin draws no " << entry.name << '\n';
                ++failures;
                continue;
            }
            const Bitmap image = maker->second(colors);
            if (!WriteFileBytes(out / entry.text, EncodeWindowsBitmap(image, 24))) {
                std::cerr << "skin-art: cannot write " << (out / entry.text).string() << '\n';
                ++failures;
            }
        }
    } catch (const Exception& e) {
        std::cerr << "skin-art: " << e.what() << '\n';
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
