#include "core/skinpackage/Crc32.h"

#include "TestPackages.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace orvane {
namespace {

TEST(Crc32, MatchesTheZipChecksum)
{
    EXPECT_EQ(Crc32(test::BytesOf("123456789")), 0xCBF43926u);
    EXPECT_EQ(Crc32({}), 0u);

    test::Bytes data;
    for (int i = 0; i < 5000; ++i)
        data.push_back(std::uint8_t(i * 7 + (i >> 5)));
    EXPECT_EQ(Crc32(data), crc32(0, data.data(), uInt(data.size())));

    const std::span<const std::uint8_t> all(data);
    EXPECT_EQ(Crc32Continue(Crc32(all.first(1234)), all.subspan(1234)), Crc32(all));
}

TEST(Crc32, UpdateIsOneUninvertedStep)
{
    // The whole-buffer CRC is the byte step between the two inversions.
    std::uint32_t crc = ~0u;
    for (const std::uint8_t byte : test::BytesOf("123456789"))
        crc = Crc32Update(crc, byte);
    EXPECT_EQ(~crc, 0xCBF43926u);
    EXPECT_EQ(Crc32Update(0, 0), 0u);
    EXPECT_EQ(Crc32Update(0, 1), 0x77073096u);
}

} // namespace
} // namespace orvane
