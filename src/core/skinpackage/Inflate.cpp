#include "core/skinpackage/Inflate.h"

#include "core/skinpackage/HuffmanTree.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>

namespace orvane {
namespace {

// Symbol counts and limits of RFC 1951.
constexpr unsigned FixedLiteralLengthSymbols = 288; // the fixed code also names 286 and 287
constexpr unsigned FixedDistanceSymbols = 32;       // ... and distance codes 30 and 31
constexpr unsigned MaxLiteralLengthCodes = 286;     // HLIT limit
constexpr unsigned MaxDistanceCodes = 30;           // HDIST limit
constexpr unsigned CodeLengthCodes = 19;
constexpr int CodeLengthBitLimit = 7;
constexpr int HuffmanBitLimit = 15;
constexpr unsigned EndOfBlock = 256;
constexpr unsigned FirstLengthSymbol = 257;
constexpr unsigned LastLengthSymbol = 285;
constexpr unsigned LengthSymbols = LastLengthSymbol - FirstLengthSymbol + 1;
constexpr unsigned RepeatPreviousSymbol = 16;
constexpr unsigned RepeatZeroShortSymbol = 17;
constexpr unsigned RepeatZeroLongSymbol = 18;

static constexpr std::array<std::uint16_t, LengthSymbols> LengthBase = {
    3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
static constexpr std::array<std::uint8_t, LengthSymbols> LengthExtra = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
static constexpr std::array<std::uint16_t, MaxDistanceCodes> DistanceBase = {
    1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145,
    8193, 12289, 16385, 24577};
static constexpr std::array<std::uint8_t, MaxDistanceCodes> DistanceExtra = {
    0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
static constexpr std::array<std::uint8_t, CodeLengthCodes> CodeLengthOrder = {
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// Index bits of the main tables: the codes a block uses most are short, so
// most symbols resolve in one read of a table that stays in the first-level
// cache; longer codes take a second read in a subtable.
constexpr int LiteralLengthTableBits = 11;
constexpr int DistanceTableBits = 8;

// Each symbol's table entry without its code bits: literals carry their byte,
// lengths and distances their base and extra-bit count, so that decoding reads
// no second table per symbol.
constexpr std::array<std::uint32_t, FixedLiteralLengthSymbols> MakeLiteralLengthEntries()
{
    std::array<std::uint32_t, FixedLiteralLengthSymbols> entries{};
    for (unsigned symbol = 0; symbol < EndOfBlock; ++symbol)
        entries[symbol] = THuffmanTree::LiteralEntry(symbol);
    entries[EndOfBlock] = THuffmanTree::ExceptionalEntry(THuffmanTree::Exception::EndOfBlock);
    for (unsigned i = 0; i < LengthSymbols; ++i)
        entries[FirstLengthSymbol + i] = THuffmanTree::ValueEntry(LengthBase[i], LengthExtra[i]);
    for (unsigned symbol = LastLengthSymbol + 1; symbol < FixedLiteralLengthSymbols; ++symbol)
        entries[symbol] = THuffmanTree::ExceptionalEntry(THuffmanTree::Exception::InvalidSymbol);
    return entries;
}
constexpr std::array<std::uint32_t, FixedDistanceSymbols> MakeDistanceEntries()
{
    std::array<std::uint32_t, FixedDistanceSymbols> entries{};
    for (unsigned symbol = 0; symbol < MaxDistanceCodes; ++symbol)
        entries[symbol] = THuffmanTree::ValueEntry(DistanceBase[symbol], DistanceExtra[symbol]);
    for (unsigned symbol = MaxDistanceCodes; symbol < FixedDistanceSymbols; ++symbol)
        entries[symbol] = THuffmanTree::ExceptionalEntry(THuffmanTree::Exception::InvalidSymbol);
    return entries;
}
constexpr std::array<std::uint32_t, CodeLengthCodes> MakeCodeLengthEntries()
{
    std::array<std::uint32_t, CodeLengthCodes> entries{};
    for (unsigned symbol = 0; symbol < CodeLengthCodes; ++symbol)
        entries[symbol] = THuffmanTree::ValueEntry(symbol);
    return entries;
}
static constexpr auto LiteralLengthEntries = MakeLiteralLengthEntries();
static constexpr auto DistanceEntries = MakeDistanceEntries();
static constexpr auto CodeLengthEntries = MakeCodeLengthEntries();
static_assert(LengthBase.back() == InflateMaxMatchLength);

// The most bits one literal/length code with its extra bits and one distance
// code with its extra bits take; one refill of the bit buffer covers them.
constexpr unsigned MaxBitsPerMatch = 15 + 5 + 15 + 13;
constexpr unsigned BitBufferFill = 56;
static_assert(MaxBitsPerMatch <= BitBufferFill);

// Slack behind the buffers so that whole-word reads and writes near their
// ends stay inside them: a match copy writes at most 15 bytes past its end.
constexpr std::size_t WordSlack = 16;
// A byte times this fills every byte of a word with it.
constexpr std::uint64_t RepeatedByte = 0x0101010101010101u;

inline void CopyWord(std::uint8_t* destination, const std::uint8_t* source)
{
    std::uint64_t word;
    std::memcpy(&word, source, sizeof word);
    std::memcpy(destination, &word, sizeof word);
}

// The fixed codes of block type 1, built once per process.
struct FixedTrees {
    THuffmanTree literalLength{HuffmanBitLimit, LiteralLengthTableBits};
    THuffmanTree distance{HuffmanBitLimit, DistanceTableBits};

    FixedTrees()
    {
        std::array<std::uint8_t, FixedLiteralLengthSymbols> lengths{};
        for (unsigned symbol = 0; symbol < FixedLiteralLengthSymbols; ++symbol)
            lengths[symbol] = symbol < 144 ? 8 : symbol < 256 ? 9 : symbol < 280 ? 7 : 8;
        literalLength.Build(lengths, LiteralLengthEntries);
        std::array<std::uint8_t, FixedDistanceSymbols> distanceLengths{};
        distanceLengths.fill(5);
        distance.Build(distanceLengths, DistanceEntries);
    }
};

const FixedTrees& GetFixedTrees()
{
    static const FixedTrees trees;
    return trees;
}

inline std::uint64_t Load64LE(const std::uint8_t* p)
{
    std::uint64_t value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::big)
        value = __builtin_bswap64(value);
    return value;
}

class Inflater {
public:
    Inflater(ByteReader& in, ByteWriter& out)
        // Not cleared: every byte is written before it is read (a match copy
        // reads only window bytes that the same or an earlier copy wrote).
        : input(in), output(out), inBuffer(new std::uint8_t[InflateInputBufferSize + WordSlack]),
          window(new std::uint8_t[InflateWindowSize + WordSlack])
    {
    }

    InflateStatus Run();

private:
    // Bit buffer: bitCount valid bits, least significant first. The bytes they
    // came from are always inBuffer[inPos - ceil(bitCount / 8), inPos) plus
    // zerosPastEnd zero bytes taken after the input ended.
    bool Refill()
    {
        if (inEnd - inPos >= sizeof(std::uint64_t)) {
            bits |= Load64LE(inBuffer.get() + inPos) << bitCount;
            inPos += (63 - bitCount) >> 3;
            bitCount |= BitBufferFill;
            return true;
        }
        return RefillSlow();
    }
    bool RefillSlow();
    void ReadMoreInput();
    // Returns the whole bytes of the bit buffer to the byte buffer; the bit
    // count is a multiple of 8 and nothing past the input's end was consumed.
    void GiveBackBitBuffer();
    bool ConsumedPastEnd() const { return zerosPastEnd * 8 > bitCount; }
    std::uint32_t TakeBits(unsigned count)
    {
        const auto value = static_cast<std::uint32_t>(bits & ((std::uint64_t(1) << count) - 1));
        bits >>= count;
        bitCount -= count;
        return value;
    }

    bool FlushWindow();
    InflateStatus StoredBlock();
    InflateStatus DynamicBlock();
    InflateStatus HuffmanBlock(const THuffmanTree& literalLength, const THuffmanTree& distance);

    ByteReader& input;
    ByteWriter& output;
    std::unique_ptr<std::uint8_t[]> inBuffer;
    std::size_t inPos = 0;
    std::size_t inEnd = 0;
    bool inputEnded = false;
    std::size_t zerosPastEnd = 0;
    std::uint64_t bits = 0;
    unsigned bitCount = 0;

    std::unique_ptr<std::uint8_t[]> window;
    std::size_t writePos = 0;

    THuffmanTree codeLengthTree{CodeLengthBitLimit, CodeLengthBitLimit};
    THuffmanTree literalLengthTree{HuffmanBitLimit, LiteralLengthTableBits};
    THuffmanTree distanceTree{HuffmanBitLimit, DistanceTableBits};
};

void Inflater::ReadMoreInput()
{
    // Keep the bytes the bit buffer still holds, so that a stored block can
    // give them back; move them and the unread rest to the front.
    const std::size_t keepFrom = inPos - (bitCount + 7) / 8;
    std::memmove(inBuffer.get(), inBuffer.get() + keepFrom, inEnd - keepFrom);
    inPos -= keepFrom;
    inEnd -= keepFrom;
    while (inEnd < InflateInputBufferSize) {
        const std::size_t count = input.Read({inBuffer.get() + inEnd, InflateInputBufferSize - inEnd});
        if (count == 0) {
            inputEnded = true;
            break;
        }
        inEnd += count;
    }
    if (inputEnded)
        std::memset(inBuffer.get() + inEnd, 0, WordSlack);
}

bool Inflater::RefillSlow()
{
    if (!inputEnded) {
        ReadMoreInput();
        if (inEnd - inPos >= sizeof(std::uint64_t))
            return Refill();
    }
    // Near the end: byte by byte, then zeros that must never be consumed.
    bits &= bitCount == 0 ? 0 : (~std::uint64_t(0) >> (64 - bitCount));
    while (bitCount < BitBufferFill) {
        std::uint64_t byte = 0;
        if (inPos < inEnd)
            byte = inBuffer[inPos++];
        else
            ++zerosPastEnd;
        bits |= byte << bitCount;
        bitCount += 8;
    }
    return !ConsumedPastEnd();
}

void Inflater::GiveBackBitBuffer()
{
    inPos -= bitCount / 8 - zerosPastEnd;
    bits = 0;
    bitCount = 0;
    zerosPastEnd = 0;
}

bool Inflater::FlushWindow()
{
    if (!output.Write({window.get(), InflateOutputPieceSize}))
        return false;
    std::memmove(window.get(), window.get() + InflateOutputPieceSize, writePos - InflateOutputPieceSize);
    writePos -= InflateOutputPieceSize;
    return true;
}

InflateStatus Inflater::StoredBlock()
{
    bits >>= bitCount % 8;
    bitCount -= bitCount % 8;
    if (!Refill())
        return InflateStatus::InputExhausted;
    const std::uint32_t length = TakeBits(16);
    const std::uint32_t lengthComplement = TakeBits(16);
    if (ConsumedPastEnd())
        return InflateStatus::InputExhausted;
    if (length != (~lengthComplement & 0xFFFFu))
        return InflateStatus::BadStoredLength;

    // Give the whole bytes left in the bit buffer back to the byte buffer and
    // copy straight from there.
    GiveBackBitBuffer();

    std::size_t remaining = length;
    while (remaining > 0) {
        if (inPos == inEnd) {
            if (inputEnded)
                return InflateStatus::InputExhausted;
            ReadMoreInput();
            continue;
        }
        std::size_t piece = remaining;
        piece = std::min(piece, inEnd - inPos);
        piece = std::min(piece, InflateWindowFlushAt - writePos);
        std::memcpy(window.get() + writePos, inBuffer.get() + inPos, piece);
        inPos += piece;
        writePos += piece;
        remaining -= piece;
        if (writePos >= InflateWindowFlushAt && !FlushWindow())
            return InflateStatus::OutputRefused;
    }
    return InflateStatus::Done;
}

InflateStatus Inflater::DynamicBlock()
{
    if (!Refill())
        return InflateStatus::InputExhausted;
    const unsigned literalCount = TakeBits(5) + 257;
    const unsigned distanceCount = TakeBits(5) + 1;
    const unsigned codeLengthCount = TakeBits(4) + 4;
    if (literalCount > MaxLiteralLengthCodes || distanceCount > MaxDistanceCodes)
        return InflateStatus::BadCodeLengths;

    std::array<std::uint8_t, CodeLengthCodes> codeLengthLengths{};
    for (unsigned i = 0; i < codeLengthCount; ++i) {
        if (bitCount < 3 && !Refill())
            return InflateStatus::InputExhausted;
        codeLengthLengths[CodeLengthOrder[i]] = static_cast<std::uint8_t>(TakeBits(3));
    }
    if (!codeLengthTree.Build(codeLengthLengths, CodeLengthEntries))
        return InflateStatus::BadCodeLengths;

    std::array<std::uint8_t, MaxLiteralLengthCodes + MaxDistanceCodes> lengths{};
    const unsigned total = literalCount + distanceCount;
    for (unsigned i = 0; i < total;) {
        if (!Refill())
            return InflateStatus::InputExhausted;
        unsigned codeBits = 0;
        const std::uint32_t entry = codeLengthTree.Decode(bits, codeBits);
        if (entry & THuffmanTree::ExceptionalFlag)
            return InflateStatus::UndefinedCode;
        TakeBits(codeBits);
        const unsigned symbol = THuffmanTree::Value(entry);
        if (symbol < RepeatPreviousSymbol) {
            lengths[i++] = static_cast<std::uint8_t>(symbol);
            continue;
        }
        std::uint8_t value = 0;
        unsigned repeat = 0;
        if (symbol == RepeatPreviousSymbol) {
            if (i == 0)
                return InflateStatus::BadCodeLengths;
            value = lengths[i - 1];
            repeat = 3 + TakeBits(2);
        } else if (symbol == RepeatZeroShortSymbol) {
            repeat = 3 + TakeBits(3);
        } else if (symbol == RepeatZeroLongSymbol) {
            repeat = 11 + TakeBits(7);
        } else {
            return InflateStatus::BadCodeLengths; // the code-length code has no symbols past 18
        }
        if (repeat > total - i)
            return InflateStatus::BadCodeLengths;
        std::memset(lengths.data() + i, value, repeat);
        i += repeat;
    }
    // A block without an end-of-block code could never end.
    if (lengths[EndOfBlock] == 0)
        return InflateStatus::BadCodeLengths;
    const std::span<const std::uint8_t> all(lengths.data(), total);
    if (!literalLengthTree.Build(all.first(literalCount), LiteralLengthEntries)
        || !distanceTree.Build(all.subspan(literalCount), DistanceEntries))
        return InflateStatus::BadCodeLengths;
    return HuffmanBlock(literalLengthTree, distanceTree);
}

InflateStatus Inflater::HuffmanBlock(const THuffmanTree& literalLength, const THuffmanTree& distance)
{
    using Tree = THuffmanTree;
    // Both main tables are always filled to their full size, so their index
    // masks are constants.
    const std::uint32_t* const literalTable = literalLength.Table();
    constexpr std::uint64_t LiteralMask = (1u << LiteralLengthTableBits) - 1;
    const std::uint32_t* const distanceTable = distance.Table();
    constexpr std::uint64_t DistanceMask = (1u << DistanceTableBits) - 1;
    const std::uint8_t* const in = inBuffer.get();
    std::uint8_t* const out = window.get();

    // The decoding state lives in locals here, so that the compiler keeps it
    // in registers; it goes back to the members around every slow path.
    std::uint64_t b = bits;
    unsigned n = bitCount;
    std::size_t pos = inPos;
    std::size_t end = inEnd;
    std::size_t w = writePos;
    const auto save = [&] {
        bits = b;
        bitCount = n;
        inPos = pos;
        writePos = w;
    };
    const auto load = [&] {
        b = bits;
        n = bitCount;
        pos = inPos;
        end = inEnd;
        w = writePos;
    };
    const auto consume = [&](unsigned count) {
        b >>= count;
        n -= count;
    };
    const auto emitLiteral = [&](std::uint32_t entry) {
        consume(Tree::ConsumedBits(entry));
        out[w++] = static_cast<std::uint8_t>(Tree::Value(entry));
    };
    // Hands the window on once it is full; false when the output refuses it.
    const auto flushWhenFull = [&] {
        if (w < InflateWindowFlushAt)
            return true;
        save();
        const bool taken = FlushWindow();
        load();
        return taken;
    };
    // Consumes a length's or distance's code with its extra bits and gives
    // base + the extra bits.
    const auto takeValue = [&](std::uint32_t entry) {
        const unsigned consumed = Tree::ConsumedBits(entry);
        const auto taken = unsigned(b & ((std::uint64_t(1) << consumed) - 1));
        consume(consumed);
        return Tree::Value(entry) + (taken >> Tree::CodeLength(entry));
    };
    // Follows a subtable link: consumes the main table's bits and reads the
    // entry the following bits select.
    const auto resolve = [&](const std::uint32_t* table, std::uint32_t entry) {
        consume(Tree::ConsumedBits(entry));
        return table[Tree::Value(entry) + (b & ((1u << Tree::SubtableBits(entry)) - 1u))];
    };
    const auto failure = [](std::uint32_t entry) {
        return Tree::ExceptionOf(entry) == Tree::Exception::InvalidSymbol ? InflateStatus::InvalidSymbol
                                                                           : InflateStatus::UndefinedCode;
    };

    for (;;) {
        // One refill gives at least 56 bits: enough for three literals of
        // main-table codes (11 bits each), or one length and one distance
        // with their extra bits (48).
        if (end - pos >= sizeof(std::uint64_t)) {
            b |= Load64LE(in + pos) << n;
            pos += (63 - n) >> 3;
            n |= BitBufferFill;
        } else {
            save();
            if (!RefillSlow())
                return InflateStatus::InputExhausted;
            load();
        }

        std::uint32_t entry = literalTable[b & LiteralMask];
        if (entry & Tree::LiteralFlag) {
            emitLiteral(entry);
            entry = literalTable[b & LiteralMask];
            if (entry & Tree::LiteralFlag) {
                emitLiteral(entry);
                entry = literalTable[b & LiteralMask];
                if (entry & Tree::LiteralFlag)
                    emitLiteral(entry);
            }
            // Anything else starts over with a full bit buffer.
            if (!flushWhenFull())
                return InflateStatus::OutputRefused;
            continue;
        }
        // Subtable links and exceptional entries share one test, so that a
        // length from the main table costs one branch.
        if (entry & (Tree::SubtableFlag | Tree::ExceptionalFlag)) {
            if (entry & Tree::SubtableFlag) {
                entry = resolve(literalTable, entry);
                if (entry & Tree::LiteralFlag) {
                    emitLiteral(entry);
                    if (!flushWhenFull())
                        return InflateStatus::OutputRefused;
                    continue;
                }
            }
            if (entry & Tree::ExceptionalFlag) {
                if (Tree::ExceptionOf(entry) != Tree::Exception::EndOfBlock)
                    return failure(entry);
                consume(Tree::ConsumedBits(entry));
                save();
                return InflateStatus::Done;
            }
        }
        const std::size_t length = takeValue(entry);

        entry = distanceTable[b & DistanceMask];
        if (entry & (Tree::SubtableFlag | Tree::ExceptionalFlag)) {
            if (entry & Tree::SubtableFlag)
                entry = resolve(distanceTable, entry);
            if (entry & Tree::ExceptionalFlag)
                return failure(entry);
        }
        const std::size_t distanceValue = takeValue(entry);
        if (distanceValue > w)
            return InflateStatus::DistanceTooFar;

        std::uint8_t* destination = out + w;
        const std::uint8_t* source = destination - distanceValue;
        w += length;
        if (distanceValue >= sizeof(std::uint64_t)) {
            // Word copies, in order, so that a distance below 16 reads the
            // words just written. The first two go unconditionally (most
            // matches are at most 16 bytes long); the last may run up to 15
            // bytes past the match, into window slack that later output
            // overwrites.
            std::uint8_t* const stop = out + w;
            CopyWord(destination, source);
            CopyWord(destination + sizeof(std::uint64_t), source + sizeof(std::uint64_t));
            destination += 2 * sizeof(std::uint64_t);
            source += 2 * sizeof(std::uint64_t);
            while (destination < stop) {
                CopyWord(destination, source);
                destination += sizeof(std::uint64_t);
                source += sizeof(std::uint64_t);
            }
        } else if (distanceValue == 1) {
            // A run of one byte: whole words of it.
            const std::uint64_t run = *source * RepeatedByte;
            std::uint8_t* const stop = out + w;
            do {
                std::memcpy(destination, &run, sizeof run);
                destination += sizeof run;
            } while (destination < stop);
        } else {
            // A short distance repeats the bytes the copy itself writes.
            for (std::size_t i = 0; i < length; ++i)
                destination[i] = source[i];
        }
        if (!flushWhenFull())
            return InflateStatus::OutputRefused;
    }
}

InflateStatus Inflater::Run()
{
    for (;;) {
        if (!Refill())
            return InflateStatus::InputExhausted;
        const bool finalBlock = TakeBits(1) != 0;
        const unsigned blockType = TakeBits(2);
        InflateStatus status = InflateStatus::Done;
        switch (blockType) {
        case 0:
            status = StoredBlock();
            break;
        case 1:
            status = HuffmanBlock(GetFixedTrees().literalLength, GetFixedTrees().distance);
            break;
        case 2:
            status = DynamicBlock();
            break;
        default:
            return InflateStatus::ReservedBlockType;
        }
        if (status != InflateStatus::Done)
            return status;
        if (ConsumedPastEnd())
            return InflateStatus::InputExhausted;
        if (finalBlock)
            break;
    }
    if (writePos > 0 && !output.Write({window.get(), writePos}))
        return InflateStatus::OutputRefused;
    return InflateStatus::Done;
}

// Appends to a vector up to a limit.
class VectorByteWriter final : public ByteWriter {
public:
    VectorByteWriter(std::vector<std::uint8_t>& target, std::size_t limit) : output(target), remaining(limit) {}
    bool Write(std::span<const std::uint8_t> bytes) override
    {
        if (bytes.size() > remaining)
            return false;
        remaining -= bytes.size();
        output.insert(output.end(), bytes.begin(), bytes.end());
        return true;
    }

private:
    std::vector<std::uint8_t>& output;
    std::size_t remaining;
};

} // namespace

InflateStatus Inflate(ByteReader& input, ByteWriter& output) { return Inflater(input, output).Run(); }

InflateStatus Inflate(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output, std::size_t outputLimit)
{
    MemoryByteReader reader(input);
    VectorByteWriter writer(output, outputLimit);
    return Inflate(reader, writer);
}

} // namespace orvane
