#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace orvane::skin {

// A skin package held in memory, put into a file of its own for as long as
// the object lives so that the reader can load it by path: in the system's
// temporary folder under `baseName` + `extension` (a number inserted before
// the extension while such a file exists), created exclusively so that no
// file already there is overwritten, and deleted when the object goes.
class TStoredSkinPackage {
public:
    // Throws Exception("Failed to read skin file!") when no file can be
    // written after a bounded number of fresh names.
    TStoredSkinPackage(std::span<const std::uint8_t> package, const std::wstring& baseName,
                       const std::wstring& extension);
    ~TStoredSkinPackage();
    TStoredSkinPackage(const TStoredSkinPackage&) = delete;
    TStoredSkinPackage& operator=(const TStoredSkinPackage&) = delete;

    const std::filesystem::path& Path() const { return path; }

    // A fresh base name: the text of a new GUID.
    static std::wstring GuidBaseName();

private:
    std::filesystem::path path;
};

} // namespace orvane::skin
