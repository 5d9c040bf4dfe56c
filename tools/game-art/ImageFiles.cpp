#include "ImageFiles.h"

#include <fstream>

namespace orvane::art {

namespace {

constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint16_t BitsPerPixel32 = 32;
constexpr std::int32_t PixelsPerMetre = 2835; // 72 dots per inch
constexpr std::uint16_t IconDirectorySize = 6;
constexpr std::uint16_t IconEntrySize = 16;
constexpr std::uint16_t IconResourceType = 1;
constexpr int LargestIconSize = 256;

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& target) : bytes(target) {}
    void U8(std::uint8_t value) { bytes.push_back(value); }
    void U16(std::uint16_t value)
    {
        U8(std::uint8_t(value));
        U8(std::uint8_t(value >> 8));
    }
    void U32(std::uint32_t value)
    {
        U16(std::uint16_t(value));
        U16(std::uint16_t(value >> 16));
    }

private:
    std::vector<std::uint8_t>& bytes;
};

void WriteInfoHeader(ByteWriter& out, const Bitmap& image, int storedHeight, std::uint32_t imageSize)
{
    out.U32(InfoHeaderSize);
    out.U32(std::uint32_t(image.Width()));
    out.U32(std::uint32_t(storedHeight));
    out.U16(1); // planes
    out.U16(BitsPerPixel32);
    out.U32(0); // BI_RGB
    out.U32(imageSize);
    out.U32(PixelsPerMetre);
    out.U32(PixelsPerMetre);
    out.U32(0);
    out.U32(0);
}

void WritePixelsBottomUp(ByteWriter& out, const Bitmap& image)
{
    for (int y = image.Height() - 1; y >= 0; --y)
        for (int x = 0; x < image.Width(); ++x)
            out.U32(image.At(x, y));
}

std::uint32_t MaskRowBytes(int width) { return std::uint32_t((width + 31) / 32 * 4); }

std::vector<std::uint8_t> IconImage(const Bitmap& image)
{
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    const std::uint32_t colorBytes = std::uint32_t(image.Width() * image.Height() * 4);
    const std::uint32_t maskBytes = MaskRowBytes(image.Width()) * std::uint32_t(image.Height());
    // An icon image stores the colour rows and then the mask rows: twice the height.
    WriteInfoHeader(out, image, image.Height() * 2, colorBytes + maskBytes);
    WritePixelsBottomUp(out, image);
    for (int y = image.Height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(MaskRowBytes(image.Width()), 0);
        for (int x = 0; x < image.Width(); ++x)
            if ((image.At(x, y) >> 24) == 0)
                row[std::size_t(x / 8)] |= std::uint8_t(0x80u >> (x % 8));
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

} // namespace

std::vector<std::uint8_t> EncodeIconFile(const std::vector<Bitmap>& images)
{
    std::vector<std::vector<std::uint8_t>> encoded;
    for (const Bitmap& image : images)
        encoded.push_back(IconImage(image));

    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    out.U16(0);
    out.U16(IconResourceType);
    out.U16(std::uint16_t(images.size()));
    std::uint32_t offset = IconDirectorySize + IconEntrySize * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A size of 256 is written as 0.
        out.U8(std::uint8_t(images[i].Width() >= LargestIconSize ? 0 : images[i].Width()));
        out.U8(std::uint8_t(images[i].Height() >= LargestIconSize ? 0 : images[i].Height()));
        out.U8(0); // no palette
        out.U8(0);
        out.U16(1); // planes
        out.U16(BitsPerPixel32);
        out.U32(std::uint32_t(encoded[i].size()));
        out.U32(offset);
        offset += std::uint32_t(encoded[i].size());
    }
    for (const auto& image : encoded)
        bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

std::vector<std::uint8_t> EncodePam(const Bitmap& image)
{
    const std::string header = "P7\nWIDTH " + std::to_string(image.Width()) + "\nHEIGHT " +
                               std::to_string(image.Height()) + "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const Pixel p = image.At(x, y);
            bytes.push_back(std::uint8_t(p >> 16));
            bytes.push_back(std::uint8_t(p >> 8));
            bytes.push_back(std::uint8_t(p));
            bytes.push_back(std::uint8_t(p >> 24));
        }
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

} // namespace orvane::art
