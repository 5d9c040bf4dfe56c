#include "core/skinpackage/TraditionalCipher.h"

#include <gtest/gtest.h>

#include <array>

namespace orvane {
namespace {

TEST(TraditionalCipher, DecryptsAKnownKeyStream)
{
    // Bytes 0..15 decrypted with the password "pw" by an independent
    // implementation of the same cipher.
    const std::array<std::uint8_t, 16> expected = {
        0xE3, 0xE1, 0x3F, 0x0C, 0xE9, 0x9D, 0xB5, 0x54, 0x36, 0xB1, 0xDB, 0x37, 0x86, 0xB8, 0xCB, 0xB4};
    TraditionalCipher cipher("pw");
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(cipher.Decrypt(std::uint8_t(i)), expected[i]) << i;
}

TEST(TraditionalCipher, EncryptIsUndoneByDecryptWithTheSamePasswordOnly)
{
    std::vector<std::uint8_t> plain;
    for (int i = 0; i < 300; ++i)
        plain.push_back(std::uint8_t(i * 13));
    TraditionalCipher encrypting("secret");
    std::vector<std::uint8_t> sealed;
    for (const std::uint8_t byte : plain)
        sealed.push_back(encrypting.Encrypt(byte));
    EXPECT_NE(sealed, plain);

    TraditionalCipher right("secret");
    TraditionalCipher wrong("Secret");
    std::vector<std::uint8_t> opened, garbled;
    for (const std::uint8_t byte : sealed) {
        opened.push_back(right.Decrypt(byte));
        garbled.push_back(wrong.Decrypt(byte));
    }
    EXPECT_EQ(opened, plain);
    EXPECT_NE(garbled, plain);
}

} // namespace
} // namespace orvane
