#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace orvane::test {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(std::string_view text);

// A raw DEFLATE stream made by zlib.
Bytes ZlibDeflate(std::span<const std::uint8_t> data, int level = 6, int strategy = 0);
// zlib's raw inflate of a stream; false when zlib reports an error.
bool ZlibInflate(std::span<const std::uint8_t> stream, Bytes& output);

// How an entry of a hand-built package is stored.
struct PackageEntry {
    PackageEntry(std::string entryName, Bytes entryData, bool isDeflated = true, std::string entryPassword = {},
        bool checkTime = false)
        : name(std::move(entryName)), data(std::move(entryData)), deflated(isDeflated),
          password(std::move(entryPassword)), timeCheck(checkTime)
    {
    }

    std::string name;
    Bytes data;
    bool deflated;
    std::string password;  // empty: not encrypted
    bool timeCheck;        // flag bit 3: the check byte comes from the time
    std::uint16_t modificationTime = 0x6B5A;
};

// A ZIP archive of the entries, its first two bytes "SK" unless keepPk.
Bytes BuildPackage(const std::vector<PackageEntry>& entries, bool keepPk = false);

// Offsets inside a package built by BuildPackage with one entry.
struct PackageLayout {
    std::size_t dataOffset;       // first byte after the local header and name
    std::size_t directoryOffset;
    std::size_t endRecordOffset;
};
PackageLayout LayoutOfSingleEntryPackage(std::span<const std::uint8_t> package);

// A scratch folder under the build's temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
};

// Points the system's temporary folder (TMPDIR) at a fresh empty folder for
// the object's life, so that a test sees every file a load leaves behind.
class TemporaryFolderRedirect {
public:
    TemporaryFolderRedirect();
    ~TemporaryFolderRedirect();
    const std::filesystem::path& Path() const { return folder; }
    bool Empty() const { return std::filesystem::is_empty(folder); }

private:
    ScratchFolder scratch;
    std::filesystem::path folder;
    bool hadTmpDir = false;
    std::string oldTmpDir;
};

void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
Bytes ReadFile(const std::filesystem::path& path);

// Runs the zip command in folder over the file names with the options
// (for example "-0" or "-P secret") and returns the archive with its first
// two bytes changed to "SK" unless keepPk.
Bytes ZipWithTool(const std::filesystem::path& folder, const std::vector<std::string>& files,
    const std::string& options, bool keepPk = false);

} // namespace orvane::test
