#pragma once

#include "core/skinpackage/ByteReader.h"
#include "core/skinpackage/SkinReadFailure.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace orvane {

// What ExtractSkinEntry reports; the numeric values are the result codes 0, 1
// and 2 of the package reader.
enum class ExtractResult {
    Extracted = 0,     // the entry's bytes were written in full
    ReadFailed = 1,    // package missing or unreadable, not "SK", entry not there, empty, or over the size limit
    WrongPassword = 2, // no or wrong password, or the data did not decode to its recorded size and CRC-32
};

// Extracts one entry of an "SK" package (a ZIP archive whose first two bytes
// are "SK"): finds it in the central directory by name regardless of case,
// decrypts it with the password when it is encrypted, and inflates it into
// the output file, which is created or truncated. On any result other than
// Extracted the output file is removed. An entry whose directory declares more
// than MaxSkinRecordFileSize uncompressed bytes is not extracted. When failure
// is given, it receives the step that failed (None on success).
ExtractResult ExtractSkinEntry(const std::filesystem::path& package, std::string_view entryName,
    const std::filesystem::path& output, std::string_view password, SkinReadFailure* failure = nullptr);

// The same walk with the entry's bytes handed to a writer; on failure the
// writer may have received part of them.
ExtractResult ExtractSkinEntry(const std::filesystem::path& package, std::string_view entryName, ByteWriter& output,
    std::string_view password, SkinReadFailure* failure = nullptr);

// The same walk over a package held in memory; the entry's bytes go to output,
// which is left empty on any result other than Extracted.
ExtractResult ExtractSkinEntry(std::span<const std::uint8_t> package, std::string_view entryName,
    std::vector<std::uint8_t>& output, std::string_view password, SkinReadFailure* failure = nullptr);

} // namespace orvane
