#include "core/skinpackage/TraditionalCipher.h"

#include "core/skinpackage/Crc32.h"

namespace orvane {
namespace {

// The initial keys and the multiplier of the traditional PKWARE encryption.
constexpr std::uint32_t InitialKey0 = 0x12345678u;
constexpr std::uint32_t InitialKey1 = 0x23456789u;
constexpr std::uint32_t InitialKey2 = 0x34567890u;
constexpr std::uint32_t Key1Multiplier = 0x08088405u;

} // namespace

TraditionalCipher::TraditionalCipher(std::string_view password)
    : key0(InitialKey0), key1(InitialKey1), key2(InitialKey2)
{
    for (const char c : password)
        UpdateKeys(static_cast<std::uint8_t>(c));
}

std::uint8_t TraditionalCipher::KeyStreamByte() const
{
    const std::uint32_t t = (key2 & 0xFFFFu) | 2u;
    return static_cast<std::uint8_t>(((t * (t ^ 1u)) >> 8) & 0xFFu);
}

void TraditionalCipher::UpdateKeys(std::uint8_t plainByte)
{
    key0 = Crc32Update(key0, plainByte);
    key1 = (key1 + (key0 & 0xFFu)) * Key1Multiplier + 1u;
    key2 = Crc32Update(key2, static_cast<std::uint8_t>(key1 >> 24));
}

std::uint8_t TraditionalCipher::Decrypt(std::uint8_t cipherByte)
{
    const auto plainByte = static_cast<std::uint8_t>(cipherByte ^ KeyStreamByte());
    UpdateKeys(plainByte);
    return plainByte;
}

std::uint8_t TraditionalCipher::Encrypt(std::uint8_t plainByte)
{
    const auto cipherByte = static_cast<std::uint8_t>(plainByte ^ KeyStreamByte());
    UpdateKeys(plainByte);
    return cipherByte;
}

} // namespace orvane
