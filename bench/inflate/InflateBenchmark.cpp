// Our inflater against zlib (and libdeflate where installed) on the same
// streams in the same run. Prints throughput of each and the ratio of ours to
// zlib's; times vary with the machine, the ratio is the figure to compare.
// Beside the times, each decoder's instructions per output byte as callgrind
// counts them (when valgrind is installed): one decode of each stream, each
// decoder in its own valgrind run.
//
// Inputs: the skin record file (of the package given, else of the build's
// default skin, else a stand-in), 22 MB of a tar of the system's C headers
// (text), the compiler's cc1plus program (a binary) and a 1920 x 1080 24-bit
// bitmap of skin-like art.
//
// Usage: orvane-inflate-bench [--no-instructions] [package.ssk]

#include "SecondsPerCall.h"
#include "core/raster/Bitmap.h"
#include "core/raster/WindowsBitmapFile.h"
#include "core/skinpackage/ExtractSkinEntry.h"
#include "core/skinpackage/Inflate.h"
#include "core/skinpackage/Sk2Writer.h"

#include <zlib.h>
#include <unistd.h>
#if ORVANE_HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif

#include <algorithm>
#include <cctype>
#include <map>
#include <cstring>
#include <optional>
#include <sstream>
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

constexpr int RawWindowBits = -15;
constexpr int BestLevel = 9;
constexpr double RoundSeconds = 0.02;
constexpr int Rounds = 41;

