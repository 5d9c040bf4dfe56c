#include "core/skinpackage/Inflate.h"

#include "TestPackages.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>
#include <string>

namespace orvane {
namespace {

using test::Bytes;

// Writes a DEFLATE bit stream by hand: fields least significant bit first,
// Huffman codes most significant bit first.
class BitWriter {
public:
    BitWriter& Bits(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            Bit((value >> i) & 1u);
        return *this;
    }
    BitWriter& Code(std::uint32_t code, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            Bit((code >> i) & 1u);
        return *this;
    }
    // A symbol of the fixed literal/length code.
    BitWriter& Fixed(unsigned symbol)
    {
        if (symbol < 144)
            return Code(0x30 + symbol, 8);
        if (symbol < 256)
            return Code(0x190 + symbol - 144, 9);
        if (symbol < 280)
            return Code(symbol - 256, 7);
        return Code(0xC0 + symbol - 280, 8);
    }
    BitWriter& AlignToByte()
    {
        while (bitCount % 8 != 0)
            Bit(0);
        return *this;
    }
    BitWriter& Byte(std::uint8_t byte) { return Bits(byte, 8); }
    Bytes Done() const { return bytes; }

private:
    void Bit(std::uint32_t bit)
    {
        if (bitCount % 8 == 0)
            bytes.push_back(0);
        bytes.back() |= std::uint8_t(bit << (bitCount % 8));
        ++bitCount;
    }
    Bytes bytes;
    int bitCount = 0;
};

constexpr unsigned FinalBlock = 1;
constexpr unsigned StoredType = 0, FixedType = 1, DynamicType = 2, ReservedType = 3;

// A dynamic block header: HLIT, HDIST and code-length code lengths in the
// transmission order 16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15.
BitWriter DynamicHeader(unsigned literalCount, unsigned distanceCount, std::vector<unsigned> codeLengthLengths)
{
    BitWriter writer;
    writer.Bits(FinalBlock, 1).Bits(DynamicType, 2);
    writer.Bits(literalCount - 257, 5).Bits(distanceCount - 1, 5).Bits(unsigned(codeLengthLengths.size()) - 4, 4);
    for (unsigned length : codeLengthLengths)
        writer.Bits(length, 3);
    return writer;
}

InflateStatus InflateBytes(const Bytes& stream, Bytes& output)
{
    output.clear();
    return Inflate(stream, output);
}

TEST(Inflate, DecodesHandMadeStreams)
{
    const struct {
        const char* what;
        Bytes stream;
        std::string output;
    } cases[] = {
        {"stored block", BitWriter().Bits(FinalBlock, 1).Bits(StoredType, 2).AlignToByte()
                              .Bits(3, 16).Bits(0xFFFC, 16).Byte('a').Byte('b').Byte('c').Done(), "abc"},
        {"fixed literals", BitWriter().Bits(FinalBlock, 1).Bits(FixedType, 2).Fixed('h').Fixed(200).Fixed(256).Done(),
            "h\xC8"},
        {"match repeating its own output", BitWriter().Bits(FinalBlock, 1).Bits(FixedType, 2).Fixed('a').Fixed('b')
                              .Fixed(258).Code(1, 5).Fixed(256).Done(), "ababab"},
        {"non-final block, then final", BitWriter().Bits(0, 1).Bits(FixedType, 2).Fixed('x').Fixed(256)
                              .Bits(FinalBlock, 1).Bits(StoredType, 2).AlignToByte().Bits(1, 16).Bits(0xFFFE, 16)
                              .Byte('y').Done(), "xy"},
        {"empty final block", {0x03, 0x00}, ""},
    };
    for (const auto& c : cases) {
        Bytes output;
        EXPECT_EQ(InflateBytes(c.stream, output), InflateStatus::Done) << c.what;
        EXPECT_EQ(std::string(output.begin(), output.end()), c.output) << c.what;
    }
}

TEST(Inflate, StopsWithAFailureOnDamagedStreams)
{
    // Code-length code: 16 -> "0", 17 -> "10", 1 -> "110", 18 -> "111".
    const std::vector<unsigned> lengths16to1 = {1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3};
    // Code-length code: 1 -> "0", 18 -> "1".
    const std::vector<unsigned> lengths1and18 = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};

