#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The text manifest of a skin source folder ("skin.manifest"): one value per
// line, `KIND NAME VALUE`, with blank lines and lines starting with '#'
// ignored:
//
//   colour  SKIN2_FORMCOLOR         #ECEFF4     (web order RRGGBB; stored 0x00BBGGRR)
//   integer SKIN2_TITLEBARICONPOSX  8
//   flag    SKIN2_TITLEFIVESECT     yes         (yes/no, true/false, 1/0)
//   string  AUTHOR                  The rest of the line
//   image   SKIN2_TITLEBAR1         titlebar1.bmp   (a Windows bitmap beside the manifest;
//                                                    the rest of the line, as for strings)
//
// Names of the SKIN2_ vocabulary must be spelt as it has them and used with
// their own kind; other names are carried as they are.
enum class ManifestKind { Colour, Integer, Flag, String, Image };

struct ManifestEntry {
    ManifestKind kind;
    std::string name;
    std::int32_t number = 0; // colour (0x00BBGGRR), integer or flag (0/1)
    std::string text;        // string value, or image file name
    int line = 0;
};

struct SkinManifest {
    std::vector<ManifestEntry> entries;
    std::vector<std::string> errors; // "line N: ..." ; empty when the manifest is good

    const ManifestEntry* Find(std::string_view name) const;
};

inline constexpr std::string_view ManifestFileName = "skin.manifest";

SkinManifest ParseSkinManifest(std::string_view text);
// Reads and parses the file; an unreadable file gives one error.
SkinManifest ReadSkinManifest(const std::filesystem::path& path);

// The colour value of "#RRGGBB" as the skin stores it (0x00BBGGRR).
bool ParseWebColor(std::string_view text, std::uint32_t& color);

} // namespace orvane
