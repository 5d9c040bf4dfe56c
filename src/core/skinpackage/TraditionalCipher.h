#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// The traditional PKWARE archive encryption: three 32-bit keys set up from the
// password and updated with every plain byte. Decrypt and Encrypt are the two
// directions of the same stream; an instance serves one entry in one direction.
class TraditionalCipher {
public:
    explicit TraditionalCipher(std::string_view password);

    std::uint8_t Decrypt(std::uint8_t cipherByte);
    std::uint8_t Encrypt(std::uint8_t plainByte);

private:
    std::uint8_t KeyStreamByte() const;
    void UpdateKeys(std::uint8_t plainByte);

    std::uint32_t key0;
    std::uint32_t key1;
    std::uint32_t key2;
};

} // namespace orvane
