#pragma once

#include "core/raster/Bitmap.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One loaded skin record file: the "SKINDATA.SK2" entry of a skin package,
// extracted, decrypted, inflated and parsed into four keyed tables.
//
// The constructor throws Exception("Wrong password!") or
// Exception("Failed to read skin file!") (as a SkinReadError, which names the
// step that failed); no reader remains then, and the temporary file of the
// load is gone in every case. A package beyond the limits of SkinLimits.h,
// and one that exhausts memory, fails with "Failed to read skin file!".
class Tsk2SkinFileReader {
public:
    struct ImageEntry {
        std::string name;
        std::unique_ptr<Bitmap> bitmap;
    };

    Tsk2SkinFileReader(const std::filesystem::path& packagePath, const std::string& password);

    // Lookups by key name, case-insensitive; they never fail.
    Bitmap* GetImage(std::string_view name) const;       // none: nullptr
    std::int32_t GetInteger(std::string_view name) const; // none or unparsable: -1
    bool GetBool(std::string_view name) const;            // none or unparsable: false

    // Every image: fixed transparency with this colour.
    void SetImagesTransparentColor(Color color);

    // The tables in file order. Integers, Bools and Strings hold lines
    // "NAME=VALUE" (the value in decimal, the byte value, the text).
    const std::vector<ImageEntry>& Images() const { return images; }
    const std::vector<std::string>& Integers() const { return integers; }
    const std::vector<std::string>& Bools() const { return bools; }
    const std::vector<std::string>& Strings() const { return strings; }

private:
    void LoadSkinFile(const std::filesystem::path& packagePath, const std::string& password);

    std::vector<ImageEntry> images;
    std::vector<std::string> integers;
    std::vector<std::string> bools;
    std::vector<std::string> strings;
};

} // namespace orvane
