#pragma once

#include <cstdint>

namespace orvane {

// What one skin package may ask of the reader. A real skin stays far below
// every limit (the built-in one needs well under a percent of each); a hostile
// package meets one after a few milliseconds and fails to load, instead of
// taking the process's memory. The table in assets/skins/README.md repeats
// these values.

// The uncompressed size the directory declares for the record file; checked
// before anything is inflated, and the inflater stops at it.
inline constexpr std::uint64_t MaxSkinRecordFileSize = 16u << 20;

// The data bytes of all records together. Records may share data, so a small
// record file can name the same bytes many times; each naming is copied.
inline constexpr std::uint64_t MaxSkinRecordBytesCopied = 32u << 20;

// Pixels of one image (4096 x 4096, 64 MiB of 32-bit pixels), checked from
// its header before any pixel memory is taken.
inline constexpr std::uint64_t MaxSkinImagePixels = 4096u * 4096u;

// Pixels of all images of a skin together.
inline constexpr std::uint64_t MaxSkinTotalPixels = 2 * MaxSkinImagePixels;

} // namespace orvane
