#include "core/skinpackage/ExtractSkinEntry.h"

#include "core/skinpackage/ByteReader.h"
#include "core/skinpackage/Crc32.h"
#include "core/skinpackage/Inflate.h"
#include "core/skinpackage/NameCompare.h"
#include "core/skinpackage/SkinLimits.h"
#include "core/skinpackage/TraditionalCipher.h"
#include "core/skinpackage/ZipRecords.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <system_error>
#include <variant>

namespace orvane {
namespace {

// The signature test of a package: the low 16 bits of its first four bytes.
constexpr std::uint16_t PackageSignature = 0x4B53; // "SK"
constexpr std::size_t SignatureReadSize = 4;
// Longest entry name the walk accepts.
constexpr std::size_t MaxEntryNameLength = 259;
// Stored entries are copied in pieces of this size.
constexpr std::size_t CopyPieceSize = 16384;

// A package opened for reading with random access.
class PackageSource : public ByteReader {
public:
    virtual std::uint64_t Size() const = 0;
    virtual bool Seek(std::uint64_t position) = 0;
    virtual std::uint64_t Position() const = 0;

    bool ReadExact(std::span<std::uint8_t> buffer)
    {
        while (!buffer.empty()) {
            const std::size_t count = Read(buffer);
            if (count == 0)
                return false;
            buffer = buffer.subspan(count);
        }
        return true;
    }
    bool Skip(std::uint64_t count) { return Seek(Position() + count); }
};

class FilePackageSource final : public PackageSource {
public:
    explicit FilePackageSource(const std::filesystem::path& path) : file(path, std::ios::binary)
    {
        if (!file)
            return;
        file.seekg(0, std::ios::end);
        const std::streamoff end = file.tellg();
        file.seekg(0, std::ios::beg);
        if (end < 0 || !file)
            file.setstate(std::ios::failbit);
        else
            size = std::uint64_t(end);
    }
    bool IsOpen() const { return bool(file); }

    std::uint64_t Size() const override { return size; }
    bool Seek(std::uint64_t target) override
    {
        if (target > size)
            return false;
        file.clear();
        file.seekg(std::streamoff(target), std::ios::beg);
        position = target;
        return bool(file);
    }
    std::uint64_t Position() const override { return position; }
    std::size_t Read(std::span<std::uint8_t> buffer) override
    {
        file.read(reinterpret_cast<char*>(buffer.data()), std::streamsize(buffer.size()));
        const auto count = static_cast<std::size_t>(file.gcount());
        position += count;
        return count;
    }

private:
    std::ifstream file;
    std::uint64_t size = 0;
    std::uint64_t position = 0;
};

class MemoryPackageSource final : public PackageSource {
public:
    explicit MemoryPackageSource(std::span<const std::uint8_t> data) : bytes(data) {}

