// Writes skin packages that must not load, for the Windows tests that set
// them as a running program's skin file, and one odd package that loads:
//   hostile-skins DEFAULT.ssk OUT_FOLDER
//     wrong-password.ssk  the default skin encrypted with another password
//     damaged.ssk         the default skin with bytes of its deflated data changed
//     truncated.ssk       the first half of the default skin
//     oversized.ssk       an image that declares more pixels than a skin may have
//     small-check-boxes.ssk  the default skin with check-box frames of 9 x 9
//                            pixels, smaller than the system's 13 x 13 box
#include "SkArchiveWriter.h"
#include "core/raster/Bitmap.h"
#include "core/raster/Canvas.h"
#include "core/raster/WindowsBitmapFile.h"
#include "core/skinpackage/ExtractSkinEntry.h"
#include "core/skinpackage/Sk2File.h"
#include "core/skinpackage/Sk2Writer.h"
#include "core/skinpackage/SkinLimits.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr char RecordFileName[] = "SKINDATA.SK2";
constexpr std::uint32_t FixedSeed = 20261210;

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

void Put16(Bytes& bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = std::uint8_t(value);
    bytes[at + 1] = std::uint8_t(value >> 8);
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

// A run-length bitmap that only ends itself: a few bytes that declare a
// side x side image.
Bytes DeclaredBitmap(std::uint32_t side)
{
    Bytes file(14 + 40 + 8, 0);
    Put16(file, 0, 0x4D42);
    Put32(file, 10, 14 + 40 + 4);
    Put32(file, 14, 40);
    Put32(file, 18, side);
    Put32(file, 22, side);
    Put16(file, 26, 1);
    Put16(file, 28, 8);
    Put32(file, 30, 1);         // RLE8
    Put32(file, 46, 1);         // one palette colour
    file[14 + 40 + 4 + 1] = 1;  // 0, 1: end of bitmap
    Put32(file, 2, std::uint32_t(file.size()));
    return file;
}

// Six 9 x 9 check-box frames side by side, each a solid colour of its own in
// a dark border, none of them the skin's transparent colour.
Bytes SmallCheckBoxStrip()
{
    constexpr int Side = 9, Frames = 6;
    constexpr orvane::Color Fills[Frames] = {0x3080E0, 0x60C060, 0xE0E0E0, 0x8090A0, 0xA0B0A0, 0xC8C8C8};
    orvane::Bitmap strip(Side * Frames, Side);
    orvane::Canvas canvas(strip);
    for (int frame = 0; frame < Frames; ++frame) {
        const orvane::Rect box{frame * Side, 0, (frame + 1) * Side, Side};
        canvas.FillRect(box, Fills[frame]);
        canvas.FrameRect(box, 0x202020);
    }
    return orvane::EncodeWindowsBitmap(strip);
}

// The record file with SKIN2_CHECKBOX replaced by the small strip.
bool WithSmallCheckBoxes(const Bytes& recordFile, Bytes& changed)
{
    auto entries = orvane::ReadSk2File(recordFile);
    if (!entries)
        return false;
    bool replaced = false;
    for (orvane::Sk2Entry& entry : *entries)
        if (entry.name == "SKIN2_CHECKBOX") {
            entry.data = SmallCheckBoxStrip();
            replaced = true;
        }
    changed = orvane::WriteSk2File(*entries);
    return replaced;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: hostile-skins DEFAULT.ssk OUT_FOLDER\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const Bytes package((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Bytes recordFile;
    if (package.empty() ||
        orvane::ExtractSkinEntry(package, RecordFileName, recordFile, "") != orvane::ExtractResult::Extracted) {
        std::fprintf(stderr, "hostile-skins: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::filesystem::path folder = argv[2];
    std::filesystem::create_directories(folder);

    orvane::SkArchiveOptions encrypted;
    encrypted.password = "not the empty password";
    encrypted.encryptionSeed = FixedSeed;
    const Bytes wrongPassword = orvane::WriteSkArchive({{RecordFileName, recordFile}}, encrypted);

    // The local header (30 bytes + name) is followed by the deflated data;
    // changing bytes in its middle breaks the data or its checksum.
    Bytes damaged = package;
    for (std::size_t at = package.size() / 3; at < package.size() / 3 + 64; ++at)
        damaged[at] ^= 0x5A;

    const Bytes truncated(package.begin(), package.begin() + std::ptrdiff_t(package.size() / 2));

    // One pixel row and column more than the largest image a skin may have.
    constexpr std::uint32_t LargestSide = 4096;
    static_assert(std::uint64_t(LargestSide) * LargestSide == orvane::MaxSkinImagePixels);
    constexpr std::uint32_t side = LargestSide + 1;
    const Bytes oversizedRecords =
        orvane::WriteSk2File({{"SKIN2_TITLEBAR1", orvane::Sk2EntryType::Image, DeclaredBitmap(side)}});
    const Bytes oversized = orvane::WriteSkArchive({{RecordFileName, oversizedRecords}}, {});

    Bytes smallBoxRecords;
    if (!WithSmallCheckBoxes(recordFile, smallBoxRecords)) {
        std::fprintf(stderr, "hostile-skins: %s has no check-box image\n", argv[1]);
        return 1;
    }
    const Bytes smallCheckBoxes = orvane::WriteSkArchive({{RecordFileName, smallBoxRecords}}, {});

    const bool written = WriteFile(folder / "wrong-password.ssk", wrongPassword) &&
                         WriteFile(folder / "small-check-boxes.ssk", smallCheckBoxes) &&
                         WriteFile(folder / "damaged.ssk", damaged) && WriteFile(folder / "truncated.ssk", truncated) &&
                         WriteFile(folder / "oversized.ssk", oversized);
    if (!written) {
        std::fprintf(stderr, "hostile-skins: cannot write into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
