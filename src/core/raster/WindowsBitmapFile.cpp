#include "core/raster/WindowsBitmapFile.h"

#include "core/base/LittleEndian.h"

#include <array>
#include <bit>
#include <cassert>
#include <limits>

namespace orvane {
namespace {

// BITMAPFILEHEADER, 14 bytes:
//   0 "BM"   2 file size   6 reserved   10 offset of the pixel data
constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint16_t FileSignature = 0x4D42; // "BM"
constexpr std::size_t PixelOffsetField = 10;

// Info headers by size: BITMAPCOREHEADER (12: u16 width, u16 height, planes,
// bit count; palette of 3-byte entries), BITMAPINFOHEADER (40) and its
// successors with colour masks inside (52, 56, V4 108, V5 124):
//   0 size   4 width i32   8 height i32 (negative: top-down)   12 planes
//  14 bit count   16 compression   20 image size   24, 28 resolution
//  32 colours used   36 important colours   40 red, 44 green, 48 blue, 52 alpha mask
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t InfoHeaderWithRgbMasksSize = 52;
constexpr std::uint32_t InfoHeaderWithAlphaMaskSize = 56;
constexpr std::uint32_t V4HeaderSize = 108;
constexpr std::uint32_t V5HeaderSize = 124;

constexpr std::uint32_t CompressionRgb = 0;
constexpr std::uint32_t CompressionRle8 = 1;
constexpr std::uint32_t CompressionRle4 = 2;
constexpr std::uint32_t CompressionBitFields = 3;
constexpr std::uint32_t CompressionAlphaBitFields = 6;

// The escapes of run-length data: a run of count 0 followed by one of these.
constexpr unsigned RleEndOfLine = 0;
constexpr unsigned RleEndOfBitmap = 1;
constexpr unsigned RleDelta = 2;

constexpr std::size_t RgbMasksSize = 12;
constexpr std::size_t RgbaMasksSize = 16;
constexpr std::size_t CorePaletteEntrySize = 3;
constexpr std::size_t PaletteEntrySize = 4;
constexpr int MaxPaletteBits = 8;

// The layout of 16-bit pixels without masks: X1 R5 G5 B5.
constexpr std::uint32_t Rgb555Red = 0x7C00, Rgb555Green = 0x03E0, Rgb555Blue = 0x001F;

// One colour channel inside a pixel word, scaled to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    static std::optional<Channel> FromMask(std::uint32_t mask)
    {
        Channel channel;
        channel.mask = mask;
        if (mask == 0)
            return channel;
        channel.shift = std::countr_zero(mask);
        const std::uint32_t field = mask >> channel.shift;
        if ((field & (field + 1)) != 0)
            return std::nullopt; // the bits of a channel must be adjacent
        channel.bits = std::popcount(field);
        return channel;
    }

    std::uint32_t Extract(std::uint32_t pixel) const
    {
        if (bits == 0)
            return 0;
        const std::uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8)
            return value >> (bits - 8);
        // Repeat the value's bits downwards so that the full field maps to 255.
        std::uint32_t result = 0;
        for (int filled = 0; filled < 8; filled += bits)
            result |= (value << (8 - bits)) >> filled;
        return result & 0xFFu;
    }
};

struct PixelFormat {
    Channel red, green, blue, alpha;
};

// Rows are padded to whole 32-bit words. 64 bits: a width near 2^31 at 32
// bits per pixel needs more than 32.
std::uint64_t RowStride(std::uint64_t width, int bitsPerPixel)
{
    return ((width * std::uint64_t(bitsPerPixel) + 31) / 32) * 4;
}

constexpr Pixel MakePixel(std::uint32_t red, std::uint32_t green, std::uint32_t blue, std::uint32_t x = 0)
{
    return (x << 24) | (red << 16) | (green << 8) | blue;
}

// What the headers of a bitmap file say, checked against the file's size
// where they point into it.
struct BitmapHeaders {
    std::int64_t width = 0;
    std::int64_t height = 0; // positive
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = CompressionRgb;
    std::uint32_t pixelOffset = 0;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteOffset = 0;
    std::size_t paletteEntry = PaletteEntrySize;
    std::array<std::uint32_t, 4> masks{};
    bool hasMasks = false;

    bool RunLength() const { return compression == CompressionRle8 || compression == CompressionRle4; }
};

