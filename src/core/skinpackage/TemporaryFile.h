#pragma once

#include "core/skinpackage/ByteReader.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// The text form of a fresh random GUID: "{" 8-4-4-4-12 upper-case hex digits "}".
std::string NewGuidText();

// A file that exists only while the object does: created exclusively (a file
// or link already at the path is never opened, so nothing planted there is
// written or read), readable and writable by its owner only, written and read
// back through the one handle that created it, and deleted when the object
// goes, on success and failure alike.
//
// Windows: created with CREATE_NEW, shared with no other opener, marked for
// deletion on close; the user's temporary folder already keeps other users
// out. Elsewhere: O_CREAT | O_EXCL with mode 0600, and its name removed at
// once, so that no end of the program, not even a killed one, leaves it.
class TemporaryFile final : public ByteWriter {
public:
    // In the system's temporary folder, named by a fresh GUID without extension.
    TemporaryFile();
    // At exactly this path; fails when anything exists there.
    explicit TemporaryFile(std::filesystem::path exactPath);
    ~TemporaryFile() override;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // False when the file could not be created; writes then fail.
    bool IsOpen() const { return handle >= 0; }
    const std::filesystem::path& Path() const { return path; }

    // Appends to the file.
    bool Write(std::span<const std::uint8_t> bytes) override;
    // Everything written so far, read back from the file; nothing when
    // reading fails.
    std::optional<std::vector<std::uint8_t>> ReadAll();

private:
    std::filesystem::path path;
    int handle = -1;
    std::uint64_t size = 0;
};

} // namespace orvane
