#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvane {

// Little-endian field access for the binary file formats. The caller has
// checked that offset + the field's size lies within the span.

inline std::uint16_t ReadU16LE(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::uint32_t ReadU32LE(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return std::uint32_t(bytes[offset]) | (std::uint32_t(bytes[offset + 1]) << 8)
        | (std::uint32_t(bytes[offset + 2]) << 16) | (std::uint32_t(bytes[offset + 3]) << 24);
}

inline std::int32_t ReadI32LE(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::int32_t>(ReadU32LE(bytes, offset));
}

inline void WriteU16LE(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void WriteU32LE(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace orvane
