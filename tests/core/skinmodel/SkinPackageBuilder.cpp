#include "SkinPackageBuilder.h"

#include "core/base/FileBytes.h"
#include "SkArchiveWriter.h"

#include "core/raster/WindowsBitmapFile.h"

#include <atomic>
#include <stdexcept>
#include <unistd.h>

namespace orvane::test {

SkinPackageBuilder::SkinPackageBuilder()
{
    static std::atomic<int> counter{0};
    folder = std::filesystem::temp_directory_path() /
             ("orvane-skin-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder);
}

SkinPackageBuilder::~SkinPackageBuilder()
{
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

SkinPackageBuilder& SkinPackageBuilder::Integer(const std::string& name, std::int32_t value)
{
    const auto v = std::uint32_t(value);
    entries.push_back({name, Sk2EntryType::Integer,
                       {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)}});
    return *this;
}

SkinPackageBuilder& SkinPackageBuilder::Flag(const std::string& name, bool value)
{
    entries.push_back({name, Sk2EntryType::Bool, {std::uint8_t(value ? 1 : 0)}});
    return *this;
}

SkinPackageBuilder& SkinPackageBuilder::Image(const std::string& name, const Bitmap& bitmap)
{
    entries.push_back({name, Sk2EntryType::Image, EncodeWindowsBitmap(bitmap, 24)});
    return *this;
}

std::filesystem::path SkinPackageBuilder::Write(const std::string& password)
{
    SkArchiveOptions options;
    options.password = password;
    options.encryptionSeed = 1;
    const auto path = folder / "skin.ssk";
    if (!WriteFileBytes(path, WriteSkArchive({{"SKINDATA.SK2", WriteSk2File(entries)}}, options)))
        throw std::runtime_error("cannot write the test package");
    return path;
}

} // namespace orvane::test
