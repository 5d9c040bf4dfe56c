#include "framework/FileAccess.h"

#include "core/base/Exception.h"
#include "framework/WideText.h"

#include <windows.h>

#include <vector>

namespace orvane::framework {

namespace {

constexpr wchar_t TemporaryPrefix[] = L"std";

std::string SystemErrorText(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"error " + std::to_wstring(error);
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    return Utf8FromWide(text);
}

[[noreturn]] void ThrowFileError(const char* what, const std::wstring& path, const std::string& reason)
{
    throw Exception(std::string(what) + " \"" + Utf8FromWide(path) + "\". " + reason);
}

[[noreturn]] void ThrowFileError(const char* what, const std::wstring& path, DWORD error)
{
    ThrowFileError(what, path, SystemErrorText(error));
}

// A saved game is four short lines; anything near this size is not one.
constexpr LONGLONG LargestReadableFile = 64LL * 1024 * 1024;
constexpr LONGLONG BytesPerMegabyte = 1024 * 1024;

// Closes a file handle when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(HANDLE file) : handle(file) {}
    ~FileHandle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return handle; }
    bool Valid() const { return handle != INVALID_HANDLE_VALUE; }
    bool Close()
    {
        const bool closed = CloseHandle(handle) != FALSE;
        handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle;
};

} // namespace

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolder(const std::wstring& path) { return CreateDirectoryW(path.c_str(), nullptr) != FALSE; }

std::wstring FolderOf(const std::wstring& path)
{
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos)
        return L".";
    return path.substr(0, separator);
}

std::string ReadWholeFile(const std::wstring& path)
{
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        ThrowFileError("Cannot open file", path, GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size))
        ThrowFileError("Cannot read file", path, GetLastError());
    if (size.QuadPart > LargestReadableFile)
        ThrowFileError("Cannot read file", path,
                       "The file is too large: " + std::to_string(size.QuadPart) + " bytes, and the limit is " +
                           std::to_string(LargestReadableFile / BytesPerMegabyte) + " MB (" +
                           std::to_string(LargestReadableFile) + " bytes).");
    std::string bytes(std::size_t(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.Get(), bytes.data(), DWORD(bytes.size()), &read, nullptr)))
        ThrowFileError("Cannot read file", path, GetLastError());
    bytes.resize(read);
    return bytes;
}

void WriteWholeFile(const std::wstring& path, const std::string& bytes)
{
    const std::wstring folder = FolderOf(path);
    // Said plainly: the temporary file's own error would name a folder
    // problem ("The directory name is invalid") without saying which.
    if (!DirectoryExists(folder))
        ThrowFileError("Cannot create file", path, "The folder \"" + Utf8FromWide(folder) + "\" does not exist.");
    std::vector<wchar_t> temporary(MAX_PATH + 1, L'\0');
    // GetTempFileName makes the file, so the name is ours alone.
    if (!GetTempFileNameW(folder.c_str(), TemporaryPrefix, 0, temporary.data()))
        ThrowFileError("Cannot create file", path, GetLastError());
    const std::wstring temporaryPath = temporary.data();

    DWORD error = ERROR_SUCCESS;
    {
        FileHandle file(CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file.Valid())
            error = GetLastError();
        else if (!WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr))
            error = GetLastError();
        else if (written != bytes.size())
            error = ERROR_WRITE_FAULT;
        else if (!FlushFileBuffers(file.Get()) || !file.Close())
            error = GetLastError();
    }
    if (error == ERROR_SUCCESS &&
        !MoveFileExW(temporaryPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS) {
        DeleteFileW(temporaryPath.c_str());
        ThrowFileError("Cannot create file", path, error);
    }
}

} // namespace orvane::framework
