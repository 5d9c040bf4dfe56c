#include "core/skinpackage/Sk2File.h"

#include "core/base/LittleEndian.h"
#include "core/skinpackage/SkinLimits.h"

#include <array>
#include <cstring>
#include <unordered_set>

namespace orvane {
namespace {

constexpr std::size_t HeaderLengthOffset = 12;
constexpr std::size_t FirstEntryOffsetField = 20;
constexpr std::uint32_t IntegerSize = 4;
constexpr std::uint32_t BoolSize = 1;

} // namespace

std::optional<TSk2FileHeader> TSk2FileHeader::Read(std::span<const std::uint8_t> file)
{
    if (file.size() < LengthFieldEnd)
        return std::nullopt;
    // The record is first filled from the 16 bytes that hold the length, then
    // from as many bytes as the length says.
    std::array<std::uint8_t, Size> record{};
    std::memcpy(record.data(), file.data(), LengthFieldEnd);
    const std::uint32_t length = ReadU32LE(record, HeaderLengthOffset);
    if (length > Size || length > file.size())
        return std::nullopt;
    std::memcpy(record.data(), file.data(), length);

    TSk2FileHeader header;
    header.headerLength = ReadU32LE(record, HeaderLengthOffset);
    header.firstEntryOffset = ReadU32LE(record, FirstEntryOffsetField);
    return header;
}

std::optional<TSk2EntryHeader> TSk2EntryHeader::Read(std::span<const std::uint8_t> file, std::uint64_t offset)
{
    if (offset > file.size() || file.size() - offset < Size)
        return std::nullopt;
    const auto bytes = file.subspan(std::size_t(offset), Size);
    TSk2EntryHeader header;
    const auto* name = reinterpret_cast<const char*>(bytes.data());
    header.name.assign(name, strnlen(name, NameSize));
    header.type = bytes[TypeOffset];
    header.dataOffset = ReadU32LE(bytes, DataOffsetField);
    header.dataSize = ReadU32LE(bytes, DataSizeField);
    header.nextOffset = ReadU32LE(bytes, NextOffsetField);
    return header;
}

std::optional<std::vector<Sk2Entry>> ReadSk2File(std::span<const std::uint8_t> file, SkinReadFailure* failure)
{
    const auto fail = [failure](SkinReadFailure why) -> std::optional<std::vector<Sk2Entry>> {
        if (failure != nullptr)
            *failure = why;
        return std::nullopt;
    };
    const auto fileHeader = TSk2FileHeader::Read(file);
    if (!fileHeader)
        return fail(SkinReadFailure::DamagedRecordFile);

    std::vector<Sk2Entry> entries;
    std::uint64_t copied = 0;
    std::unordered_set<std::uint32_t> visited{fileHeader->firstEntryOffset};
    auto header = TSk2EntryHeader::Read(file, fileHeader->firstEntryOffset);
    while (header && header->nextOffset != 0) {
        const auto type = static_cast<Sk2EntryType>(header->type);
        const bool known = type == Sk2EntryType::Image || type == Sk2EntryType::Integer
            || type == Sk2EntryType::Bool || type == Sk2EntryType::String;
        if (known) {
            if ((type == Sk2EntryType::Integer && header->dataSize != IntegerSize)
                || (type == Sk2EntryType::Bool && header->dataSize != BoolSize))
                return fail(SkinReadFailure::DamagedRecordFile);
            if (header->dataOffset > file.size() || file.size() - header->dataOffset < header->dataSize)
                return fail(SkinReadFailure::DamagedRecordFile);
            // Records may name the same bytes again and again; each naming
            // is a copy, so the copies are what the limit counts.
            copied += header->dataSize;
            if (copied > MaxSkinRecordBytesCopied)
                return fail(SkinReadFailure::OverLimit);
            const auto data = file.subspan(header->dataOffset, header->dataSize);
            entries.push_back({std::move(header->name), type, {data.begin(), data.end()}});
        }
        if (!visited.insert(header->nextOffset).second)
            return fail(SkinReadFailure::DamagedRecordFile);
        header = TSk2EntryHeader::Read(file, header->nextOffset);
    }
    if (!header)
        return fail(SkinReadFailure::DamagedRecordFile);
    if (failure != nullptr)
        *failure = SkinReadFailure::None;
    return entries;
}

} // namespace orvane
