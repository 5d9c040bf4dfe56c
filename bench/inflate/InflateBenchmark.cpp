// Our inflater against zlib (and libdeflate where installed) on the same
// streams in the same run. Prints throughput of each and the ratio of ours to
// zlib's; times vary with the machine, the ratio is the figure to compare.
//
// Usage: orvane-inflate-bench [package.ssk]
// Without an argument the default skin package of the build is used when it
// exists, else a stand-in record file of generated skin bitmaps.

#include "core/raster/Bitmap.h"
#include "core/raster/WindowsBitmapFile.h"
#include "core/skinpackage/ExtractSkinEntry.h"
#include "core/skinpackage/Inflate.h"
#include "core/skinpackage/Sk2Writer.h"

#include <zlib.h>
#if ORVANE_HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr int rawWindowBits = -15;
constexpr int bestLevel = 9;
constexpr double roundSeconds = 0.02;
constexpr int rounds = 41;

Bytes Deflate(const Bytes& data)
{
    z_stream stream{};
    deflateInit2(&stream, bestLevel, Z_DEFLATED, rawWindowBits, 8, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&stream, uLong(data.size())));
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = uInt(data.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END)
        throw std::runtime_error("deflate failed");
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

bool ZlibInflate(const Bytes& stream, Bytes& output)
{
    z_stream z{};
    inflateInit2(&z, rawWindowBits);
    z.next_in = const_cast<Bytef*>(stream.data());
    z.avail_in = uInt(stream.size());
    z.next_out = output.data();
    z.avail_out = uInt(output.size());
    const int status = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return status == Z_STREAM_END;
}

// A skin-like bitmap: textured gradient body, hard frame, corners in the
// transparent colour.
orvane::Bitmap SkinImage(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    orvane::Bitmap bitmap(width, height);
    const unsigned hue = random() & 0xFFFFFF;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            const bool corner = (x < 3 || x >= width - 3) && (y < 3 || y >= height - 3);
            std::uint32_t pixel;
            if (corner)
                pixel = 0xFF00FF;
            else if (frame)
                pixel = 0x203040;
            else {
                // Shading with a little texture, as drawn skin art has.
                const unsigned shade = unsigned(y * 160 / std::max(1, height - 1)) + unsigned(random() % 12)
                    + ((x + y) % 5 == 0 ? 40 : 0);
                pixel = ((((hue >> 16) & 0xFF) * shade / 255) << 16) | ((((hue >> 8) & 0xFF) * shade / 255) << 8)
                    | ((hue & 0xFF) * shade / 255);
            }
            bitmap.At(x, y) = pixel;
        }
    }
    return bitmap;
}

// Stand-in for the default skin's record file: images of the sizes a skin
// carries, plus integers and flags.
Bytes StandInSkinRecordFile()
{
    const struct {
        int width, height;
    } sizes[] = {{30, 29}, {40, 29}, {60, 29}, {40, 29}, {30, 29}, {4, 30}, {4, 30}, {30, 4}, {40, 4}, {30, 4},
        {160, 24}, {378, 21}, {16, 16}, {30, 22}, {30, 24}, {210, 23}, {78, 13}, {13, 13}, {52, 13}, {6, 16},
        {10, 16}, {10, 16}, {6, 16}, {30, 6}, {11, 19}, {19, 11}, {51, 17}, {17, 40}, {51, 17}, {120, 22},
        {10, 3}, {30, 200}, {180, 24}, {48, 16}};
    std::vector<orvane::Sk2Entry> entries;
    unsigned seed = 1;
    for (const auto& size : sizes) {
        entries.push_back({"SKIN2_IMAGE" + std::to_string(seed), orvane::Sk2EntryType::Image,
            orvane::EncodeWindowsBitmap(SkinImage(size.width, size.height, seed), 24)});
        ++seed;
    }
    for (int i = 0; i < 9; ++i)
        entries.push_back({"SKIN2_INT" + std::to_string(i), orvane::Sk2EntryType::Integer, {std::uint8_t(i), 0, 0, 0}});
    return orvane::WriteSk2File(entries);
}

