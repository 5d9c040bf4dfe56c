#pragma once

#include <cstdint>
#include <span>

namespace orvane {

// The reflected CRC-32 of ZIP archives (polynomial 0xEDB88320).

// One table step on one byte, without the pre- and post-inversion: the
// traditional archive cipher updates its keys with exactly this step.
std::uint32_t Crc32Update(std::uint32_t crc, std::uint8_t byte);

// The CRC-32 of a whole buffer as ZIP stores it (start ~0, result inverted).
std::uint32_t Crc32(std::span<const std::uint8_t> data);

// Continues a CRC-32 over more data: Crc32Continue(Crc32(a), b) == Crc32(a + b).
std::uint32_t Crc32Continue(std::uint32_t crc, std::span<const std::uint8_t> data);

} // namespace orvane
