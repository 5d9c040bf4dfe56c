#include "core/raster/WindowsBitmapFile.h"

#include "core/base/LittleEndian.h"

#include "TestPackages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

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
    Bytes runLengthData = {};          // after the rows, as it is
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
    file.insert(file.end(), layout.runLengthData.begin(), layout.runLengthData.end());
    WriteU32LE(file, 2, std::uint32_t(file.size()));
    if (layout.headerSize != 12)
        WriteU32LE(file, 14 + 20, std::uint32_t(file.size() - ReadU32LE(file, 10))); // image size
    return file;
}

// The files here are small; the limit only has to let them through.
constexpr std::uint64_t TestPixelLimit = 1u << 20;

std::optional<Bitmap> Decode(const Bytes& file) { return DecodeWindowsBitmap(file, TestPixelLimit); }

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
        const auto bitmap = Decode(BuildBmp(c.layout));
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
    ASSERT_TRUE(Decode(BuildBmp(good)));
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
        {"run-length compression of 24 bits", with([](BmpLayout& s) { s.compression = 1; })},
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
        EXPECT_FALSE(Decode(c.file)) << c.what;
}

TEST(WindowsBitmapFile, EncodedFilesDecodeToTheSamePixels)
{
    Bitmap bitmap(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            bitmap.At(x, y) = Pixel(0x01000000u * (x + 1) + 0x00010203u * (y * 5 + x));

    const auto as32 = Decode(EncodeWindowsBitmap(bitmap, 32));
    ASSERT_TRUE(as32);
    EXPECT_EQ(as32->BitsPerPixel, 32);
    EXPECT_EQ(*as32, bitmap);
    EXPECT_EQ(PixelsOf(*as32), PixelsOf(bitmap)); // X bytes too

    const Bytes file24 = EncodeWindowsBitmap(bitmap);
    EXPECT_EQ(file24.size(), 14u + 40u + 3u * 16u); // rows of 15 bytes padded to 16
    const auto as24 = Decode(file24);
    ASSERT_TRUE(as24);
    EXPECT_EQ(as24->BitsPerPixel, 24);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(as24->At(x, y), bitmap.At(x, y) & 0xFFFFFFu);
}

constexpr std::uint32_t CompressionRle8 = 1;
constexpr std::uint32_t CompressionRle4 = 2;

// Palette colours named by their index: 0x0000i0 for index i, so that a
// pixel's colour shows which index it came from.
std::vector<std::uint32_t> IndexPalette(int count)
{
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < count; ++i)
        palette.push_back(std::uint32_t(0x10 * i + 0x01));
    return palette;
}

// The rows top-down as index digits of IndexPalette colours.
std::vector<std::string> IndexRows(const Bitmap& bitmap)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x)
            row += "0123456789ABCDEF"[(bitmap.At(x, y) >> 4) & 0xF];
        rows.push_back(row);
    }
    return rows;
}

// RLE8: 6 x 4; rows listed bottom row first in the data.
const BmpLayout rle8Sample{.width = 6, .height = 4, .bitsPerPixel = 8, .compression = CompressionRle8,
    .colorsUsed = 4, .palette = IndexPalette(4),
    .runLengthData = {
        0x03, 0x01,                         // row 0: three of 1
        0x00, 0x03, 0x02, 0x03, 0x01, 0x00, //        literal 2 3 1, padded to an even count of bytes
        0x00, 0x00,                         //        end of line
        0x00, 0x02, 0x02, 0x01,             // row 1: delta 2 right, 1 up: the rest of row 1 and two
                                            //        pixels of row 2 are skipped
        0x02, 0x03,                         // row 2: two of 3
        0x00, 0x00,                         //        end of line
        0x00, 0x04, 0x01, 0x02, 0x03, 0x00, // row 3: literal 1 2 3 0, even, no padding
        0x00, 0x01,                         // end of bitmap: the last two pixels are skipped
        0x00, 0x00,                         // ignored (ImageMagick's reader reports an early end without it)
    }};