// About 1 MB alternating between text and bitmap data.
Bytes MixedMegabyte()
{
    static const char* const words[] = {"skin", "title", "border", "button", "menu", "colour", "bitmap", "frame",
        "the", "of", "and", "sudoku", "puzzle", "cell", "row", "column", "window", "caption", "=", "\r\n"};
    constexpr std::size_t targetSize = 1 << 20;
    std::mt19937 random(42);
    Bytes data;
    unsigned seed = 100;
    while (data.size() < targetSize) {
        for (int i = 0; i < 2000; ++i) {
            const std::string word = words[random() % std::size(words)];
            data.insert(data.end(), word.begin(), word.end());
            data.push_back(' ');
        }
        const Bytes image = orvane::EncodeWindowsBitmap(SkinImage(100 + int(random() % 200), 40 + int(random() % 60), seed++));
        data.insert(data.end(), image.begin(), image.end());
    }
    data.resize(targetSize);
    return data;
}

Bytes ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Seconds per call of one round: calls repeated until the round is long
// enough to time.
double SecondsPerCall(const std::function<void()>& call)
{
    int calls = 0;
    const auto start = Clock::now();
    double elapsed = 0;
    do {
        call();
        ++calls;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    } while (elapsed < roundSeconds);
    return elapsed / calls;
}

struct Contender {
    const char* name;
    std::function<void()> call;
    std::vector<double> seconds;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Measure(const char* name, const Bytes& data)
{
    const Bytes stream = Deflate(data);
    const double megabytes = double(data.size()) / 1e6;

    Bytes ours;
    ours.reserve(data.size());
    Bytes theirs(data.size());
    std::vector<Contender> contenders;
    contenders.push_back({"ours", [&] {
        ours.clear();
        if (orvane::Inflate(stream, ours) != orvane::InflateStatus::Done)
            throw std::runtime_error("our inflate failed");
    }, {}});
    contenders.push_back({"zlib", [&] {
        if (!ZlibInflate(stream, theirs))
            throw std::runtime_error("zlib inflate failed");
    }, {}});
#if ORVANE_HAVE_LIBDEFLATE
    libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
    Bytes other(data.size());
    contenders.push_back({"libdeflate", [&] {
        libdeflate_deflate_decompress(decompressor, stream.data(), stream.size(), other.data(), other.size(), nullptr);
    }, {}});
#endif

    // Rounds alternate between the contenders, so that a busy moment of the
    // machine hits all of them alike; each figure is the median of its rounds
    // and the ratio the median of the rounds' ratios.
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        for (Contender& contender : contenders)
            contender.seconds.push_back(SecondsPerCall(contender.call));
        ratios.push_back(contenders[1].seconds.back() / contenders[0].seconds.back());
    }
#if ORVANE_HAVE_LIBDEFLATE
    libdeflate_free_decompressor(decompressor);
#endif
    if (ours != data || theirs != data)
        throw std::runtime_error("an output differs from the input");

    std::printf("%s: %zu bytes from %zu\n", name, data.size(), stream.size());
    for (const Contender& contender : contenders)
        std::printf("  %-11s %8.1f MB/s\n", contender.name, megabytes / Median(contender.seconds));
    std::printf("  ratio ours/zlib %.2f\n", Median(ratios));
}

} // namespace

int main(int argc, char** argv)
{
    try {
        std::filesystem::path package = argc > 1 ? argv[1] : ORVANE_BINARY_DIR "/skins/default.ssk";
        Bytes skin;
        std::string skinName = "stand-in skin record file";
        if (std::filesystem::exists(package)
            && orvane::ExtractSkinEntry(ReadWholeFile(package), "SKINDATA.SK2", skin, "")
                == orvane::ExtractResult::Extracted)
            skinName = "skin record file of " + package.filename().string();
        else
            skin = StandInSkinRecordFile();
        Measure(skinName.c_str(), skin);
        Measure("1 MB of text and bitmaps", MixedMegabyte());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvane-inflate-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
