#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

enum class SkCompression { Deflate, Store };

struct SkArchiveEntry {
    std::string name;
    std::vector<std::uint8_t> data;
};

struct SkArchiveOptions {
    SkCompression compression = SkCompression::Deflate;
    // Not empty: every entry gets the traditional PKWARE encryption.
    std::string password;
    // Seeds the random bytes of the encryption headers; without one they come
    // from the system's random source. Tests fix it to get the same bytes.
    std::optional<std::uint32_t> encryptionSeed;
};

// Writes a skin package: a ZIP archive (local headers, central directory,
// end record without comment) whose first two bytes are "SK" instead of "PK".
// Entries are deflated (raw DEFLATE by zlib, best compression) or stored, and
// carry a fixed modification time so that the same input gives the same
// package. Sizes beyond the 32-bit fields of a ZIP archive throw Exception.
std::vector<std::uint8_t> WriteSkArchive(const std::vector<SkArchiveEntry>& entries, const SkArchiveOptions& options);

} // namespace orvane
