#pragma once

#include "core/base/DpiScale.h"
#include "core/raster/Bitmap.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/skinpackage/Sk2SkinFileReader.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace orvane {

// One skin as the skinned elements see it: typed values by group and index of
// the key vocabulary (SkinKeys.h) over the package's record file.
//
// Lookups never fail: a key the skin lacks (or an index beyond its group)
// reads as no bitmap, colour -1, integer -1, flag false, and so does every key
// while no package is loaded.
class TvelSkinReader {
public:
    static constexpr std::int32_t Missing = -1;
    static constexpr Color MissingColor = 0xFFFFFFFFu;

    TvelSkinReader() = default;
    // Loads at once; the engine passes an empty path and so starts not ready.
    TvelSkinReader(const std::filesystem::path& packagePath, const std::string& password);

    // Replaces the whole skin. A path that names no file leaves the reader not
    // ready (not an error). A package that cannot be read, or a wrong
    // password, leaves it not ready and the Exception goes on to the caller;
    // OnLoaded is then not called. Otherwise, after every attempt, OnLoaded.
    //
    // On load every image becomes transparent in SKIN2_TRANSCOLOR, and the
    // track-bar channel gets SKIN2_FORMCOLOR where it has the transparent
    // colour, because it is drawn onto the form's background opaquely.
    void Load(const std::filesystem::path& packagePath, const std::string& password);

    // The bitmap is owned by the reader; callers that change pixels copy it.
    Bitmap* GetBitmap(int index) const;
    Color GetColor(int index) const;
    std::int32_t GetInt(int index) const;
    bool GetFlag(int index) const;

    bool Ready() const { return ready; }
    const Tsk2SkinFileReader* FileReader() const { return fileReader.get(); }

    // The same skin for windows drawn at `dpi`: the frame's pictures (title
    // sections, borders, title buttons, menu bar) scaled by ScaleImageForDpi,
    // the button strip frame by frame, and every integer (each a place or a
    // row in those pictures) scaled with them; colours, flags and the other
    // pictures as they are. It shares this reader's package and is made once
    // per skin and DPI: scaling happens here, never while painting.
    std::unique_ptr<TvelSkinReader> ScaledForDpi(unsigned dpi) const;
    // The DPI the reader's pictures are drawn for.
    unsigned Dpi() const { return dpi; }

    // Called after every load attempt that did not raise.
    std::function<void()> OnLoaded;

private:
    std::shared_ptr<Tsk2SkinFileReader> fileReader;
    bool ready = false;
    unsigned dpi = DefaultDpi;
    // A scaled reader's own pictures and integers, in place of the package's
    // where set.
    std::array<std::unique_ptr<Bitmap>, SkinImageCount> scaledImages;
    std::array<std::int32_t, SkinIntegerCount> scaledIntegers{};
    bool integersScaled = false;
};

} // namespace orvane