    std::uint64_t Size() const override { return bytes.size(); }
    bool Seek(std::uint64_t target) override
    {
        if (target > bytes.size())
            return false;
        position = std::size_t(target);
        return true;
    }
    std::uint64_t Position() const override { return position; }
    std::size_t Read(std::span<std::uint8_t> buffer) override
    {
        const std::size_t count = std::min(buffer.size(), bytes.size() - position);
        if (count > 0)
            std::memcpy(buffer.data(), bytes.data() + position, count);
        position += count;
        return count;
    }

private:
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

// Decrypts what it passes on from the package.
class DecryptingReader final : public ByteReader {
public:
    DecryptingReader(ByteReader& encrypted, TraditionalCipher& entryCipher) : source(encrypted), cipher(entryCipher) {}
    std::size_t Read(std::span<std::uint8_t> buffer) override
    {
        const std::size_t count = source.Read(buffer);
        for (std::size_t i = 0; i < count; ++i)
            buffer[i] = cipher.Decrypt(buffer[i]);
        return count;
    }

private:
    ByteReader& source;
    TraditionalCipher& cipher;
};

// Passes the entry's bytes on, counting them and their CRC-32, and stops the
// producer once it gives more than the directory records: such output can no
// longer be the entry.
class EntryOutput final : public ByteWriter {
public:
    EntryOutput(ByteWriter& destination, std::uint64_t recordedSize) : target(destination), limit(recordedSize) {}
    bool Write(std::span<const std::uint8_t> bytes) override
    {
        if (bytes.size() > limit - written)
            return false;
        written += bytes.size();
        crc = Crc32Continue(crc, bytes);
        return target.Write(bytes);
    }
    std::uint64_t Written() const { return written; }
    std::uint32_t Crc() const { return crc; }

private:
    ByteWriter& target;
    std::uint64_t limit;
    std::uint64_t written = 0;
    std::uint32_t crc = 0;
};

class FileWriter final : public ByteWriter {
public:
    explicit FileWriter(const std::filesystem::path& path) : file(path, std::ios::binary | std::ios::trunc) {}
    bool IsOpen() const { return bool(file); }
    bool Write(std::span<const std::uint8_t> bytes) override
    {
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return bool(file);
    }
    bool Close()
    {
        file.close();
        return !file.fail();
    }

private:
    std::ofstream file;
};

class VectorWriter final : public ByteWriter {
public:
    explicit VectorWriter(std::vector<std::uint8_t>& target) : output(target) {}
    bool Write(std::span<const std::uint8_t> bytes) override
    {
        output.insert(output.end(), bytes.begin(), bytes.end());
        return true;
    }

private:
    std::vector<std::uint8_t>& output;
};

// Copies a stored entry's data.
bool CopyStored(ByteReader& source, std::uint64_t size, ByteWriter& output)
{
    std::array<std::uint8_t, CopyPieceSize> piece;
    while (size > 0) {
        const std::size_t want = std::size_t(std::min<std::uint64_t>(size, piece.size()));
        const std::size_t count = source.Read({piece.data(), want});
        if (count == 0)
            return false;
        if (!output.Write({piece.data(), count}))
            return false;
        size -= count;
    }
    return true;
}

// How a walk ended: the result code and the step behind it.
struct Outcome {
    ExtractResult result;
    SkinReadFailure failure;
};
constexpr Outcome extracted{ExtractResult::Extracted, SkinReadFailure::None};
constexpr Outcome ReadFailed(SkinReadFailure failure) { return {ExtractResult::ReadFailed, failure}; }
constexpr Outcome PasswordOrData(SkinReadFailure failure) { return {ExtractResult::WrongPassword, failure}; }

// Finds the entry's directory header; leaves the source anywhere.
std::variant<CentralDirectoryHeader, SkinReadFailure> FindEntry(PackageSource& package, std::string_view entryName)
{
    std::array<std::uint8_t, SignatureReadSize> signature;
    if (!package.ReadExact(signature) || (signature[0] | (signature[1] << 8)) != PackageSignature)
        return SkinReadFailure::NotAnArchive;

    // Only a package without archive comment has its end record in the last
    // 22 bytes; anything else leaves no directory to read.
    if (package.Size() < EndOfCentralDirectory::Size)
        return SkinReadFailure::NotAnArchive;
    const std::uint64_t endPosition = package.Size() - EndOfCentralDirectory::Size;
    std::array<std::uint8_t, EndOfCentralDirectory::Size> endBytes;
    if (!package.Seek(endPosition) || !package.ReadExact(endBytes))
        return SkinReadFailure::NotAnArchive;
    const auto end = EndOfCentralDirectory::Read(endBytes);
    if (!end || end->commentLength != 0)
        return SkinReadFailure::NotAnArchive;

    if (!package.Seek(end->directoryOffset))
        return SkinReadFailure::DamagedDirectory;
    std::array<std::uint8_t, CentralDirectoryHeader::Size> headerBytes;
    std::array<char, MaxEntryNameLength> nameBytes;
    while (package.Position() < endPosition) {
        if (!package.ReadExact(headerBytes))
            return SkinReadFailure::DamagedDirectory;
        const auto header = CentralDirectoryHeader::Read(headerBytes);
        if (!header || header->nameLength > MaxEntryNameLength)
            return SkinReadFailure::DamagedDirectory;
        if (!package.ReadExact({reinterpret_cast<std::uint8_t*>(nameBytes.data()), header->nameLength}))
            return SkinReadFailure::DamagedDirectory;
        if (NamesEqualIgnoringCase({nameBytes.data(), header->nameLength}, entryName))
            return *header;
        if (!package.Skip(std::uint64_t(header->extraLength) + header->commentLength))
            return SkinReadFailure::DamagedDirectory;
    }
    return SkinReadFailure::EntryNotFound;
}

Outcome Extract(PackageSource& package, std::string_view entryName, ByteWriter& destination, std::string_view password)
{
    const auto found = FindEntry(package, entryName);
    if (const auto* failure = std::get_if<SkinReadFailure>(&found))
        return ReadFailed(*failure);
    const CentralDirectoryHeader& entry = std::get<CentralDirectoryHeader>(found);
    // Checked before anything is decoded: a few kilobytes of deflated data
    // can declare and produce gigabytes.
    if (entry.uncompressedSize > MaxSkinRecordFileSize)
        return ReadFailed(SkinReadFailure::OverLimit);

    std::array<std::uint8_t, LocalFileHeader::Size> localBytes;
    if (!package.Seek(entry.localHeaderOffset) || !package.ReadExact(localBytes))
        return ReadFailed(SkinReadFailure::DamagedDirectory);
    const auto local = LocalFileHeader::Read(localBytes);
    if (!local || !package.Skip(std::uint64_t(local->nameLength) + local->extraLength))
        return ReadFailed(SkinReadFailure::DamagedDirectory);

    ByteReader* data = &package;
    std::uint64_t dataSize = entry.compressedSize;
    std::optional<TraditionalCipher> cipher;
    std::optional<DecryptingReader> decrypting;
    const bool encrypted = (entry.flags & CentralDirectoryHeader::EncryptedFlag) != 0;
    if (encrypted) {
        if (password.empty())
            return PasswordOrData(SkinReadFailure::PasswordNeeded);
        cipher.emplace(password);
        std::array<std::uint8_t, EncryptionHeaderSize> header;
        if (!package.ReadExact(header))
            return ReadFailed(SkinReadFailure::DamagedData);
        for (std::uint8_t& byte : header)
            byte = cipher->Decrypt(byte);
        // The last header byte repeats the top byte of the CRC, or of the
        // modification time when the sizes and CRC follow the data.
        const std::uint32_t check = (entry.flags & CentralDirectoryHeader::DataDescriptorFlag)
            ? std::uint32_t(entry.modificationTime) << 16
            : entry.crc32;
        if (header.back() != (check >> 24))
            return PasswordOrData(SkinReadFailure::WrongPassword);
        decrypting.emplace(package, *cipher);
        data = &*decrypting;
        dataSize = dataSize >= EncryptionHeaderSize ? dataSize - EncryptionHeaderSize : 0;
    }

    EntryOutput output(destination, entry.uncompressedSize);
    const bool decoded = entry.method == ZipMethodStored ? CopyStored(*data, dataSize, output)
                                                         : Inflate(*data, output) == InflateStatus::Done;
    if (output.Written() == 0 && decoded)
        return ReadFailed(SkinReadFailure::EmptyEntry);
    // Past the check byte, a wrong password and damaged data look alike: a
    // stream that does not decode, or bytes whose CRC-32 is not the recorded
    // one. For an encrypted entry both report the password.
    const SkinReadFailure damage = encrypted ? SkinReadFailure::WrongPassword : SkinReadFailure::DamagedData;
    if (!decoded || output.Written() != entry.uncompressedSize)
        return PasswordOrData(damage);
    if (output.Crc() != entry.crc32)
        return PasswordOrData(encrypted ? SkinReadFailure::WrongPassword : SkinReadFailure::BadCrc);
    return extracted;
}

ExtractResult Report(Outcome outcome, SkinReadFailure* failure)
{
    if (failure != nullptr)
        *failure = outcome.failure;
    return outcome.result;
}

} // namespace

ExtractResult ExtractSkinEntry(const std::filesystem::path& package, std::string_view entryName, ByteWriter& output,
    std::string_view password, SkinReadFailure* failure)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(package, error))
        return Report(ReadFailed(SkinReadFailure::CannotOpen), failure);
    FilePackageSource source(package);
    if (!source.IsOpen())
        return Report(ReadFailed(SkinReadFailure::CannotOpen), failure);
    return Report(Extract(source, entryName, output, password), failure);
}

