#pragma once

#include "SkinManifest.h"

#include "core/raster/Bitmap.h"

#include <functional>
#include <map>
#include <string>

namespace orvane::art {

// The colours of the skin's manifest that the images share with the engine's
// drawing (transparent colour, form colour, bar colours), so that each is
// written down once.
class ManifestColors {
public:
    explicit ManifestColors(const SkinManifest& source) : manifest(source) {}
    // Throws Exception when the manifest has no such colour.
    Color operator()(std::string_view key) const;

private:
    const SkinManifest& manifest;
};

// The images of one skin, by key name.
using ImageMaker = std::function<Bitmap(const ManifestColors&)>;
using SkinImages = std::map<std::string, ImageMaker, std::less<>>;

SkinImages DefaultSkinImages();
SkinImages PlainSkinImages();

} // namespace orvane::art
