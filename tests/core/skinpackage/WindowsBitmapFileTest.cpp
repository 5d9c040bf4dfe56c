#include "core/raster/WindowsBitmapFile.h"

#include "core/base/LittleEndian.h"

#include "TestPackages.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Bytes;

// Assembles a bitmap file: file header, an info header of the given size
// (12: core header), the extra bytes (masks after a 40-byte header), the
// palette (B, G, R, 0 or B, G, R for the core header) and the rows as given.
struct BmpLayout {
    std::uint32_t headerSize = 40;
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> masks = {}; // inside a header of 52 bytes or more, else after it
    std::vector<std::uint32_t> palette = {}; // 0x00RRGGBB
    std::vector<Bytes> rows = {};      // in file order, each padded to 4 bytes by the builder
};

Bytes BuildBmp(const BmpLayout& layout)
{
    Bytes header(layout.headerSize, 0);
    WriteU32LE(header, 0, layout.headerSize);
    if (layout.headerSize == 12) {
        WriteU16LE(header, 4, std::uint16_t(layout.width));
        WriteU16LE(header, 6, std::uint16_t(layout.height));
        WriteU16LE(header, 8, 1);
        WriteU16LE(header, 10, layout.bitsPerPixel);
    } else {
        WriteU32LE(header, 4, std::uint32_t(layout.width));
        WriteU32LE(header, 8, std::uint32_t(layout.height));
        WriteU16LE(header, 12, 1);
        WriteU16LE(header, 14, layout.bitsPerPixel);
        WriteU32LE(header, 16, layout.compression);
        WriteU32LE(header, 32, layout.colorsUsed);
    }
    Bytes extra;
    for (std::size_t i = 0; i < layout.masks.size(); ++i) {
        if (layout.headerSize >= 52 && 40 + 4 * i + 4 <= layout.headerSize)
            WriteU32LE(header, 40 + 4 * i, layout.masks[i]);
        else
            for (int k = 0; k < 4; ++k)
                extra.push_back(std::uint8_t(layout.masks[i] >> (8 * k)));
    }
    Bytes palette;
    for (const std::uint32_t color : layout.palette) {
        palette.push_back(std::uint8_t(color));
        palette.push_back(std::uint8_t(color >> 8));
        palette.push_back(std::uint8_t(color >> 16));
        if (layout.headerSize != 12)
            palette.push_back(0);
    }
    Bytes file(14, 0);
    WriteU16LE(file, 0, 0x4D42);
    WriteU32LE(file, 10, std::uint32_t(14 + header.size() + extra.size() + palette.size()));
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), extra.begin(), extra.end());
    file.insert(file.end(), palette.begin(), palette.end());
    for (Bytes row : layout.rows) {
        row.resize((row.size() + 3) / 4 * 4, 0);
        file.insert(file.end(), row.begin(), row.end());
    }
    WriteU32LE(file, 2, std::uint32_t(file.size()));
    return file;
}

// Pixels as 0xXXRRGGBB, rows top-down.
std::vector<Pixel> PixelsOf(const Bitmap& bitmap) { return {bitmap.Pixels().begin(), bitmap.Pixels().end()}; }