const std::vector<std::string> rle8SampleRows = {"123000", "003300", "000000", "111231"};

// RLE4: 7 x 3.
const BmpLayout rle4Sample{.width = 7, .height = 3, .bitsPerPixel = 4, .compression = CompressionRle4,
    .colorsUsed = 16, .palette = IndexPalette(16),
    .runLengthData = {
        0x04, 0x12,                         // row 0: four pixels alternating 1 and 2
        0x00, 0x03, 0x34, 0x50,             //        literal 3 4 5: three nibbles in two bytes
        0x00, 0x00,                         //        end of line
        0x00, 0x05, 0x67, 0x89, 0xA0, 0x00, // row 1: literal 6 7 8 9 A: three bytes padded to four
        0x01, 0xB0,                         //        one of B; the last pixel stays skipped
        0x00, 0x00,                         //        end of line
        0x00, 0x02, 0x03, 0x00,             // row 2: delta 3 right
        0x03, 0xCD,                         //        C D C
        0x00, 0x01,                         // end of bitmap
        0x00, 0x00,                         // ignored (ImageMagick's reader reports an early end without it)
    }};
const std::vector<std::string> rle4SampleRows = {"000CDC0", "6789AB0", "1212345"};

TEST(WindowsBitmapFile, DecodesRunLengthDataWithEveryEscape)
{
    const struct {
        const char* what;
        BmpLayout layout;
        std::vector<std::string> rows;
    } cases[] = {
        {"RLE8", rle8Sample, rle8SampleRows},
        {"RLE4", rle4Sample, rle4SampleRows},
        // ImageMagick encodes every row to its padded length: runs past the
        // row's end are dropped.
        {"RLE8, runs past the row's end", {.width = 3, .height = 2, .bitsPerPixel = 8, .compression = CompressionRle8,
             .colorsUsed = 4, .palette = IndexPalette(4),
             .runLengthData = {0x05, 0x01, 0x00, 0x00, 0x00, 0x04, 0x02, 0x02, 0x02, 0x03, 0x00, 0x01}},
            {"222", "111"}},
    };
    for (const auto& c : cases) {
        const auto bitmap = Decode(BuildBmp(c.layout));
        ASSERT_TRUE(bitmap) << c.what;
        EXPECT_EQ(bitmap->BitsPerPixel, c.layout.bitsPerPixel) << c.what;
        EXPECT_EQ(IndexRows(*bitmap), c.rows) << c.what;
    }
}

TEST(WindowsBitmapFile, DamagedRunLengthDataGivesNoBitmap)
{
    const auto rle8 = [](Bytes data) {
        BmpLayout layout = rle8Sample;
        layout.runLengthData = std::move(data);
        return BuildBmp(layout);
    };
    BmpLayout topDown = rle8Sample;
    topDown.height = -topDown.height;
    BmpLayout rle8With4Bits = rle8Sample;
    rle8With4Bits.bitsPerPixel = 4;
    BmpLayout rle4With8Bits = rle4Sample;
    rle4With8Bits.bitsPerPixel = 8;

    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"delta past the top", rle8({0x00, 0x02, 0x00, 0x05, 0x00, 0x01})},
        {"run above the top row", rle8({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x01})},
        {"end of line above the top row", rle8({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00})},
        {"no end of bitmap", rle8({0x03, 0x01, 0x00, 0x00})},
        {"literal cut short", rle8({0x00, 0x05, 0x01, 0x02})},
        {"literal without its padding", rle8({0x00, 0x03, 0x01, 0x02, 0x03})},
        {"delta cut short", rle8({0x00, 0x02, 0x01})},
        {"no data", rle8({})},
        {"top-down rows", BuildBmp(topDown)},
        {"RLE8 at 4 bits per pixel", BuildBmp(rle8With4Bits)},
        {"RLE4 at 8 bits per pixel", BuildBmp(rle4With8Bits)},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(Decode(c.file)) << c.what;
}