std::optional<BitmapHeaders> ReadHeaders(std::span<const std::uint8_t> file)
{
    if (file.size() < FileHeaderSize + 4 || ReadU16LE(file, 0) != FileSignature)
        return std::nullopt;
    BitmapHeaders headers;
    headers.pixelOffset = ReadU32LE(file, PixelOffsetField);
    const auto info = file.subspan(FileHeaderSize);
    const std::uint32_t headerSize = ReadU32LE(info, 0);
    if (headerSize > info.size())
        return std::nullopt;
    headers.paletteOffset = FileHeaderSize + headerSize;

    if (headerSize == CoreHeaderSize) {
        headers.width = ReadU16LE(info, 4);
        headers.height = ReadU16LE(info, 6);
        headers.bitsPerPixel = ReadU16LE(info, 10);
        headers.paletteEntry = CorePaletteEntrySize;
    } else if (headerSize == InfoHeaderSize || headerSize == InfoHeaderWithRgbMasksSize
        || headerSize == InfoHeaderWithAlphaMaskSize || headerSize == V4HeaderSize || headerSize == V5HeaderSize) {
        headers.width = ReadI32LE(info, 4);
        headers.height = ReadI32LE(info, 8);
        headers.bitsPerPixel = ReadU16LE(info, 14);
        headers.compression = ReadU32LE(info, 16);
        headers.colorsUsed = ReadU32LE(info, 32);
        if (headers.compression == CompressionBitFields || headers.compression == CompressionAlphaBitFields) {
            headers.hasMasks = true;
            const std::size_t maskCount = headers.compression == CompressionAlphaBitFields ? 4 : 3;
            std::span<const std::uint8_t> maskBytes = info.subspan(InfoHeaderSize);
            if (headerSize == InfoHeaderSize) {
                // The masks follow a plain info header.
                const std::size_t size = maskCount == 4 ? RgbaMasksSize : RgbMasksSize;
                if (file.size() < headers.paletteOffset + size)
                    return std::nullopt;
                maskBytes = file.subspan(headers.paletteOffset, size);
                headers.paletteOffset += size;
            }
            for (std::size_t i = 0; i < maskCount && 4 * i + 4 <= maskBytes.size(); ++i)
                headers.masks[i] = ReadU32LE(maskBytes, 4 * i);
            if (headerSize >= InfoHeaderWithAlphaMaskSize)
                headers.masks[3] = ReadU32LE(info, 52);
        }
    } else {
        return std::nullopt;
    }

    const int bits = headers.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return std::nullopt;
    const bool compressionFits = headers.compression == CompressionRgb
        || (headers.hasMasks && (bits == 16 || bits == 32)) || (headers.compression == CompressionRle8 && bits == 8)
        || (headers.compression == CompressionRle4 && bits == 4);
    if (!compressionFits)
        return std::nullopt;
    headers.topDown = headers.height < 0;
    if (headers.topDown)
        headers.height = -headers.height;
    // Run-length rows always run bottom-up; a negative height there is an error.
    if (headers.topDown && headers.RunLength())
        return std::nullopt;
    constexpr std::int64_t MaxSide = std::numeric_limits<std::int32_t>::max();
    if (headers.width <= 0 || headers.height <= 0 || headers.width > MaxSide || headers.height > MaxSide)
        return std::nullopt;
    return headers;
}

