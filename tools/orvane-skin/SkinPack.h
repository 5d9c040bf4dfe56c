#pragma once

#include "SkArchiveWriter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// Packs a skin source folder (its skin.manifest and the bitmaps it names)
// into a skin package holding one entry, "SKINDATA.SK2", with the values in
// manifest order. Gives the problems found; nothing is written unless there
// are none.
std::vector<std::string> PackSkin(const std::filesystem::path& sourceFolder, const std::filesystem::path& package,
                                  const SkArchiveOptions& options);

} // namespace orvane