ExtractResult ExtractSkinEntry(const std::filesystem::path& package, std::string_view entryName,
    const std::filesystem::path& output, std::string_view password, SkinReadFailure* failure)
{
    Outcome outcome = ReadFailed(SkinReadFailure::TemporaryFileFailed);
    {
        FileWriter writer(output);
        if (writer.IsOpen()) {
            SkinReadFailure step = SkinReadFailure::None;
            outcome.result = ExtractSkinEntry(package, entryName, writer, password, &step);
            outcome.failure = step;
            if (!writer.Close() && outcome.result == ExtractResult::Extracted)
                outcome = ReadFailed(SkinReadFailure::TemporaryFileFailed);
        }
    }
    if (outcome.result != ExtractResult::Extracted) {
        std::error_code error;
        std::filesystem::remove(output, error);
    }
    return Report(outcome, failure);
}

ExtractResult ExtractSkinEntry(std::span<const std::uint8_t> package, std::string_view entryName,
    std::vector<std::uint8_t>& output, std::string_view password, SkinReadFailure* failure)
{
    output.clear();
    MemoryPackageSource source(package);
    VectorWriter writer(output);
    const Outcome outcome = Extract(source, entryName, writer, password);
    if (outcome.result != ExtractResult::Extracted)
        output.clear();
    return Report(outcome, failure);
}

} // namespace orvane