// Run-length pixel data (BI_RLE8, BI_RLE4), read as pairs of bytes from the
// bottom row up:
//
//   n > 0, v     a run of n pixels: index v (8 bits), or v's high and low
//                nibbles alternating, high first (4 bits)
//   0, 0         end of line: on to the start of the next row up
//   0, 1         end of bitmap
//   0, 2, dx, dy delta: dx pixels right, dy rows up
//   0, n >= 3    n literal indexes follow: n bytes (8 bits) or n nibbles,
//                high first (4 bits), padded to a 16-bit boundary
//
// Pixels that no run reaches keep palette index 0. Pixels past the row's end
// are dropped: ImageMagick encodes each row to its padded length of whole
// 32-bit words, and Windows clips such runs too. Pixels or moves above the
// top row, and data that ends before the end-of-bitmap mark, are damage.
bool DecodeRunLength(std::span<const std::uint8_t> data, int bitsPerPixel, const std::array<Pixel, 256>& palette,
    Bitmap& bitmap)
{
    const std::int64_t width = bitmap.Width();
    const std::int64_t height = bitmap.Height();
    std::int64_t x = 0;
    std::int64_t y = 0; // rows counted from the bottom
    std::size_t pos = 0;
    const auto put = [&](unsigned index) {
        if (x < width)
            bitmap.Row(int(height - 1 - y))[x] = palette[index];
        ++x;
    };
    const auto nibble = [](std::uint8_t byte, std::int64_t i) { return i % 2 == 0 ? byte >> 4 : byte & 0x0Fu; };

    for (;;) {
        if (data.size() - pos < 2)
            return false;
        const unsigned count = data[pos];
        const unsigned value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            if (y >= height)
                return false;
            for (unsigned i = 0; i < count; ++i)
                put(bitsPerPixel == 8 ? value : nibble(std::uint8_t(value), i));
            continue;
        }
        switch (value) {
        case RleEndOfLine:
            x = 0;
            if (++y > height)
                return false;
            break;
        case RleEndOfBitmap:
            return true;
        case RleDelta:
            if (data.size() - pos < 2)
                return false;
            x += data[pos];
            y += data[pos + 1];
            pos += 2;
            if (y > height)
                return false;
            break;
        default: {
            const std::size_t bytes = bitsPerPixel == 8 ? value : (value + 1) / 2;
            const std::size_t padded = (bytes + 1) & ~std::size_t(1);
            if (data.size() - pos < padded || y >= height)
                return false;
            for (unsigned i = 0; i < value; ++i)
                put(bitsPerPixel == 8 ? data[pos + i] : nibble(data[pos + i / 2], i));
            pos += padded;
            break;
        }
        }
    }
}

} // namespace

std::optional<WindowsBitmapSize> ReadWindowsBitmapSize(std::span<const std::uint8_t> file)
{
    const auto headers = ReadHeaders(file);
    if (!headers)
        return std::nullopt;
    return WindowsBitmapSize{int(headers->width), int(headers->height)};
}

