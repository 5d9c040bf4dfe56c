#pragma once

#include <string>

namespace orvane::framework {

// Whole-file access by wide names. Failures throw orvane::Exception with the
// framework's file error message, which names the file and the system's
// reason.

bool FileExists(const std::wstring& path);
bool DirectoryExists(const std::wstring& path);
// Creates one folder level; false when it fails (for instance because it
// exists already).
bool CreateFolder(const std::wstring& path);

// The file's bytes.
std::string ReadWholeFile(const std::wstring& path);

// Replaces the file's content without ever leaving it half-written: the bytes
// go to a new file in the same folder, which then takes the target's place in
// one step. On failure the target is as it was and the new file is gone.
void WriteWholeFile(const std::wstring& path, const std::string& bytes);

// The folder part of a path, without the final separator.
std::wstring FolderOf(const std::wstring& path);

} // namespace orvane::framework