    const struct {
        const char* what;
        Bytes stream;
        InflateStatus status;
    } cases[] = {
        {"reserved block type", BitWriter().Bits(FinalBlock, 1).Bits(ReservedType, 2).Done(),
            InflateStatus::ReservedBlockType},
        {"literal/length symbol 286", BitWriter().Bits(FinalBlock, 1).Bits(FixedType, 2).Fixed(286).Done(),
            InflateStatus::InvalidSymbol},
        {"literal/length symbol 287", BitWriter().Bits(FinalBlock, 1).Bits(FixedType, 2).Fixed('a').Fixed(287).Done(),
            InflateStatus::InvalidSymbol},
        {"distance code 30", BitWriter().Bits(FinalBlock, 1).Bits(FixedType, 2).Fixed('a').Fixed(257).Code(30, 5)
                                 .Fixed(256).Done(), InflateStatus::InvalidSymbol},
        {"distance code 31", BitWriter().Bits(FinalBlock, 1).Bits(FixedType, 2).Fixed('a').Fixed(257).Code(31, 5)
                                 .Fixed(256).Done(), InflateStatus::InvalidSymbol},
        {"match before any output", BitWriter().Bits(FinalBlock, 1).Bits(FixedType, 2).Fixed(257).Code(0, 5)
                                        .Fixed(256).Done(), InflateStatus::DistanceTooFar},
        {"match further back than the output", BitWriter().Bits(FinalBlock, 1).Bits(FixedType, 2).Fixed('a')
                                                   .Fixed(257).Code(1, 5).Fixed(256).Done(),
            InflateStatus::DistanceTooFar},
        {"stored length without its complement", BitWriter().Bits(FinalBlock, 1).Bits(StoredType, 2).AlignToByte()
                                                     .Bits(3, 16).Bits(0, 16).Byte('a').Byte('b').Byte('c').Done(),
            InflateStatus::BadStoredLength},
        {"stored block longer than the input", BitWriter().Bits(FinalBlock, 1).Bits(StoredType, 2).AlignToByte()
                                                   .Bits(10, 16).Bits(0xFFF5, 16).Byte('a').Byte('b').Done(),
            InflateStatus::InputExhausted},
        {"empty input", {}, InflateStatus::InputExhausted},
        {"empty final block without its last byte", {0x03}, InflateStatus::InputExhausted},
        {"block without its end", BitWriter().Bits(FinalBlock, 1).Bits(FixedType, 2).Fixed('a').Fixed('b').Fixed('c')
                                      .Fixed('d').Fixed('e').Done(), InflateStatus::InputExhausted},
        {"final block missing", BitWriter().Bits(0, 1).Bits(FixedType, 2).Fixed('a').Fixed(256).Done(),
            InflateStatus::InputExhausted},
        {"HLIT 287", BitWriter().Bits(FinalBlock, 1).Bits(DynamicType, 2).Bits(30, 5).Bits(0, 5).Bits(0, 4)
                         .Bits(0, 12).Done(), InflateStatus::BadCodeLengths},
        {"HDIST 32", BitWriter().Bits(FinalBlock, 1).Bits(DynamicType, 2).Bits(0, 5).Bits(31, 5).Bits(0, 4)
                         .Bits(0, 12).Done(), InflateStatus::BadCodeLengths},
        {"repeat with nothing before it", DynamicHeader(257, 1, lengths16to1).Code(0, 1).Bits(0, 2).Bits(0, 16).Done(),
            InflateStatus::BadCodeLengths},
        {"zero repeats past HLIT + HDIST", DynamicHeader(257, 1, lengths16to1).Code(7, 3).Bits(127, 7).Code(7, 3)
                                               .Bits(127, 7).Bits(0, 16).Done(), InflateStatus::BadCodeLengths},
        {"over-subscribed code-length code", DynamicHeader(257, 1, {1, 1, 1, 0}).Bits(0, 32).Done(),
            InflateStatus::BadCodeLengths},
        {"no end-of-block code", DynamicHeader(257, 1, lengths1and18).Code(1, 1).Bits(127, 7).Code(1, 1).Bits(109, 7)
                                     .Bits(0, 16).Done(), InflateStatus::BadCodeLengths},
        {"bits that start no code", DynamicHeader(257, 1, {0, 0, 1, 0}).Code(1, 1).Bits(0, 16).Done(),
            InflateStatus::UndefinedCode},
    };
    for (const auto& c : cases) {
        Bytes output;
        EXPECT_EQ(InflateBytes(c.stream, output), c.status) << c.what;
    }
}

// Inputs that exercise every block type, the window flush and long matches.
struct Sample {
    std::string name;
    Bytes data;
};

Bytes TextSample(std::size_t size, unsigned seed)
{
    static const char* const words[] = {"skin", "title", "border", "button", "menu", "colour", "bitmap", "frame",
        "the", "of", "and", "sudoku", "puzzle", "cell", "row", "column", "=", "\r\n", "SKIN2_", "0x00FF00FF"};
    std::mt19937 random(seed);
    Bytes text;
    while (text.size() < size) {
        const std::string word = words[random() % std::size(words)];
        text.insert(text.end(), word.begin(), word.end());
        text.push_back(random() % 7 == 0 ? '\n' : ' ');
    }
    text.resize(size);
    return text;
}

Bytes BitmapLikeSample(int width, int height)
{
    Bytes pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool frame = x < 3 || y < 3 || x >= width - 3 || y >= height - 3;
            pixels.push_back(frame ? 0x40 : std::uint8_t(x * 255 / width));
            pixels.push_back(frame ? 0x40 : std::uint8_t(y * 255 / height));
            pixels.push_back(frame ? 0xFF : std::uint8_t(((x / 8 + y / 8) % 2) * 0x80));
        }
        pixels.resize(pixels.size() + (4 - (width * 3) % 4) % 4, 0);
    }
    return pixels;
}