TEST(WindowsBitmapFile, DecodesEveryUncompressedDepth)
{
    const std::vector<std::uint32_t> fourColors = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    const struct {
        const char* what;
        BmpLayout layout;
        std::vector<Pixel> pixels; // top-down
    } cases[] = {
        {"1 bit, bottom-up", {.width = 3, .height = 2, .bitsPerPixel = 1, .palette = {0x102030, 0xFFFFFF},
                                 .rows = {{0b10100000}, {0b01000000}}},
            {0x102030, 0xFFFFFF, 0x102030, 0xFFFFFF, 0x102030, 0xFFFFFF}},
        {"4 bit, top-down", {.width = 3, .height = -2, .bitsPerPixel = 4, .colorsUsed = 4, .palette = fourColors,
                                .rows = {{0x12, 0x30}, {0x01, 0x20}}},
            {0xFF0000, 0x00FF00, 0x0000FF, 0x000000, 0xFF0000, 0x00FF00}},
        {"8 bit, short palette", {.width = 2, .height = 1, .bitsPerPixel = 8, .colorsUsed = 2,
                                     .palette = {0x123456, 0xABCDEF}, .rows = {{1, 200}}},
            {0xABCDEF, 0x000000}},
        {"8 bit, core header", {.headerSize = 12, .width = 2, .height = 1, .bitsPerPixel = 8,
                                   .palette = std::vector<std::uint32_t>(256, 0x445566), .rows = {{0, 255}}},
            {0x445566, 0x445566}},
        {"16 bit, 5-5-5", {.width = 2, .height = 1, .bitsPerPixel = 16, .rows = {{0x00, 0x7C, 0xFF, 0x7F}}},
            {0xFF0000, 0xFFFFFF}},
        {"16 bit, 5-6-5 masks", {.width = 2, .height = 1, .bitsPerPixel = 16, .compression = 3,
                                    .masks = {0xF800, 0x07E0, 0x001F}, .rows = {{0xE0, 0x07, 0x1F, 0x00}}},
            {0x00FF00, 0x0000FF}},
        {"24 bit, bottom-up", {.width = 1, .height = 2, .rows = {{0x01, 0x02, 0x03}, {0xFF, 0x00, 0xFF}}},
            {0xFF00FF, 0x030201}},
        {"32 bit keeps the X byte", {.width = 1, .height = 1, .bitsPerPixel = 32, .rows = {{0x10, 0x20, 0x30, 0x80}}},
            {0x80302010}},
        {"32 bit masks in a V4 header", {.headerSize = 108, .width = 1, .height = 1, .bitsPerPixel = 32,
                                            .compression = 3, .masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},
                                            .rows = {{0x10, 0x20, 0x30, 0x40}}},
            {0x40102030}},
    };
    for (const auto& c : cases) {
        const auto bitmap = DecodeWindowsBitmap(BuildBmp(c.layout));
        ASSERT_TRUE(bitmap) << c.what;
        EXPECT_EQ(bitmap->BitsPerPixel, c.layout.bitsPerPixel) << c.what;
        EXPECT_EQ(bitmap->Width(), c.layout.width) << c.what;
        EXPECT_EQ(bitmap->Height(), std::abs(c.layout.height)) << c.what;
        EXPECT_EQ(PixelsOf(*bitmap), c.pixels) << c.what;
    }
}

TEST(WindowsBitmapFile, RejectsWhatItCannotDecode)
{
    const BmpLayout good{.width = 2, .height = 2, .rows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}};
    ASSERT_TRUE(DecodeWindowsBitmap(BuildBmp(good)));
    const auto with = [&](auto&& change) {
        BmpLayout layout = good;
        change(layout);
        return BuildBmp(layout);
    };
    Bytes truncated = BuildBmp(good);
    truncated.pop_back();
    Bytes wrongSignature = BuildBmp(good);
    wrongSignature[0] = 'X';

    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"wrong signature", wrongSignature},
        {"pixel data cut short", truncated},
        {"run-length compression", with([](BmpLayout& s) { s.bitsPerPixel = 8; s.compression = 1; s.palette = {0}; })},
        {"masks with 24 bits", with([](BmpLayout& s) { s.compression = 3; s.masks = {0xFF0000, 0xFF00, 0xFF}; })},
        {"masks with gaps", with([](BmpLayout& s) {
             s.bitsPerPixel = 16; s.compression = 3; s.masks = {0xF00F, 0x0F00, 0x00F0}; })},
        {"2 bits per pixel", with([](BmpLayout& s) { s.bitsPerPixel = 2; s.palette = {0, 0, 0, 0}; })},
        {"zero width", with([](BmpLayout& s) { s.width = 0; })},
        {"zero height", with([](BmpLayout& s) { s.height = 0; })},
        {"palette missing", with([](BmpLayout& s) { s.bitsPerPixel = 8; s.rows = {}; })},
        {"unknown header size", with([](BmpLayout& s) { s.headerSize = 44; })},
        {"huge size", with([](BmpLayout& s) { s.width = 0x7FFFFFFF; s.height = -0x7FFFFFFF; })},
        {"most negative height", with([](BmpLayout& s) { s.height = std::numeric_limits<std::int32_t>::min(); })},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(DecodeWindowsBitmap(c.file)) << c.what;
}

TEST(WindowsBitmapFile, EncodedFilesDecodeToTheSamePixels)
{
    Bitmap bitmap(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            bitmap.At(x, y) = Pixel(0x01000000u * (x + 1) + 0x00010203u * (y * 5 + x));

    const auto as32 = DecodeWindowsBitmap(EncodeWindowsBitmap(bitmap, 32));
    ASSERT_TRUE(as32);
    EXPECT_EQ(as32->BitsPerPixel, 32);
    EXPECT_EQ(*as32, bitmap);
    EXPECT_EQ(PixelsOf(*as32), PixelsOf(bitmap)); // X bytes too

    const Bytes file24 = EncodeWindowsBitmap(bitmap);
    EXPECT_EQ(file24.size(), 14u + 40u + 3u * 16u); // rows of 15 bytes padded to 16
    const auto as24 = DecodeWindowsBitmap(file24);
    ASSERT_TRUE(as24);
    EXPECT_EQ(as24->BitsPerPixel, 24);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(as24->At(x, y), bitmap.At(x, y) & 0xFFFFFFu);
}

} // namespace
} // namespace orvane