TEST(WindowsBitmapFile, SizesOverThePixelLimitAreRefusedFromTheHeader)
{
    // Run-length data of a few bytes declares any size: a limit must hold
    // before the pixels are allocated.
    BmpLayout huge{.width = 65536, .height = 65536, .bitsPerPixel = 8, .compression = CompressionRle8,
        .palette = IndexPalette(2), .runLengthData = {0x00, 0x01}};
    const Bytes hugeFile = BuildBmp(huge);
    const auto size = ReadWindowsBitmapSize(hugeFile);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 65536);
    EXPECT_EQ(size->height, 65536);
    EXPECT_FALSE(DecodeWindowsBitmap(hugeFile, 4096u * 4096u));

    const Bytes sample = BuildBmp(rle8Sample);
    EXPECT_TRUE(DecodeWindowsBitmap(sample, 24));
    EXPECT_FALSE(DecodeWindowsBitmap(sample, 23));
    EXPECT_FALSE(ReadWindowsBitmapSize(test::BytesOf("BM not a bitmap")));
}

// ImageMagick as the reference decoder: its convert writes RLE8 (it writes
// no RLE4) and turns any bitmap into an uncompressed 24-bit one.
class ImageMagickReference : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("convert -version >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "ImageMagick's convert is not installed (scripts/setup.sh installs it)";
    }
    // Runs convert with the arguments in the scratch folder.
    void Convert(const std::string& arguments)
    {
        const std::string command = "cd '" + scratch.Path().string() + "' && convert " + arguments;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    Bytes File(const std::string& name) { return test::ReadFile(scratch.Path() / name); }
    // ImageMagick's own decoding of a file, as 24-bit pixels.
    std::optional<Bitmap> ReferencePixels(const std::string& name)
    {
        Convert(name + " -type TrueColor -compress None BMP3:reference.bmp");
        return Decode(File("reference.bmp"));
    }

    test::ScratchFolder scratch;
};

TEST_F(ImageMagickReference, RunLengthFilesDecodeToImageMagicksPixels)
{
    // Files ImageMagick writes: built-in pictures reduced to palettes of
    // several sizes, an odd width and flat areas (long runs) among them.
    const struct {
        const char* name;
        const char* arguments;
    } written[] = {
        {"rose16.bmp", "rose: -colors 16"},
        {"rose200.bmp", "rose: -colors 200"},
        {"logo.bmp", "logo: -resize 123x77 -colors 32"},
        {"stripes.bmp", "-size 37x19 pattern:verticalsaw -colors 8"},
    };
    for (const auto& file : written) {
        SCOPED_TRACE(file.name);
        Convert(std::string(file.arguments) + " -compress RLE BMP3:" + file.name);
        const Bytes bytes = File(file.name);
        ASSERT_GE(bytes.size(), 34u);
        ASSERT_EQ(ReadU32LE(bytes, 30), CompressionRle8); // ImageMagick did write run-length data
        const auto ours = Decode(bytes);
        const auto reference = ReferencePixels(file.name);
        ASSERT_TRUE(ours);
        ASSERT_TRUE(reference);
        EXPECT_EQ(*ours, *reference);
    }

    // The hand-made files with every escape, skipped pixels included.
    for (const BmpLayout& layout : {rle8Sample, rle4Sample}) {
        test::WriteFile(scratch.Path() / "sample.bmp", BuildBmp(layout));
        const auto ours = Decode(BuildBmp(layout));
        const auto reference = ReferencePixels("sample.bmp");
        ASSERT_TRUE(ours);
        ASSERT_TRUE(reference);
        EXPECT_EQ(IndexRows(*ours), IndexRows(*reference)) << layout.bitsPerPixel << " bits";
        EXPECT_EQ(*ours, *reference) << layout.bitsPerPixel << " bits";
    }
}

} // namespace
} // namespace orvane
