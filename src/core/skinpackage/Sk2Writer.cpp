#include "core/skinpackage/Sk2Writer.h"

#include "core/base/Exception.h"
#include "core/base/LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace orvane {
namespace {

// What our writer puts into the header bytes that readers do not interpret:
// a tag in bytes 0..11 and the entry count at 16.
constexpr std::string_view FileTag = "OrvaneSkin2";
constexpr std::size_t HeaderLengthOffset = 12;
constexpr std::size_t EntryCountOffset = 16;
constexpr std::size_t FirstEntryOffsetField = 20;
// The type byte of the terminating header: no type, so that even a reader
// that loaded it would skip it.
constexpr std::uint8_t TerminatorType = 0xFF;

void AppendEntryHeader(std::vector<std::uint8_t>& file, std::string_view name, std::uint8_t type,
    std::uint32_t dataOffset, std::uint32_t dataSize, std::uint32_t nextOffset)
{
    const std::size_t at = file.size();
    file.resize(at + TSk2EntryHeader::Size, 0);
    const std::span<std::uint8_t> header(file.data() + at, TSk2EntryHeader::Size);
    std::copy(name.begin(), name.end(), header.begin());
    header[TSk2EntryHeader::TypeOffset] = type;
    WriteU32LE(header, TSk2EntryHeader::DataOffsetField, dataOffset);
    WriteU32LE(header, TSk2EntryHeader::DataSizeField, dataSize);
    WriteU32LE(header, TSk2EntryHeader::NextOffsetField, nextOffset);
}

} // namespace

std::vector<std::uint8_t> WriteSk2File(const std::vector<Sk2Entry>& entries)
{
    std::vector<std::uint8_t> file(TSk2FileHeader::Size, 0);
    std::memcpy(file.data(), FileTag.data(), FileTag.size());
    WriteU32LE(file, HeaderLengthOffset, TSk2FileHeader::Size);
    WriteU32LE(file, EntryCountOffset, static_cast<std::uint32_t>(entries.size()));
    WriteU32LE(file, FirstEntryOffsetField, TSk2FileHeader::Size);

    for (const Sk2Entry& entry : entries) {
        if (entry.name.size() > TSk2EntryHeader::NameSize)
            throw Exception("SK2 entry name longer than 64 bytes: " + entry.name);
        const auto dataOffset = static_cast<std::uint32_t>(file.size() + TSk2EntryHeader::Size);
        const auto dataSize = static_cast<std::uint32_t>(entry.data.size());
        AppendEntryHeader(file, entry.name, static_cast<std::uint8_t>(entry.type), dataOffset, dataSize,
            dataOffset + dataSize);
        file.insert(file.end(), entry.data.begin(), entry.data.end());
    }
    AppendEntryHeader(file, {}, TerminatorType, 0, 0, 0);
    return file;
}

} // namespace orvane
