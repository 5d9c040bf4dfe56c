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
constexpr std::size_t fileHeaderSize = 14;
constexpr std::uint16_t fileSignature = 0x4D42; // "BM"
constexpr std::size_t pixelOffsetField = 10;

// Info headers by size: BITMAPCOREHEADER (12: u16 width, u16 height, planes,
// bit count; palette of 3-byte entries), BITMAPINFOHEADER (40) and its
// successors with colour masks inside (52, 56, V4 108, V5 124):
//   0 size   4 width i32   8 height i32 (negative: top-down)   12 planes
//  14 bit count   16 compression   20 image size   24, 28 resolution
//  32 colours used   36 important colours   40 red, 44 green, 48 blue, 52 alpha mask
constexpr std::uint32_t coreHeaderSize = 12;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t infoHeaderWithRgbMasksSize = 52;
constexpr std::uint32_t infoHeaderWithAlphaMaskSize = 56;
constexpr std::uint32_t v4HeaderSize = 108;
constexpr std::uint32_t v5HeaderSize = 124;

constexpr std::uint32_t compressionRgb = 0;
constexpr std::uint32_t compressionBitFields = 3;
constexpr std::uint32_t compressionAlphaBitFields = 6;

constexpr std::size_t rgbMasksSize = 12;
constexpr std::size_t rgbaMasksSize = 16;
constexpr std::size_t corePaletteEntrySize = 3;
constexpr std::size_t paletteEntrySize = 4;
constexpr int maxPaletteBits = 8;

// The layout of 16-bit pixels without masks: X1 R5 G5 B5.
constexpr std::uint32_t rgb555Red = 0x7C00, rgb555Green = 0x03E0, rgb555Blue = 0x001F;

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

} // namespace

std::optional<Bitmap> DecodeWindowsBitmap(std::span<const std::uint8_t> file)
{
    if (file.size() < fileHeaderSize + 4 || ReadU16LE(file, 0) != fileSignature)
        return std::nullopt;
    const std::uint32_t pixelOffset = ReadU32LE(file, pixelOffsetField);
    const auto info = file.subspan(fileHeaderSize);
    const std::uint32_t headerSize = ReadU32LE(info, 0);
    if (headerSize > info.size())
        return std::nullopt;

    std::int64_t width = 0;
    std::int64_t height = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = compressionRgb;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteEntry = paletteEntrySize;
    std::size_t afterHeader = fileHeaderSize + headerSize;
    std::array<std::uint32_t, 4> masks{};
    bool hasMasks = false;

    if (headerSize == coreHeaderSize) {
        width = ReadU16LE(info, 4);
        height = ReadU16LE(info, 6);
        bitsPerPixel = ReadU16LE(info, 10);
        paletteEntry = corePaletteEntrySize;
    } else if (headerSize == infoHeaderSize || headerSize == infoHeaderWithRgbMasksSize
        || headerSize == infoHeaderWithAlphaMaskSize || headerSize == v4HeaderSize || headerSize == v5HeaderSize) {
        width = ReadI32LE(info, 4);
        height = ReadI32LE(info, 8);
        bitsPerPixel = ReadU16LE(info, 14);
        compression = ReadU32LE(info, 16);
        colorsUsed = ReadU32LE(info, 32);
        if (compression == compressionBitFields || compression == compressionAlphaBitFields) {
            hasMasks = true;
            const std::size_t maskCount = compression == compressionAlphaBitFields ? 4 : 3;
            std::span<const std::uint8_t> maskBytes = info.subspan(infoHeaderSize);
            if (headerSize == infoHeaderSize) {
                // The masks follow a plain info header.
                const std::size_t size = maskCount == 4 ? rgbaMasksSize : rgbMasksSize;
                if (file.size() < afterHeader + size)
                    return std::nullopt;
                maskBytes = file.subspan(afterHeader, size);
                afterHeader += size;
            }
            for (std::size_t i = 0; i < maskCount && 4 * i + 4 <= maskBytes.size(); ++i)
                masks[i] = ReadU32LE(maskBytes, 4 * i);
            if (headerSize >= infoHeaderWithAlphaMaskSize)
                masks[3] = ReadU32LE(info, 52);
        }
    } else {
        return std::nullopt;
    }

    if (compression != compressionRgb && !(hasMasks && (bitsPerPixel == 16 || bitsPerPixel == 32)))
        return std::nullopt;
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24
        && bitsPerPixel != 32)
        return std::nullopt;
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    constexpr std::int64_t maxSide = std::numeric_limits<std::int32_t>::max();
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        return std::nullopt;

    // The palette of an indexed image; indexes past its end read as black.
    std::array<Pixel, 1u << maxPaletteBits> palette{};
    if (bitsPerPixel <= maxPaletteBits) {
        const std::uint32_t full = 1u << bitsPerPixel;
        const std::uint32_t count = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
        if (file.size() < afterHeader || (file.size() - afterHeader) / paletteEntry < count)
            return std::nullopt;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = afterHeader + i * paletteEntry;
            palette[i] = MakePixel(file[at + 2], file[at + 1], file[at]);
        }
    }

    const std::uint64_t stride = RowStride(std::uint64_t(width), bitsPerPixel);
    if (pixelOffset > file.size() || (file.size() - pixelOffset) / stride < std::uint64_t(height))
        return std::nullopt;

    PixelFormat format;
    if (hasMasks) {
        const auto red = Channel::FromMask(masks[0]);
        const auto green = Channel::FromMask(masks[1]);
        const auto blue = Channel::FromMask(masks[2]);
        const auto alpha = Channel::FromMask(masks[3]);
        if (!red || !green || !blue || !alpha)
            return std::nullopt;
        format = {*red, *green, *blue, *alpha};
    } else if (bitsPerPixel == 16) {
        format = {*Channel::FromMask(rgb555Red), *Channel::FromMask(rgb555Green), *Channel::FromMask(rgb555Blue), {}};
    }

    Bitmap bitmap(static_cast<int>(width), static_cast<int>(height));
    bitmap.BitsPerPixel = bitsPerPixel;
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
                    ? ReadU16LE({source, stride}, std::size_t(x) * 2)
                    : ReadU32LE({source, stride}, std::size_t(x) * 4);
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
    const std::uint32_t pixelOffset = fileHeaderSize + infoHeaderSize;

    std::vector<std::uint8_t> file(pixelOffset + imageSize, 0);
    WriteU16LE(file, 0, fileSignature);
    WriteU32LE(file, 2, static_cast<std::uint32_t>(file.size()));
    WriteU32LE(file, pixelOffsetField, pixelOffset);
    const std::span<std::uint8_t> info(file.data() + fileHeaderSize, infoHeaderSize);
    WriteU32LE(info, 0, infoHeaderSize);
    WriteU32LE(info, 4, static_cast<std::uint32_t>(width));
    WriteU32LE(info, 8, static_cast<std::uint32_t>(height)); // positive: bottom-up
    WriteU16LE(info, 12, 1);
    WriteU16LE(info, 14, static_cast<std::uint16_t>(bitsPerPixel));
    WriteU32LE(info, 16, compressionRgb);
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
