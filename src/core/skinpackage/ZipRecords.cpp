#include "core/skinpackage/ZipRecords.h"

#include "core/base/LittleEndian.h"

namespace orvane {

std::optional<EndOfCentralDirectory> EndOfCentralDirectory::Read(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < Size || ReadU32LE(bytes, 0) != Signature)
        return std::nullopt;
    EndOfCentralDirectory record;
    record.diskNumber = ReadU16LE(bytes, 4);
    record.directoryDisk = ReadU16LE(bytes, 6);
    record.entriesOnDisk = ReadU16LE(bytes, 8);
    record.totalEntries = ReadU16LE(bytes, 10);
    record.directorySize = ReadU32LE(bytes, 12);
    record.directoryOffset = ReadU32LE(bytes, 16);
    record.commentLength = ReadU16LE(bytes, 20);
    return record;
}

std::optional<CentralDirectoryHeader> CentralDirectoryHeader::Read(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < Size)
        return std::nullopt;
    CentralDirectoryHeader header;
    header.flags = ReadU16LE(bytes, 8);
    header.method = ReadU16LE(bytes, 10);
    header.modificationTime = ReadU16LE(bytes, 12);
    header.modificationDate = ReadU16LE(bytes, 14);
    header.crc32 = ReadU32LE(bytes, 16);
    header.compressedSize = ReadU32LE(bytes, 20);
    header.uncompressedSize = ReadU32LE(bytes, 24);
    header.nameLength = ReadU16LE(bytes, 28);
    header.extraLength = ReadU16LE(bytes, 30);
    header.commentLength = ReadU16LE(bytes, 32);
    header.localHeaderOffset = ReadU32LE(bytes, 42);
    return header;
}

std::optional<LocalFileHeader> LocalFileHeader::Read(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < Size)
        return std::nullopt;
    LocalFileHeader header;
    header.nameLength = ReadU16LE(bytes, 26);
    header.extraLength = ReadU16LE(bytes, 28);
    return header;
}

} // namespace orvane
