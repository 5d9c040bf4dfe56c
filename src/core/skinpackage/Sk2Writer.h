#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// The kinds of value an SK2 record file carries.
enum class Sk2EntryType : std::uint8_t { Image = 0, Integer = 1, Bool = 2, String = 3 };

// One keyed value: Image data is a whole Windows bitmap file, Integer 4 bytes
// little-endian, Bool 1 byte, String the text bytes.
struct Sk2Entry {
    std::string name;
    Sk2EntryType type;
    std::vector<std::uint8_t> data;
};

// Builds an SK2 record file: the 24-byte file header, then per entry its
// 77-byte header followed by its data, the headers chained by their next
// offsets, and a terminating header whose next offset is 0. Names longer than
// the 64-byte name field throw Exception.
std::vector<std::uint8_t> WriteSk2File(const std::vector<Sk2Entry>& entries);

} // namespace orvane
