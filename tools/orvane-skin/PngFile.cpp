#include "PngFile.h"

#include "core/base/Exception.h"

#include <zlib.h>

#include <string_view>

namespace orvane {
namespace {

constexpr std::uint8_t Signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t BitDepth = 8;
constexpr std::uint8_t ColorTypeRgb = 2;
constexpr std::uint8_t FilterNone = 0;

void AppendU32BE(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

void AppendChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data)
{
    AppendU32BE(out, std::uint32_t(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + typeAt, uInt(out.size() - typeAt));
    AppendU32BE(out, std::uint32_t(crc));
}

} // namespace

std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap)
{
    std::vector<std::uint8_t> raw;
    raw.reserve(std::size_t(bitmap.Height()) * (1 + 3 * std::size_t(bitmap.Width())));
    for (int y = 0; y < bitmap.Height(); ++y) {
        raw.push_back(FilterNone);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Color color = bitmap.ColorAt(x, y);
            raw.push_back(std::uint8_t(color));
            raw.push_back(std::uint8_t(color >> 8));
            raw.push_back(std::uint8_t(color >> 16));
        }
    }
    uLongf compressedSize = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> compressed(compressedSize);
    if (compress2(compressed.data(), &compressedSize, raw.data(), uLong(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw Exception("zlib could not compress the picture");
    compressed.resize(compressedSize);

    std::vector<std::uint8_t> header;
    AppendU32BE(header, std::uint32_t(bitmap.Width()));
    AppendU32BE(header, std::uint32_t(bitmap.Height()));
    header.insert(header.end(), {BitDepth, ColorTypeRgb, 0, 0, 0});

    std::vector<std::uint8_t> png(std::begin(Signature), std::end(Signature));
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", compressed);
    AppendChunk(png, "IEND", {});
    return png;
}

} // namespace orvane
