#pragma once

#include "core/skinpackage/SkinReadFailure.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// The kinds of value an SK2 record file carries; other type bytes are skipped.
enum class Sk2EntryType : std::uint8_t { Image = 0, Integer = 1, Bool = 2, String = 3 };

// One keyed value: Image data is a whole Windows bitmap file, Integer 4 bytes
// (a signed little-endian number), Bool 1 byte, String the text bytes.
struct Sk2Entry {
    std::string name;
    Sk2EntryType type;
    std::vector<std::uint8_t> data;

    friend bool operator==(const Sk2Entry&, const Sk2Entry&) = default;
};

// The file header, 24 bytes; only two fields are read.
//   0..11 not read   12 header length u32   16..19 not read   20 first entry header offset u32
// The header length (at most 24) says how many bytes of the record the file
// fills; fields it does not reach read as 0.
struct TSk2FileHeader {
    static constexpr std::size_t Size = 24;
    static constexpr std::size_t LengthFieldEnd = 16;

    std::uint32_t headerLength = 0;
    std::uint32_t firstEntryOffset = 0;

    static std::optional<TSk2FileHeader> Read(std::span<const std::uint8_t> file);
};

// An entry header, 77 bytes, packed:
//   0 name, 64 bytes, up to the first NUL   64 type u8   65 data offset u32
//   69 data size u32   73 next entry header offset u32 (0: this header ends the chain)
struct TSk2EntryHeader {
    static constexpr std::size_t Size = 77;
    static constexpr std::size_t NameSize = 64;
    static constexpr std::size_t TypeOffset = 64;
    static constexpr std::size_t DataOffsetField = 65;
    static constexpr std::size_t DataSizeField = 69;
    static constexpr std::size_t NextOffsetField = 73;

    std::string name;
    std::uint8_t type = 0;
    std::uint32_t dataOffset = 0;
    std::uint32_t dataSize = 0;
    std::uint32_t nextOffset = 0;

    static std::optional<TSk2EntryHeader> Read(std::span<const std::uint8_t> file, std::uint64_t offset);
};

// Walks the chain of entry headers from the first and gives the entries of
// the known types in chain order. The header whose next offset is 0 ends the
// chain; its own entry is not part of the file's content. Gives nothing for a
// header or data outside the file, a header length above 24, an Integer or
// Bool whose size is not 4 or 1, or a chain that comes back to a header
// (failure DamagedRecordFile), and for records whose data together exceed
// MaxSkinRecordBytesCopied (failure OverLimit).
std::optional<std::vector<Sk2Entry>> ReadSk2File(std::span<const std::uint8_t> file,
    SkinReadFailure* failure = nullptr);

} // namespace orvane
