#pragma once

#include "core/skinpackage/Sk2File.h"

#include <cstdint>
#include <vector>

namespace orvane {

// Builds an SK2 record file: the 24-byte file header, then per entry its
// 77-byte header followed by its data, the headers chained by their next
// offsets, and a terminating header whose next offset is 0. Names longer than
// the 64-byte name field throw Exception.
std::vector<std::uint8_t> WriteSk2File(const std::vector<Sk2Entry>& entries);

} // namespace orvane
