#include "skin/StoredSkinPackage.h"

#include "core/base/Exception.h"
#include "core/skinpackage/TemporaryFile.h"
#include "core/text/Utf8Text.h"

#include <windows.h>

namespace orvane::skin {

namespace {

// Fresh names tried before giving up: a temporary folder that refuses this
// many files will refuse the next one too.
constexpr int MaxNameAttempts = 16;
constexpr int MaxNumberedNames = 1000;

std::filesystem::path TemporaryFolder()
{
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH)
        return {};
    return std::filesystem::path(folder);
}

bool FileExists(const std::filesystem::path& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The name, or the name with 1, 2, 3, ... before the extension, whichever
// is free first.
std::filesystem::path FreeName(const std::filesystem::path& folder, const std::wstring& base,
                               const std::wstring& extension)
{
    std::filesystem::path candidate = folder / (base + extension);
    for (int number = 1; FileExists(candidate) && number <= MaxNumberedNames; ++number)
        candidate = folder / (base + std::to_wstring(number) + extension);
    return candidate;
}

// Writes the whole package into a new file; false when the file exists or
// cannot be written (a partly written file is removed).
bool WriteNewFile(const std::filesystem::path& path, std::span<const std::uint8_t> package)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = true;
    std::size_t offset = 0;
    while (written && offset < package.size()) {
        const DWORD chunk = DWORD(std::min<std::size_t>(package.size() - offset, 1u << 20));
        DWORD done = 0;
        written = WriteFile(file, package.data() + offset, chunk, &done, nullptr) && done == chunk;
        offset += done;
    }
    CloseHandle(file);
    if (!written)
        DeleteFileW(path.c_str());
    return written;
}

} // namespace

std::wstring TStoredSkinPackage::GuidBaseName() { return WideFromUtf8(NewGuidText()); }

TStoredSkinPackage::TStoredSkinPackage(std::span<const std::uint8_t> package, const std::wstring& baseName,
                                       const std::wstring& extension)
{
    const std::filesystem::path folder = TemporaryFolder();
    std::wstring base = baseName;
    for (int attempt = 0; attempt < MaxNameAttempts && !folder.empty(); ++attempt) {
        const std::filesystem::path candidate = FreeName(folder, base, extension);
        if (WriteNewFile(candidate, package)) {
            path = candidate;
            return;
        }
        base = GuidBaseName();
    }
    throw Exception(std::string_view("Failed to read skin file!"));
}

TStoredSkinPackage::~TStoredSkinPackage() { DeleteFileW(path.c_str()); }

} // namespace orvane::skin