std::optional<Bitmap> DecodeWindowsBitmap(std::span<const std::uint8_t> file, std::uint64_t maxPixels)
{
    const auto headers = ReadHeaders(file);
    if (!headers)
        return std::nullopt;
    const std::int64_t width = headers->width;
    const std::int64_t height = headers->height;
    const int bitsPerPixel = headers->bitsPerPixel;
    // Before any pixel memory is taken: run-length data of a few bytes can
    // declare any size.
    const auto pixelCount = Bitmap::PixelCount(int(width), int(height));
    if (!pixelCount || *pixelCount > maxPixels)
        return std::nullopt;

    // The palette of an indexed image; indexes past its end read as black.
    std::array<Pixel, 1u << MaxPaletteBits> palette{};
    if (bitsPerPixel <= MaxPaletteBits) {
        const std::uint32_t full = 1u << bitsPerPixel;
        const std::uint32_t colorsUsed = headers->colorsUsed;
        const std::uint32_t count = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
        const std::size_t afterHeader = headers->paletteOffset;
        const std::size_t entry = headers->paletteEntry;
        if (file.size() < afterHeader || (file.size() - afterHeader) / entry < count)
            return std::nullopt;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = afterHeader + i * entry;
            palette[i] = MakePixel(file[at + 2], file[at + 1], file[at]);
        }
    }

    const std::uint32_t pixelOffset = headers->pixelOffset;
    if (pixelOffset > file.size())
        return std::nullopt;
    if (headers->RunLength()) {
        Bitmap bitmap(static_cast<int>(width), static_cast<int>(height), palette[0]);
        bitmap.BitsPerPixel = bitsPerPixel;
        if (!DecodeRunLength(file.subspan(pixelOffset), bitsPerPixel, palette, bitmap))
            return std::nullopt;
        return bitmap;
    }

    const std::uint64_t stride = RowStride(std::uint64_t(width), bitsPerPixel);
    if ((file.size() - pixelOffset) / stride < std::uint64_t(height))
        return std::nullopt;

    const bool hasMasks = headers->hasMasks;
    PixelFormat format;
    if (hasMasks) {
        const auto red = Channel::FromMask(headers->masks[0]);
        const auto green = Channel::FromMask(headers->masks[1]);
        const auto blue = Channel::FromMask(headers->masks[2]);
        const auto alpha = Channel::FromMask(headers->masks[3]);
        if (!red || !green || !blue || !alpha)
            return std::nullopt;
        format = {*red, *green, *blue, *alpha};
    } else if (bitsPerPixel == 16) {
        format = {*Channel::FromMask(Rgb555Red), *Channel::FromMask(Rgb555Green), *Channel::FromMask(Rgb555Blue), {}};
    }

    Bitmap bitmap(static_cast<int>(width), static_cast<int>(height));
    bitmap.BitsPerPixel = bitsPerPixel;
    const bool topDown = headers->topDown;
    for (std::int64_t row = 0; row < height; ++row) {
        const std::uint8_t* source = file.data() + pixelOffset + std::size_t(row) * stride;
        Pixel* target = bitmap.Row(int(topDown ? row : height - 1 - row));
        for (std::int64_t x = 0; x < width; ++x) {
            switch (bitsPerPixel) {
            case 1:
                target[x] = palette[(source[x / 8] >> (7 - x % 8)) & 0x1u];
                break;
            case 4:
                target[x] = palette[(source[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xFu];
                break;
            case 8:
                target[x] = palette[source[x]];
                break;
            case 24:
                target[x] = MakePixel(source[3 * x + 2], source[3 * x + 1], source[3 * x]);
                break;
            case 16:
            case 32: {
                const std::size_t bytes = std::size_t(bitsPerPixel / 8);
                const std::uint32_t word = bytes == 2
                    ? ReadU16LE({source, std::size_t(stride)}, std::size_t(x) * 2)
                    : ReadU32LE({source, std::size_t(stride)}, std::size_t(x) * 4);
                if (bitsPerPixel == 32 && !hasMasks) {
                    target[x] = word; // B, G, R, X as stored
                    break;
                }
                target[x] = MakePixel(format.red.Extract(word), format.green.Extract(word), format.blue.Extract(word),
                    format.alpha.Extract(word));
                break;
            }
            }
        }
    }
    return bitmap;
}

std::vector<std::uint8_t> EncodeWindowsBitmap(const Bitmap& bitmap, int bitsPerPixel)
{
    assert((bitsPerPixel == 24 || bitsPerPixel == 32) && "bitmap files are written with 24 or 32 bits per pixel");
    if (bitsPerPixel != 32)
        bitsPerPixel = 24;
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    const auto stride = static_cast<std::size_t>(RowStride(std::uint64_t(width), bitsPerPixel));
    const auto imageSize = static_cast<std::uint32_t>(stride * std::size_t(height));
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize;

    std::vector<std::uint8_t> file(pixelOffset + imageSize, 0);
    WriteU16LE(file, 0, FileSignature);
    WriteU32LE(file, 2, static_cast<std::uint32_t>(file.size()));
    WriteU32LE(file, PixelOffsetField, pixelOffset);
    const std::span<std::uint8_t> info(file.data() + FileHeaderSize, InfoHeaderSize);
    WriteU32LE(info, 0, InfoHeaderSize);
    WriteU32LE(info, 4, static_cast<std::uint32_t>(width));
    WriteU32LE(info, 8, static_cast<std::uint32_t>(height)); // positive: bottom-up
    WriteU16LE(info, 12, 1);
    WriteU16LE(info, 14, static_cast<std::uint16_t>(bitsPerPixel));
    WriteU32LE(info, 16, CompressionRgb);
    WriteU32LE(info, 20, imageSize);

    for (int y = 0; y < height; ++y) {
        std::uint8_t* target = file.data() + pixelOffset + std::size_t(height - 1 - y) * stride;
        const Pixel* source = bitmap.Row(y);
        for (int x = 0; x < width; ++x) {
            const Pixel pixel = source[x];
            if (bitsPerPixel == 32) {
                WriteU32LE({target, stride}, std::size_t(x) * 4, pixel);
                continue;
            }
            target[3 * x] = static_cast<std::uint8_t>(pixel);
            target[3 * x + 1] = static_cast<std::uint8_t>(pixel >> 8);
            target[3 * x + 2] = static_cast<std::uint8_t>(pixel >> 16);
        }
    }
    return file;
}

} // namespace orvane