Bytes Deflate(const Bytes& data)
{
    z_stream stream{};
    deflateInit2(&stream, BestLevel, Z_DEFLATED, RawWindowBits, 8, Z_DEFAULT_STRATEGY);
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
    inflateInit2(&z, RawWindowBits);
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

// Output of a shell command, at most maxSize bytes.
Bytes CommandOutput(const std::string& command, std::size_t maxSize)
{
    Bytes output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return output;
    std::vector<std::uint8_t> piece(1 << 16);
    while (output.size() < maxSize) {
        const std::size_t count = std::fread(piece.data(), 1, piece.size(), pipe);
        if (count == 0)
            break;
        output.insert(output.end(), piece.begin(), piece.begin() + std::ptrdiff_t(count));
    }
    pclose(pipe);
    if (output.size() > maxSize)
        output.resize(maxSize);
    return output;
}

// Text: a tar of the system's C and C++ headers, in name order.
Bytes TextTar()
{
    constexpr std::size_t size = 22'000'000;
    return CommandOutput("tar -cf - --sort=name -C /usr/include . 2>/dev/null", size);
}

// A program: the C++ compiler proper, which every build machine here has.
Bytes ProgramBinary()
{
    const Bytes name = CommandOutput("g++ -print-prog-name=cc1plus 2>/dev/null", 4096);
    std::string path(name.begin(), name.end());
    while (!path.empty() && (path.back() == '\n' || path.back() == '\r'))
        path.pop_back();
    std::ifstream file(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// A screen-sized 24-bit bitmap of skin-like art: framed panels with
// textured gradients, as a large skin image or a screenshot of one.
Bytes ScreenBitmap()
{
    constexpr int width = 1920, height = 1080, panelWidth = 240, panelHeight = 135;
    orvane::Bitmap screen(width, height);
    unsigned seed = 1;
    for (int top = 0; top < height; top += panelHeight)
        for (int left = 0; left < width; left += panelWidth) {
            const orvane::Bitmap panel = SkinImage(panelWidth, panelHeight, seed++);
            for (int y = 0; y < panelHeight; ++y)
                for (int x = 0; x < panelWidth; ++x)
                    screen.At(left + x, top + y) = panel.At(x, y);
        }
    return orvane::EncodeWindowsBitmap(screen, 24);
}

Bytes ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Seconds per call of one round: calls repeated until the round is long
// enough to time.

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

enum class Decoder { Ours, Zlib, Libdeflate };
constexpr const char* decoderNames[] = {"ours", "zlib", "libdeflate"};

// One decode of a stream by one decoder: what callgrind counts. Not inlined,
// so that callgrind can collect exactly this call.
extern "C" __attribute__((noinline)) bool OrvaneBenchDecodeOnce(int decoder, const Bytes* stream, Bytes* output)
{
    switch (Decoder(decoder)) {
    case Decoder::Ours: {
        output->clear();
        return orvane::Inflate(*stream, *output) == orvane::InflateStatus::Done;
    }
    case Decoder::Zlib:
        return ZlibInflate(*stream, *output);
    case Decoder::Libdeflate: {
#if ORVANE_HAVE_LIBDEFLATE
        static libdeflate_decompressor* const decompressor = libdeflate_alloc_decompressor();
        return libdeflate_deflate_decompress(decompressor, stream->data(), stream->size(), output->data(),
                   output->size(), nullptr)
            == LIBDEFLATE_SUCCESS;
#else
        return false;
#endif
    }
    }
    return false;
}

// The child side of an instruction count: reads "output size, stream" from a
// file and decodes it once.
int DecodeOnce(const std::filesystem::path& streamFile, int decoder)
{
    const Bytes file = ReadWholeFile(streamFile);
    if (file.size() < sizeof(std::uint64_t))
        return 1;
    std::uint64_t outputSize = 0;
    std::memcpy(&outputSize, file.data(), sizeof outputSize);
    const Bytes stream(file.begin() + sizeof outputSize, file.end());
    Bytes output(outputSize);
    if (Decoder(decoder) == Decoder::Ours)
        output.reserve(outputSize);
    return OrvaneBenchDecodeOnce(decoder, &stream, &output) && output.size() == outputSize ? 0 : 1;
}

bool HaveValgrind() { return std::system("valgrind --version >/dev/null 2>&1") == 0; }

// What callgrind counted in one decode, per output byte.
struct InstructionCount {
    double total = 0;
    // The part spent in the C library's memcpy and memmove: block copies,
    // which callgrind counts per byte where the library copies with
    // "rep movsb" (ours: the window's move after each 32 KiB piece and the
    // in-memory writer's append; the others write straight to the output).
    double blockCopies = 0;
};

// Sums the self cost of functions whose names contain "memcpy" or
// "memmove" in a callgrind output file, and reads its total.
std::optional<std::pair<double, double>> ReadCallgrindCounts(const std::filesystem::path& file)
{
    std::ifstream counts(file);
    std::optional<double> total;
    double copies = 0;
    bool inCopy = false;
    bool afterCalls = false;
    std::map<std::string, std::string> names; // "(id)" -> name, as callgrind compresses them
    for (std::string line; std::getline(counts, line);) {
        if (line.rfind("totals:", 0) == 0 || line.rfind("summary:", 0) == 0) {
            total = std::stod(line.substr(line.find(':') + 1));
            continue;
        }
        if (line.rfind("fn=", 0) == 0) {
            std::string name = line.substr(3);
            if (name.rfind('(', 0) == 0) {
                const std::size_t close = name.find(')');
                const std::string id = name.substr(0, close + 1);
                if (close + 1 < name.size())
                    names[id] = name.substr(close + 2);
                name = names[id];
            }
            inCopy = name.find("memcpy") != std::string::npos || name.find("memmove") != std::string::npos;
            continue;
        }
        if (line.rfind("cfn=(", 0) == 0) {
            // A callee's name may first appear here.
            const std::size_t close = line.find(')');
            if (close != std::string::npos && close + 2 < line.size())
                names[line.substr(4, close - 3)] = line.substr(close + 2);
            continue;
        }
        if (line.rfind("calls=", 0) == 0) {
            afterCalls = true; // the next cost line is the callee's, not this function's own
            continue;
        }
        if (line.empty() || !(std::isdigit(static_cast<unsigned char>(line[0])) || line[0] == '+' || line[0] == '-'
                || line[0] == '*'))
            continue;
        std::istringstream fields(line);
        std::string position;
        double cost = 0;
        fields >> position >> cost;
        if (!afterCalls && inCopy)
            copies += cost;
        afterCalls = false;
    }
    if (!total)
        return std::nullopt;
    return std::pair{*total, copies};
}

// Instructions callgrind counts in one decode, per output byte; nothing when
// valgrind fails.
std::optional<InstructionCount> CountInstructions(const Bytes& stream, std::size_t outputSize, Decoder decoder)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string tag = std::to_string(getpid()) + "-" + decoderNames[int(decoder)];
    const std::filesystem::path streamFile = folder / ("orvane-inflate-bench-" + tag + ".stream");
    const std::filesystem::path countFile = folder / ("orvane-inflate-bench-" + tag + ".callgrind");
    {
        std::ofstream file(streamFile, std::ios::binary);
        const std::uint64_t size = outputSize;
        file.write(reinterpret_cast<const char*>(&size), sizeof size);
        file.write(reinterpret_cast<const char*>(stream.data()), std::streamsize(stream.size()));
    }
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string command = "valgrind --tool=callgrind --collect-atstart=no --toggle-collect=OrvaneBenchDecodeOnce"
                                " --callgrind-out-file='" + countFile.string() + "' '" + self + "' --decode-once '"
        + streamFile.string() + "' " + std::to_string(int(decoder)) + " >/dev/null 2>&1";
    std::optional<InstructionCount> result;
    if (std::system(command.c_str()) == 0) {
        if (const auto counts = ReadCallgrindCounts(countFile))
            result = InstructionCount{counts->first / double(outputSize), counts->second / double(outputSize)};
    }
    std::error_code error;
    std::filesystem::remove(streamFile, error);
    std::filesystem::remove(countFile, error);
    return result;
}

void Measure(const char* name, const Bytes& data, bool countInstructions)
{
    const Bytes stream = Deflate(data);
    const double megabytes = double(data.size()) / 1e6;

    Bytes ours;
    ours.reserve(data.size());
    Bytes theirs(data.size());
    std::vector<Contender> contenders;
    contenders.push_back({"ours", [&] {
        if (!OrvaneBenchDecodeOnce(int(Decoder::Ours), &stream, &ours))
            throw std::runtime_error("our inflate failed");
    }, {}});
    contenders.push_back({"zlib", [&] {
        if (!OrvaneBenchDecodeOnce(int(Decoder::Zlib), &stream, &theirs))
            throw std::runtime_error("zlib inflate failed");
    }, {}});
#if ORVANE_HAVE_LIBDEFLATE
    Bytes other(data.size());
    contenders.push_back({"libdeflate", [&] {
        if (!OrvaneBenchDecodeOnce(int(Decoder::Libdeflate), &stream, &other))
            throw std::runtime_error("libdeflate failed");
    }, {}});
#endif

    // Rounds alternate between the contenders, so that a busy moment of the
    // machine hits all of them alike; each figure is the median of its Rounds
    // and each speed ratio the median of the Rounds' ratios.
    std::vector<std::vector<double>> speedOverZlib(contenders.size());
    for (int round = 0; round < Rounds; ++round) {
        for (Contender& contender : contenders)
            contender.seconds.push_back(orvane::bench::SecondsPerCall(contender.call, RoundSeconds));
        for (std::size_t i = 0; i < contenders.size(); ++i)
            speedOverZlib[i].push_back(contenders[1].seconds.back() / contenders[i].seconds.back());
    }
    if (ours != data || theirs != data)
        throw std::runtime_error("an output differs from the input");

    std::printf("%s: %zu bytes from %zu\n", name, data.size(), stream.size());
    std::printf("  %-11s %10s %14s %16s %14s\n", "decoder", "MB/s", "speed / zlib", "instructions/B",
        "of which copies");
    std::vector<std::optional<InstructionCount>> instructions(contenders.size());
    for (std::size_t i = 0; i < contenders.size(); ++i) {
        if (countInstructions)
            instructions[i] = CountInstructions(stream, data.size(), Decoder(i));
        std::printf("  %-11s %10.1f %14.2f", contenders[i].name, megabytes / Median(contenders[i].seconds),
            Median(speedOverZlib[i]));
        if (instructions[i])
            std::printf(" %16.2f %14.2f", instructions[i]->total, instructions[i]->blockCopies);
        std::printf("\n");
    }
    if (instructions[0] && instructions[1])
        std::printf("  instructions ours/zlib %.2f (without block copies %.2f)\n",
            instructions[0]->total / instructions[1]->total,
            (instructions[0]->total - instructions[0]->blockCopies)
                / (instructions[1]->total - instructions[1]->blockCopies));
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 4 && std::string(argv[1]) == "--decode-once")
            return DecodeOnce(argv[2], std::atoi(argv[3]));
        bool countInstructions = true;
        std::filesystem::path package = ORVANE_BINARY_DIR "/skins/default.ssk";
        for (int i = 1; i < argc; ++i) {
            if (std::string(argv[i]) == "--no-instructions")
                countInstructions = false;
            else
                package = argv[i];
        }
        if (countInstructions && !HaveValgrind()) {
            std::fprintf(stderr, "orvane-inflate-bench: valgrind is not installed; instruction counts left out\n");
            countInstructions = false;
        }

        Bytes skin;
        std::string skinName = "stand-in skin record file";
        if (std::filesystem::exists(package)
            && orvane::ExtractSkinEntry(ReadWholeFile(package), "SKINDATA.SK2", skin, "")
                == orvane::ExtractResult::Extracted)
            skinName = "skin record file of " + package.filename().string();
        else
            skin = StandInSkinRecordFile();
        Measure(skinName.c_str(), skin, countInstructions);
        const struct {
            const char* name;
            Bytes data;
        } inputs[] = {
            {"tar of text (/usr/include)", TextTar()},
            {"program binary (cc1plus)", ProgramBinary()},
            {"1920 x 1080 24-bit bitmap", ScreenBitmap()},
        };
        for (const auto& input : inputs) {
            if (input.data.empty()) {
                std::printf("%s: not available on this machine\n", input.name);
                continue;
            }
            Measure(input.name, input.data, countInstructions);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvane-inflate-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
