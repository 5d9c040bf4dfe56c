#include "core/skinpackage/Crc32.h"

#include <array>

namespace orvane {
namespace {

constexpr std::uint32_t CrcPolynomial = 0xEDB88320u;
constexpr std::size_t CrcTableSize = 256;

constexpr std::array<std::uint32_t, CrcTableSize> MakeCrcTable()
{
    std::array<std::uint32_t, CrcTableSize> table{};
    for (std::uint32_t n = 0; n < CrcTableSize; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) ? (c >> 1) ^ CrcPolynomial : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, CrcTableSize> CrcTable = MakeCrcTable();

} // namespace

std::uint32_t Crc32Update(std::uint32_t crc, std::uint8_t byte)
{
    return (crc >> 8) ^ CrcTable[(crc ^ byte) & 0xFFu];
}

std::uint32_t Crc32Continue(std::uint32_t crc, std::span<const std::uint8_t> data)
{
    std::uint32_t c = ~crc;
    for (const std::uint8_t byte : data)
        c = Crc32Update(c, byte);
    return ~c;
}

std::uint32_t Crc32(std::span<const std::uint8_t> data) { return Crc32Continue(0, data); }

} // namespace orvane
