#pragma once

#include <string_view>

namespace orvane {

// The step at which loading a skin package stopped. The program's message box
// shows only "Wrong password!" or "Failed to read skin file!"; the skin tool
// names the step, so that a skin author can tell a bad password from a
// damaged package.
enum class SkinReadFailure {
    None,
    CannotOpen,          // no such file, or it cannot be opened for reading
    NotAnArchive,        // no "SK" signature, or no end record in the last 22 bytes
    DamagedDirectory,    // a directory or local header outside the file or cut short
    EntryNotFound,       // the directory has no entry of that name
    EmptyEntry,          // the entry holds no bytes
    PasswordNeeded,      // the entry is encrypted and no password was given
    WrongPassword,       // the check byte, or for an encrypted entry the data, says so
    DamagedData,         // the stored or deflated data is cut short or does not decode
    BadCrc,              // the data decodes, but not to the bytes the CRC-32 records
    OverLimit,           // a declared size or pixel count beyond the skin limits
    TemporaryFileFailed, // the temporary file could not be created, written or read
    DamagedRecordFile,   // the record file's headers or chain are broken
    DamagedImage,        // an image record is not a bitmap the decoder reads
    OutOfMemory,         // memory ran out while loading
};

// A short description of the step for people: "bad CRC-32", "not an SK archive".
std::string_view DescribeSkinReadFailure(SkinReadFailure failure);

} // namespace orvane
