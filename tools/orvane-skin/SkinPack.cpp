#include "SkinPack.h"

#include "core/base/FileBytes.h"
#include "SkinManifest.h"

#include "core/base/Exception.h"
#include "core/raster/WindowsBitmapFile.h"
#include "core/skinpackage/Sk2Writer.h"
#include "core/skinpackage/SkinLimits.h"

namespace orvane {
namespace {

constexpr std::string_view SkinDataEntryName = "SKINDATA.SK2";

std::vector<std::uint8_t> LittleEndianBytes(std::int32_t value)
{
    const auto v = std::uint32_t(value);
    return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
}

} // namespace

std::vector<std::string> PackSkin(const std::filesystem::path& sourceFolder, const std::filesystem::path& package,
                                  const SkArchiveOptions& options)
{
    const SkinManifest manifest = ReadSkinManifest(sourceFolder / ManifestFileName);
    std::vector<std::string> problems = manifest.errors;
    std::vector<Sk2Entry> entries;
    for (const ManifestEntry& entry : manifest.entries) {
        switch (entry.kind) {
        case ManifestKind::Colour:
        case ManifestKind::Integer:
            entries.push_back({entry.name, Sk2EntryType::Integer, LittleEndianBytes(entry.number)});
            break;
        case ManifestKind::Flag:
            entries.push_back({entry.name, Sk2EntryType::Bool, {std::uint8_t(entry.number)}});
            break;
        case ManifestKind::String:
            entries.push_back({entry.name, Sk2EntryType::String, {entry.text.begin(), entry.text.end()}});
            break;
        case ManifestKind::Image: {
            const auto path = sourceFolder / entry.text;
            auto bytes = ReadFileBytes(path);
            if (!bytes) {
                problems.push_back("line " + std::to_string(entry.line) + ": cannot read " + path.string());
                break;
            }
            // The reader's limit for one image: a larger one would pack but not load.
            if (!DecodeWindowsBitmap(*bytes, MaxSkinImagePixels)) {
                problems.push_back("line " + std::to_string(entry.line) + ": " + path.string() +
                                   " is not a Windows bitmap the skin reader can load");
                break;
            }
            entries.push_back({entry.name, Sk2EntryType::Image, std::move(*bytes)});
            break;
        }
        }
    }
    if (!problems.empty())
        return problems;

    try {
        const std::vector<std::uint8_t> sk2 = WriteSk2File(entries);
        const std::vector<std::uint8_t> archive =
            WriteSkArchive({SkArchiveEntry{std::string(SkinDataEntryName), sk2}}, options);
        if (!WriteFileBytes(package, archive))
            problems.push_back("cannot write " + package.string());
    } catch (const Exception& error) {
        problems.push_back(error.what());
    }
    return problems;
}

} // namespace orvane
