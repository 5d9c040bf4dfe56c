#include "core/skinpackage/TemporaryFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace orvane {
namespace {

constexpr std::size_t GuidBytes = 16;
// The version-4 (random) GUID marks in bytes 6 and 8.
constexpr std::uint8_t VersionMask = 0x0F;
constexpr std::uint8_t VersionRandom = 0x40;
constexpr std::uint8_t VariantMask = 0x3F;
constexpr std::uint8_t VariantStandard = 0x80;

// The most one read or write call moves; the Windows calls count in int.
constexpr std::size_t MaxTransfer = 1u << 30;

#ifdef _WIN32
// The C runtime's flags map onto CreateFileW: _O_CREAT | _O_EXCL is
// CREATE_NEW, _O_TEMPORARY is FILE_FLAG_DELETE_ON_CLOSE, _O_SHORT_LIVED is
// FILE_ATTRIBUTE_TEMPORARY, and _SH_DENYRW shares the file with no one.
int CreateExclusive(const std::filesystem::path& path)
{
    return _wsopen(path.c_str(), _O_RDWR | _O_BINARY | _O_CREAT | _O_EXCL | _O_TEMPORARY | _O_SHORT_LIVED | _O_NOINHERIT,
        _SH_DENYRW, _S_IREAD | _S_IWRITE);
}
long long WriteSome(int handle, const std::uint8_t* bytes, std::size_t count)
{
    return _write(handle, bytes, static_cast<unsigned>(count));
}
long long ReadSomeAt(int handle, std::uint8_t* bytes, std::size_t count, std::uint64_t offset)
{
    if (_lseeki64(handle, static_cast<long long>(offset), SEEK_SET) < 0)
        return -1;
    return _read(handle, bytes, static_cast<unsigned>(count));
}
void Close(int handle) { _close(handle); }
#else
constexpr mode_t OwnerOnly = 0600;

// The name is removed as soon as the file is open: the file lives on through
// the handle and goes with it, so a program ended by a signal, even SIGKILL,
// leaves nothing behind in the temporary folder.
int CreateExclusive(const std::filesystem::path& path)
{
    const int handle = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, OwnerOnly);
    if (handle >= 0 && ::unlink(path.c_str()) != 0) {
        ::close(handle);
        return -1;
    }
    return handle;
}
long long WriteSome(int handle, const std::uint8_t* bytes, std::size_t count)
{
    ssize_t written;
    do
        written = ::write(handle, bytes, count);
    while (written < 0 && errno == EINTR);
    return written;
}
long long ReadSomeAt(int handle, std::uint8_t* bytes, std::size_t count, std::uint64_t offset)
{
    ssize_t read;
    do
        read = ::pread(handle, bytes, count, static_cast<off_t>(offset));
    while (read < 0 && errno == EINTR);
    return read;
}
void Close(int handle) { ::close(handle); }
#endif

} // namespace

std::string NewGuidText()
{
    std::random_device device;
    std::array<std::uint8_t, GuidBytes> bytes;
    for (std::size_t i = 0; i < GuidBytes; i += 4) {
        const std::uint32_t value = device();
        for (std::size_t k = 0; k < 4; ++k)
            bytes[i + k] = static_cast<std::uint8_t>(value >> (8 * k));
    }
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & VersionMask) | VersionRandom);
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & VariantMask) | VariantStandard);

    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string text = "{";
    for (std::size_t i = 0; i < GuidBytes; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        text += hexDigits[bytes[i] >> 4];
        text += hexDigits[bytes[i] & 0x0F];
    }
    text += '}';
    return text;
}

TemporaryFile::TemporaryFile()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        return;
    path = folder / NewGuidText();
    handle = CreateExclusive(path);
}

TemporaryFile::TemporaryFile(std::filesystem::path exactPath) : path(std::move(exactPath))
{
    handle = CreateExclusive(path);
}

TemporaryFile::~TemporaryFile()
{
    // Only a file this object created is removed: without a handle, whatever
    // is at the path belongs to someone else.
    if (!IsOpen())
        return;
    Close(handle);
}

bool TemporaryFile::Write(std::span<const std::uint8_t> bytes)
{
    if (!IsOpen())
        return false;
    while (!bytes.empty()) {
        const long long written = WriteSome(handle, bytes.data(), std::min(bytes.size(), MaxTransfer));
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
        size += static_cast<std::uint64_t>(written);
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> TemporaryFile::ReadAll()
{
    if (!IsOpen() || size > std::numeric_limits<std::size_t>::max())
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long long read = ReadSomeAt(handle, bytes.data() + done, std::min(bytes.size() - done, MaxTransfer), done);
        if (read <= 0)
            return std::nullopt;
        done += static_cast<std::size_t>(read);
    }
    return bytes;
}

} // namespace orvane
