#include "core/skinpackage/TemporaryFile.h"

#include <array>
#include <cstdint>
#include <random>
#include <system_error>

namespace orvane {
namespace {

constexpr std::size_t guidBytes = 16;
// The version-4 (random) GUID marks in bytes 6 and 8.
constexpr std::uint8_t versionMask = 0x0F;
constexpr std::uint8_t versionRandom = 0x40;
constexpr std::uint8_t variantMask = 0x3F;
constexpr std::uint8_t variantStandard = 0x80;

} // namespace

std::string NewGuidText()
{
    std::random_device device;
    std::array<std::uint8_t, guidBytes> bytes;
    for (std::size_t i = 0; i < guidBytes; i += 4) {
        const std::uint32_t value = device();
        for (std::size_t k = 0; k < 4; ++k)
            bytes[i + k] = static_cast<std::uint8_t>(value >> (8 * k));
    }
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & versionMask) | versionRandom);
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & variantMask) | variantStandard);

    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string text = "{";
    for (std::size_t i = 0; i < guidBytes; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        text += hexDigits[bytes[i] >> 4];
        text += hexDigits[bytes[i] & 0x0F];
    }
    text += '}';
    return text;
}

TemporaryFile::TemporaryFile()
{
    std::error_code error;
    path = std::filesystem::temp_directory_path(error) / NewGuidText();
}

TemporaryFile::~TemporaryFile()
{
    std::error_code error;
    std::filesystem::remove(path, error);
}

} // namespace orvane
