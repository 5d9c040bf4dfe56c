#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace orvane {

// One canonical Huffman code of a DEFLATE block as a two-level decoding
// table. The next TableBits() bits of the stream, least significant first,
// index the main table; a code longer than that continues in a subtable of
// 2^(MaxLen() - TableBits()) entries, indexed by the bits after the main
// table's. Every entry carries all that decoding the symbol needs (its
// literal byte, or its length or distance base with its extra-bit count), so
// one table read per table level decodes a symbol:
//
//   bits 31..16   value: literal byte, length or distance base, subtable
//                 offset, or for an exceptional entry what it stands for
//   bits 15..12   the code's length at this level; a subtable link: the
//                 subtable's index bits
//   bits 11..8    flags: literal, subtable link, exceptional
//   bits  7..0    bits to consume at this level: the code and the extra bits
//                 that follow it (lengths and distances)
//
// So a length or distance is value + (the consumed bits >> the code's length).
//
// Exceptional entries stop the fast path: the end of the block, bits that
// start no code, and symbols that a valid stream never uses.
class THuffmanTree {
public:
    static constexpr int MaxBitLimit = 15;
    static constexpr std::size_t MaxSymbols = 288; // the fixed literal/length code, the largest

    static constexpr std::uint32_t LiteralFlag = 1u << 8;
    static constexpr std::uint32_t SubtableFlag = 1u << 9;
    static constexpr std::uint32_t ExceptionalFlag = 1u << 10;
    enum class Exception : std::uint16_t { EndOfBlock, UndefinedCode, InvalidSymbol };

    // An entry before Build adds its code: the extra bits count towards the
    // bits to consume.
    static constexpr std::uint32_t ValueEntry(unsigned value, unsigned extraBits = 0)
    {
        return (std::uint32_t(value) << 16) | std::uint32_t(extraBits);
    }
    static constexpr std::uint32_t LiteralEntry(unsigned byte) { return ValueEntry(byte) | LiteralFlag; }
    static constexpr std::uint32_t ExceptionalEntry(Exception what)
    {
        return ValueEntry(unsigned(what)) | ExceptionalFlag;
    }
    static constexpr unsigned Value(std::uint32_t entry) { return entry >> 16; }
    static constexpr unsigned CodeLength(std::uint32_t entry) { return (entry >> 12) & 0xFu; }
    static constexpr unsigned SubtableBits(std::uint32_t entry) { return (entry >> 12) & 0xFu; }
    static constexpr unsigned ConsumedBits(std::uint32_t entry) { return entry & 0xFFu; }
    static constexpr Exception ExceptionOf(std::uint32_t entry) { return Exception(Value(entry)); }

    // bitLimit: the longest code allowed (15, or 7 for the code-length code);
    // tableBits: the main table's index bits, at most bitLimit.
    THuffmanTree(int bitLimit, int tableBits);

    // Builds the table from one code length per symbol (0 = symbol unused)
    // and each symbol's entry without its code bits (symbolEntries, at least
    // as many as lengths). False when a length exceeds the bit limit or the
    // lengths ask for more codes than fit (an over-subscribed code is
    // ambiguous); the table then defines no code. A code with unused room is
    // accepted: its unused slots hold UndefinedCode entries.
    bool Build(std::span<const std::uint8_t> lengths, std::span<const std::uint32_t> symbolEntries);

    int TableBits() const { return tableBits; }
    int MaxLen() const { return maxLen; }
    std::uint32_t MainMask() const { return (1u << tableBits) - 1u; }
    const std::uint32_t* Table() const { return table.get(); }

    // The entry for the code at the start of bits, through a subtable where
    // the code is longer than the main table; consumed receives the bits
    // taken at both levels (extra bits included).
    std::uint32_t Decode(std::uint64_t bits, unsigned& consumed) const;

private:
    int bitLimit;
    int tableBits;
    int maxLen = 0;
    // The main table, then room for the subtables; a subtable's slots are
    // set when Build links it, so the room is not cleared beforehand.
    std::unique_ptr<std::uint32_t[]> table;
};

} // namespace orvane