Bytes RandomSample(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (auto& byte : bytes)
        byte = std::uint8_t(random());
    return bytes;
}

// Stored, fixed and dynamic blocks in one stream: zlib switches block type
// with its parameters between the three parts.
Bytes MixedBlockStream(const Bytes& a, const Bytes& b, const Bytes& c)
{
    z_stream stream{};
    deflateInit2(&stream, 0, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    Bytes out(a.size() + b.size() + c.size() + 4096);
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const auto feed = [&](const Bytes& part, int flush) {
        stream.next_in = const_cast<Bytef*>(part.data());
        stream.avail_in = uInt(part.size());
        return deflate(&stream, flush);
    };
    feed(a, Z_NO_FLUSH);
    deflateParams(&stream, 6, Z_FIXED);
    feed(b, Z_NO_FLUSH);
    deflateParams(&stream, 9, Z_DEFAULT_STRATEGY);
    EXPECT_EQ(feed(c, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

TEST(Inflate, OutputEqualsZlibOnStoredFixedAndDynamicStreams)
{
    const Bytes text = TextSample(150000, 1);
    const Bytes bitmap = BitmapLikeSample(160, 120);
    const Bytes noise = RandomSample(70000, 2);
    const Bytes run(300000, 'x'); // distance 1, length 258 matches

    struct Stream {
        std::string name;
        Bytes data;
    };
    std::vector<Stream> streams = {
        {"text, dynamic", test::ZlibDeflate(text)},
        {"text, fixed", test::ZlibDeflate(text, 6, Z_FIXED)},
        {"text, stored", test::ZlibDeflate(text, 0)},
        {"text, Huffman only", test::ZlibDeflate(text, 6, Z_HUFFMAN_ONLY)},
        {"bitmap, best", test::ZlibDeflate(bitmap, 9)},
        {"bitmap, run-length", test::ZlibDeflate(bitmap, 6, Z_RLE)},
        {"noise", test::ZlibDeflate(noise)},
        {"long run", test::ZlibDeflate(run)},
        {"stored + fixed + dynamic", MixedBlockStream(noise, text, bitmap)},
        {"single byte", test::ZlibDeflate(Bytes{7})},
    };
    // Sizes around the window's flush points.
    for (const std::size_t size : {32768u, 65535u, 65536u, 65537u, 98304u, 131072u + 258u}) {
        const Bytes part(text.begin(), text.begin() + std::ptrdiff_t(size));
        streams.push_back({"text of " + std::to_string(size), test::ZlibDeflate(part)});
        streams.push_back({"stored text of " + std::to_string(size), test::ZlibDeflate(part, 0)});
    }

    for (const Stream& stream : streams) {
        Bytes expected, output;
        ASSERT_TRUE(test::ZlibInflate(stream.data, expected)) << stream.name;
        EXPECT_EQ(InflateBytes(stream.data, output), InflateStatus::Done) << stream.name;
        EXPECT_TRUE(output == expected) << stream.name << ": " << output.size() << " vs " << expected.size();
    }
}

// Hands the input out in pieces of a fixed size.
class PieceReader final : public ByteReader {
public:
    PieceReader(const Bytes& data, std::size_t pieceSize) : rest(data), piece(pieceSize) {}
    std::size_t Read(std::span<std::uint8_t> buffer) override
    {
        const std::size_t count = std::min({buffer.size(), rest.size(), piece});
        std::copy_n(rest.begin(), count, buffer.begin());
        rest = rest.subspan(count);
        return count;
    }

private:
    std::span<const std::uint8_t> rest;
    std::size_t piece;
};

class CollectingWriter final : public ByteWriter {
public:
    bool Write(std::span<const std::uint8_t> bytes) override
    {
        pieces.push_back(bytes.size());
        data.insert(data.end(), bytes.begin(), bytes.end());
        return true;
    }
    Bytes data;
    std::vector<std::size_t> pieces;
};

TEST(Inflate, SameOutputWhateverPiecesTheInputArrivesIn)
{
    const Bytes text = TextSample(90000, 3);
    const Bytes stream = MixedBlockStream(RandomSample(20000, 4), text, BitmapLikeSample(64, 64));
    Bytes expected;
    ASSERT_TRUE(test::ZlibInflate(stream, expected));
    for (const std::size_t piece : {std::size_t(1), std::size_t(3), std::size_t(4096), InflateInputBufferSize}) {
        PieceReader reader(stream, piece);
        CollectingWriter writer;
        EXPECT_EQ(Inflate(reader, writer), InflateStatus::Done) << piece;
        EXPECT_TRUE(writer.data == expected) << piece;
        // The window goes out in 32 KiB pieces, the rest at the end.
        for (std::size_t i = 0; i + 1 < writer.pieces.size(); ++i)
            EXPECT_EQ(writer.pieces[i], InflateOutputPieceSize);
    }
}

TEST(Inflate, IgnoresBytesAfterTheStreamAndHonoursTheOutputLimit)
{
    const Bytes text = TextSample(5000, 5);
    Bytes stream = test::ZlibDeflate(text);
    const std::size_t streamSize = stream.size();
    stream.insert(stream.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x55});

    Bytes output;
    EXPECT_EQ(Inflate(stream, output), InflateStatus::Done);
    EXPECT_TRUE(output == text);

    output.clear();
    EXPECT_EQ(Inflate(std::span(stream).first(streamSize), output, text.size()), InflateStatus::Done);
    output.clear();
    EXPECT_EQ(Inflate(std::span(stream).first(streamSize), output, text.size() - 1), InflateStatus::OutputRefused);
}

TEST(Inflate, EveryTruncatedStreamFails)
{
    const std::vector<Bytes> streams = {
        test::ZlibDeflate(TextSample(4000, 6)),
        test::ZlibDeflate(TextSample(4000, 7), 6, Z_FIXED),
        test::ZlibDeflate(TextSample(600, 8), 0),
        MixedBlockStream(RandomSample(300, 9), TextSample(700, 10), TextSample(900, 11)),
    };
    for (const Bytes& stream : streams) {
        for (std::size_t cut = 0; cut < stream.size(); ++cut) {
            Bytes output;
            EXPECT_NE(Inflate(std::span(stream).first(cut), output), InflateStatus::Done) << "cut at " << cut;
        }
    }
}

} // namespace
} // namespace orvane
