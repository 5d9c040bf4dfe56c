#pragma once

#include <filesystem>
#include <string>

namespace orvane {

// The text form of a fresh random GUID: "{" 8-4-4-4-12 upper-case hex digits "}".
std::string NewGuidText();

// A fresh path in the system's temporary folder, named by a GUID without
// extension. Whatever is created at the path is deleted when the object goes,
// on success and on failure alike.
class TemporaryFile {
public:
    TemporaryFile();
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
};

} // namespace orvane
