#pragma once

#include "core/raster/Bitmap.h"
#include "core/skinpackage/Sk2Writer.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::test {

// Writes small skin packages for tests: the values given, packed as the
// program's packages are, into a file of a fresh temporary folder that goes
// away with the builder.
class SkinPackageBuilder {
public:
    SkinPackageBuilder();
    ~SkinPackageBuilder();
    SkinPackageBuilder(const SkinPackageBuilder&) = delete;
    SkinPackageBuilder& operator=(const SkinPackageBuilder&) = delete;

    SkinPackageBuilder& Integer(const std::string& name, std::int32_t value);
    SkinPackageBuilder& Flag(const std::string& name, bool value);
    SkinPackageBuilder& Image(const std::string& name, const Bitmap& bitmap);

    // Writes the package and gives its path.
    std::filesystem::path Write(const std::string& password = "");
    const std::filesystem::path& Folder() const { return folder; }

private:
    std::filesystem::path folder;
    std::vector<Sk2Entry> entries;
};

} // namespace orvane::test
