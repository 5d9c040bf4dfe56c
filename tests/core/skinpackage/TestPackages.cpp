#include "TestPackages.h"

#include "core/base/FileBytes.h"
#include "core/base/LittleEndian.h"
#include "core/skinpackage/Crc32.h"
#include "core/skinpackage/TraditionalCipher.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace orvane::test {
namespace {

constexpr int RawWindowBits = -15;

void Append16(Bytes& out, std::uint16_t value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void Append32(Bytes& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

} // namespace

Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes ZlibDeflate(std::span<const std::uint8_t> data, int level, int strategy)
{
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, RawWindowBits, 8, strategy) != Z_OK)
        throw std::runtime_error("deflateInit2");
    Bytes out(deflateBound(&stream, uLong(data.size())) + 16);
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = uInt(data.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const int status = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (status != Z_STREAM_END)
        throw std::runtime_error("deflate");
    return out;
}

bool ZlibInflate(std::span<const std::uint8_t> input, Bytes& output)
{
    z_stream stream{};
    if (inflateInit2(&stream, RawWindowBits) != Z_OK)
        return false;
    output.clear();
    stream.next_in = const_cast<Bytef*>(input.data());
    stream.avail_in = uInt(input.size());
    std::uint8_t piece[65536];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = piece;
        stream.avail_out = sizeof piece;
        status = inflate(&stream, Z_NO_FLUSH);
        output.insert(output.end(), piece, piece + (sizeof piece - stream.avail_out));
        if (status == Z_BUF_ERROR && stream.avail_in == 0)
            break;
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END;
}

Bytes BuildPackage(const std::vector<PackageEntry>& entries, bool keepPk)
{
    Bytes package;
    Bytes directory;
    for (const PackageEntry& entry : entries) {
        const std::uint32_t crc = Crc32(entry.data);
        Bytes payload = entry.deflated ? ZlibDeflate(entry.data) : entry.data;
        const bool encrypted = !entry.password.empty();
        std::uint16_t flags = 0;
        if (encrypted) {
            flags |= 0x0001;
            if (entry.timeCheck)
                flags |= 0x0008;
            TraditionalCipher cipher(entry.password);
            Bytes sealed;
            for (int i = 0; i < 11; ++i)
                sealed.push_back(cipher.Encrypt(std::uint8_t(0x5A + 7 * i)));
            const std::uint32_t check = entry.timeCheck ? std::uint32_t(entry.modificationTime) << 16 : crc;
            sealed.push_back(cipher.Encrypt(std::uint8_t(check >> 24)));
            for (std::uint8_t byte : payload)
                sealed.push_back(cipher.Encrypt(byte));
            payload = std::move(sealed);
        }
        const std::uint16_t method = entry.deflated ? 8 : 0;
        const auto localOffset = std::uint32_t(package.size());

        Append32(package, 0x04034B50);
        Append16(package, 20);
        Append16(package, flags);
        Append16(package, method);
        Append16(package, entry.modificationTime);
        Append16(package, 0x5A21);
        Append32(package, crc);
        Append32(package, std::uint32_t(payload.size()));
        Append32(package, std::uint32_t(entry.data.size()));
        Append16(package, std::uint16_t(entry.name.size()));
        Append16(package, 0);
        package.insert(package.end(), entry.name.begin(), entry.name.end());
        package.insert(package.end(), payload.begin(), payload.end());

        Append32(directory, 0x02014B50);
        Append16(directory, 20);
        Append16(directory, 20);
        Append16(directory, flags);
        Append16(directory, method);
        Append16(directory, entry.modificationTime);
        Append16(directory, 0x5A21);
        Append32(directory, crc);
        Append32(directory, std::uint32_t(payload.size()));
        Append32(directory, std::uint32_t(entry.data.size()));
        Append16(directory, std::uint16_t(entry.name.size()));
        Append16(directory, 0);
        Append16(directory, 0);
        Append16(directory, 0);
        Append16(directory, 0);
        Append32(directory, 0);
        Append32(directory, localOffset);
        directory.insert(directory.end(), entry.name.begin(), entry.name.end());
    }
    const auto directoryOffset = std::uint32_t(package.size());
    package.insert(package.end(), directory.begin(), directory.end());
    Append32(package, 0x06054B50);
    Append16(package, 0);
    Append16(package, 0);
    Append16(package, std::uint16_t(entries.size()));
    Append16(package, std::uint16_t(entries.size()));
    Append32(package, std::uint32_t(directory.size()));
    Append32(package, directoryOffset);
    Append16(package, 0);
    if (!keepPk) {
        package[0] = 'S';
        package[1] = 'K';
    }
    return package;
}

PackageLayout LayoutOfSingleEntryPackage(std::span<const std::uint8_t> package)
{
    PackageLayout layout{};
    layout.endRecordOffset = package.size() - 22;
    layout.directoryOffset = ReadU32LE(package, layout.endRecordOffset + 16);
    layout.dataOffset = 30 + ReadU16LE(package, 26) + ReadU16LE(package, 28);
    return layout;
}

ScratchFolder::ScratchFolder()
{
    static std::atomic<int> counter{0};
    path = std::filesystem::temp_directory_path()
        / ("orvane-skinpackage-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code error;
    std::filesystem::remove_all(path, error);
}

TemporaryFolderRedirect::TemporaryFolderRedirect() : folder(scratch.Path() / "temp")
{
    const char* old = std::getenv("TMPDIR");
    hadTmpDir = old != nullptr;
    if (hadTmpDir)
        oldTmpDir = old;
    std::filesystem::create_directories(folder);
    setenv("TMPDIR", folder.c_str(), 1);
}

TemporaryFolderRedirect::~TemporaryFolderRedirect()
{
    if (hadTmpDir)
        setenv("TMPDIR", oldTmpDir.c_str(), 1);
    else
        unsetenv("TMPDIR");
}

void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    if (!WriteFileBytes(path, bytes))
        throw std::runtime_error("cannot write " + path.string());
}

Bytes ReadFile(const std::filesystem::path& path) { return ReadFileBytes(path).value_or(Bytes{}); }

Bytes ZipWithTool(const std::filesystem::path& folder, const std::vector<std::string>& files,
    const std::string& options, bool keepPk)
{
    const std::filesystem::path archive = folder / "package.zip";
    std::filesystem::remove(archive);
    std::string command = "cd '" + folder.string() + "' && zip -q -X " + options + " package.zip";
    for (const std::string& file : files)
        command += " '" + file + "'";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("zip failed: " + command);
    Bytes package = ReadFile(archive);
    if (!keepPk && package.size() >= 2) {
        package[0] = 'S';
        package[1] = 'K';
    }
    return package;
}

} // namespace orvane::test
