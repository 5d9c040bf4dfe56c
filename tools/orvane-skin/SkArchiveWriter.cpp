#include "SkArchiveWriter.h"

#include "core/base/Exception.h"
#include "core/base/LittleEndian.h"
#include "core/skinpackage/Crc32.h"
#include "core/skinpackage/TraditionalCipher.h"
#include "core/skinpackage/ZipRecords.h"

#include <zlib.h>

#include <limits>
#include <random>

namespace orvane {
namespace {

constexpr std::uint32_t LocalHeaderSignature = 0x04034B50u;
constexpr std::uint32_t CentralHeaderSignature = 0x02014B50u;
constexpr std::uint16_t VersionNeeded = 20; // deflate and traditional encryption
constexpr std::uint16_t VersionMadeBy = 20; // MS-DOS attributes
// 1 January 1980, 00:00, the earliest DOS date: packages do not change with
// the time they were made.
constexpr std::uint16_t FixedDosTime = 0;
constexpr std::uint16_t FixedDosDate = (1 << 5) | 1;
constexpr std::uint8_t SkinSignature[2] = {'S', 'K'};
constexpr int BestCompression = 9;
constexpr int RawDeflateWindowBits = -15;
constexpr int DefaultMemoryLevel = 8;

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& data)
{
    z_stream stream{};
    if (deflateInit2(&stream, BestCompression, Z_DEFLATED, RawDeflateWindowBits, DefaultMemoryLevel,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        throw Exception("zlib could not start a deflate stream");
    std::vector<std::uint8_t> out(deflateBound(&stream, uLong(data.size())));
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = uInt(data.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw Exception("zlib could not deflate an entry");
    return out;
}

// The 12-byte encryption header (11 random bytes and the top byte of the
// CRC-32 for the password check) and the data, encrypted as one stream.
std::vector<std::uint8_t> Encrypt(const std::vector<std::uint8_t>& data, std::uint32_t crc,
                                  const std::string& password, std::mt19937& random)
{
    TraditionalCipher cipher(password);
    std::vector<std::uint8_t> out;
    out.reserve(EncryptionHeaderSize + data.size());
    for (std::size_t i = 0; i + 1 < EncryptionHeaderSize; ++i)
        out.push_back(cipher.Encrypt(std::uint8_t(random() & 0xFFu)));
    out.push_back(cipher.Encrypt(std::uint8_t(crc >> 24)));
    for (std::uint8_t byte : data)
        out.push_back(cipher.Encrypt(byte));
    return out;
}

std::uint32_t Fit32(std::size_t value)
{
    if (value > std::numeric_limits<std::uint32_t>::max())
        throw Exception("a skin package cannot hold more than 4 GiB");
    return std::uint32_t(value);
}

std::uint16_t Fit16(std::size_t value)
{
    if (value > std::numeric_limits<std::uint16_t>::max())
        throw Exception("too many entries or too long a name for a skin package");
    return std::uint16_t(value);
}

// Appends `size` zero bytes and gives the span to fill in.
std::span<std::uint8_t> Grow(std::vector<std::uint8_t>& file, std::size_t size)
{
    const std::size_t at = file.size();
    file.resize(at + size, 0);
    return std::span<std::uint8_t>(file.data() + at, size);
}

struct Written {
    std::uint16_t flags;
    std::uint16_t method;
    std::uint32_t crc;
    std::uint32_t compressedSize;
    std::uint32_t uncompressedSize;
    std::uint32_t localHeaderOffset;
    std::uint16_t nameLength;
};

// The local header and the central directory header share a run of fields,
// from "version needed" to "extra-field length"; it starts at offset 4 of the
// local header and at offset 6 of the central one.
void WriteSharedFields(std::span<std::uint8_t> header, std::size_t at, const Written& w)
{
    WriteU16LE(header, at + 0, VersionNeeded);
    WriteU16LE(header, at + 2, w.flags);
    WriteU16LE(header, at + 4, w.method);
    WriteU16LE(header, at + 6, FixedDosTime);
    WriteU16LE(header, at + 8, FixedDosDate);
    WriteU32LE(header, at + 10, w.crc);
    WriteU32LE(header, at + 14, w.compressedSize);
    WriteU32LE(header, at + 18, w.uncompressedSize);
    WriteU16LE(header, at + 22, w.nameLength);
    WriteU16LE(header, at + 24, 0);
}
constexpr std::size_t LocalSharedFieldsAt = 4;
constexpr std::size_t CentralSharedFieldsAt = 6;

} // namespace

std::vector<std::uint8_t> WriteSkArchive(const std::vector<SkArchiveEntry>& entries, const SkArchiveOptions& options)
{
    std::mt19937 random(options.encryptionSeed ? *options.encryptionSeed : std::random_device{}());
    std::vector<std::uint8_t> file;
    std::vector<Written> written;

    for (const SkArchiveEntry& entry : entries) {
        Written w{};
        w.crc = Crc32(entry.data);
        w.uncompressedSize = Fit32(entry.data.size());
        w.method = options.compression == SkCompression::Deflate ? ZipMethodDeflated : ZipMethodStored;
        std::vector<std::uint8_t> payload =
            options.compression == SkCompression::Deflate ? Deflate(entry.data) : entry.data;
        if (!options.password.empty()) {
            w.flags |= CentralDirectoryHeader::EncryptedFlag;
            payload = Encrypt(payload, w.crc, options.password, random);
        }
        w.compressedSize = Fit32(payload.size());
        w.localHeaderOffset = Fit32(file.size());
        w.nameLength = Fit16(entry.name.size());

        const auto header = Grow(file, LocalFileHeader::Size);
        WriteU32LE(header, 0, LocalHeaderSignature);
        WriteSharedFields(header, LocalSharedFieldsAt, w);
        file.insert(file.end(), entry.name.begin(), entry.name.end());
        file.insert(file.end(), payload.begin(), payload.end());
        written.push_back(w);
    }

    const std::uint32_t directoryOffset = Fit32(file.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Written& w = written[i];
        const auto header = Grow(file, CentralDirectoryHeader::Size);
        WriteU32LE(header, 0, CentralHeaderSignature);
        WriteU16LE(header, 4, VersionMadeBy);
        WriteSharedFields(header, CentralSharedFieldsAt, w);
        WriteU32LE(header, 42, w.localHeaderOffset);
        file.insert(file.end(), entries[i].name.begin(), entries[i].name.end());
    }
    const std::uint32_t directorySize = Fit32(file.size() - directoryOffset);

    const auto end = Grow(file, EndOfCentralDirectory::Size);
    WriteU32LE(end, 0, EndOfCentralDirectory::Signature);
    WriteU16LE(end, 8, Fit16(entries.size()));
    WriteU16LE(end, 10, Fit16(entries.size()));
    WriteU32LE(end, 12, directorySize);
    WriteU32LE(end, 16, directoryOffset);

    // Only the first two bytes tell a skin package from a ZIP archive.
    file[0] = SkinSignature[0];
    file[1] = SkinSignature[1];
    return file;
}

} // namespace orvane
