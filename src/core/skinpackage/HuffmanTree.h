#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

// One canonical Huffman code of a DEFLATE block as a single decoding table:
// the next MaxLen() bits of the stream, least significant first, index an
// entry that names the symbol, the length of its code and the number of
// extra bits that follow the code.
//
//   bits 31..24   23..16        15..0
//        extra    code length   symbol       0xFFFFFFFF: no code starts here
//
// Every code of length L fills the entries at rev(code) + k * 2^L, so a
// lookup needs no walk whatever the code length.
class THuffmanTree {
public:
    static constexpr std::uint32_t EmptyEntry = 0xFFFFFFFFu;
    static constexpr int MaxBitLimit = 15;
    static constexpr std::size_t maxSymbols = 288; // the fixed literal/length code, the largest

    explicit THuffmanTree(int bitLimit);

    // Builds the table from one code length per symbol (0 = symbol unused)
    // and the extra-bit count of each symbol (shorter than lengths: 0 for the
    // rest). False when there are more than maxSymbols lengths, a length
    // exceeds the bit limit or the lengths ask for more codes than fit (an
    // over-subscribed code is ambiguous); a code with unused room is
    // accepted, its unused entries stay empty.
    bool Build(std::span<const std::uint8_t> lengths, std::span<const std::uint8_t> extraBits = {});

    int BitLimit() const { return bitLimit; }
    int MaxLen() const { return maxLen; }
    std::uint32_t TableMask() const { return (1u << maxLen) - 1u; }
    const std::uint32_t* Table() const { return table.data(); }
    std::uint32_t Lookup(std::uint64_t bits) const { return table[bits & TableMask()]; }

    static constexpr std::uint32_t Symbol(std::uint32_t entry) { return entry & 0xFFFFu; }
    static constexpr unsigned CodeLength(std::uint32_t entry) { return (entry >> 16) & 0xFFu; }
    static constexpr unsigned ExtraBits(std::uint32_t entry) { return entry >> 24; }
    static constexpr std::uint32_t MakeEntry(unsigned symbol, unsigned codeLength, unsigned extraBits)
    {
        return std::uint32_t(symbol) | (std::uint32_t(codeLength) << 16) | (std::uint32_t(extraBits) << 24);
    }

private:
    int bitLimit;
    int maxLen = 0;
    std::vector<std::uint32_t> table;
};

} // namespace orvane
