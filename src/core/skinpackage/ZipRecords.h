#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace orvane {

// The records of a ZIP archive that the skin package walk reads, all
// little-endian. Read takes exactly the record's fixed part and gives nothing
// when the span is shorter or, where the walk relies on it, the signature
// differs.

// End of central directory: the last 22 bytes of a package without comment.
//   0 signature 0x06054B50   4 disk   6 directory disk   8 entries here
//  10 entries in all   12 directory size   16 directory offset   20 comment length
struct EndOfCentralDirectory {
    static constexpr std::size_t Size = 22;
    static constexpr std::uint32_t Signature = 0x06054B50u;

    std::uint16_t diskNumber = 0;
    std::uint16_t directoryDisk = 0;
    std::uint16_t entriesOnDisk = 0;
    std::uint16_t totalEntries = 0;
    std::uint32_t directorySize = 0;
    std::uint32_t directoryOffset = 0;
    std::uint16_t commentLength = 0;

    // Also gives nothing for a wrong signature.
    static std::optional<EndOfCentralDirectory> Read(std::span<const std::uint8_t> bytes);
};

// Central directory file header, 46 bytes; name, extra field and comment follow.
//   0 signature   4 made by   6 needed   8 flags   10 method   12 time   14 date
//  16 CRC-32   20 compressed size   24 uncompressed size   28 name length
//  30 extra length   32 comment length   34 disk   36 internal attributes
//  38 external attributes   42 local header offset
struct CentralDirectoryHeader {
    static constexpr std::size_t Size = 46;
    static constexpr std::uint16_t EncryptedFlag = 0x0001;
    static constexpr std::uint16_t DataDescriptorFlag = 0x0008;

    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint16_t modificationTime = 0;
    std::uint16_t modificationDate = 0;
    std::uint32_t crc32 = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint16_t nameLength = 0;
    std::uint16_t extraLength = 0;
    std::uint16_t commentLength = 0;
    std::uint32_t localHeaderOffset = 0;

    // The signature is not tested: the walk trusts the directory's position.
    static std::optional<CentralDirectoryHeader> Read(std::span<const std::uint8_t> bytes);
};

// Local file header, 30 bytes; name and extra field follow, then the data.
//   0 signature   4 needed   6 flags   8 method   10 time   12 date   14 CRC-32
//  18 compressed size   22 uncompressed size   26 name length   28 extra length
struct LocalFileHeader {
    static constexpr std::size_t Size = 30;

    std::uint16_t nameLength = 0;
    std::uint16_t extraLength = 0;

    static std::optional<LocalFileHeader> Read(std::span<const std::uint8_t> bytes);
};

// Compression methods; the walk copies stored entries and inflates the rest.
inline constexpr std::uint16_t ZipMethodStored = 0;
inline constexpr std::uint16_t ZipMethodDeflated = 8;

// The 12-byte header in front of each traditionally encrypted entry.
inline constexpr std::size_t EncryptionHeaderSize = 12;

} // namespace orvane
