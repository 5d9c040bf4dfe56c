#include "core/skinpackage/HuffmanTree.h"

#include <array>
#include <algorithm>
#include <cassert>

namespace orvane {

THuffmanTree::THuffmanTree(int limit) : bitLimit(limit)
{
    assert(limit >= 1 && limit <= MaxBitLimit && "a DEFLATE code has at most 15 bits");
    table.assign(1, EmptyEntry);
}

bool THuffmanTree::Build(std::span<const std::uint8_t> lengths, std::span<const std::uint8_t> extraBits)
{
    // A failed build leaves a tree that defines no code.
    const auto fail = [this] {
        maxLen = 0;
        table.assign(1, EmptyEntry);
        return false;
    };
    if (lengths.size() > maxSymbols)
        return fail();
    std::array<unsigned, MaxBitLimit + 1> countOfLength{};
    int longest = 0;
    for (const std::uint8_t length : lengths) {
        if (length > bitLimit)
            return fail();
        ++countOfLength[length];
        longest = std::max(longest, int(length));
    }

    // Room left in the code space after each length: below zero means more
    // codes than distinct bit strings of that length.
    int room = 1;
    for (int length = 1; length <= longest; ++length) {
        room = room * 2 - int(countOfLength[length]);
        if (room < 0)
            return fail();
    }
    maxLen = longest;

    // First canonical code of each length (RFC 1951, 3.2.2).
    std::array<unsigned, MaxBitLimit + 2> nextCode{};
    countOfLength[0] = 0;
    unsigned code = 0;
    for (int length = 1; length <= maxLen; ++length) {
        code = (code + countOfLength[length - 1]) << 1;
        nextCode[length] = code;
    }

    // The symbols grouped by code length, in symbol order within a length.
    std::array<unsigned, MaxBitLimit + 2> groupStart{};
    for (int length = 1; length <= maxLen; ++length)
        groupStart[length + 1] = groupStart[length] + countOfLength[length];
    std::array<std::uint16_t, maxSymbols> bySymbolLength;
    {
        auto fill = groupStart;
        for (std::size_t symbol = 0; symbol < lengths.size() && symbol < maxSymbols; ++symbol) {
            if (lengths[symbol] != 0)
                bySymbolLength[fill[lengths[symbol]]++] = static_cast<std::uint16_t>(symbol);
        }
    }

    // The table grows by doubling: the entries for codes up to length L fill
    // the first 2^L slots, one slot per code, then a copy of those slots
    // repeats them for the next bit. Codes are sent most significant bit
    // first and read least significant bit first, so a code's slot is its
    // bit-reversed value. Slots no code reaches stay empty.
    const std::size_t size = std::size_t(1) << maxLen;
    if (table.size() < size)
        table.resize(size);
    table[0] = EmptyEntry;
    if (size > 1)
        table[1] = EmptyEntry;
    for (int length = 1; length <= maxLen; ++length) {
        const std::size_t filled = std::size_t(1) << length;
        if (length > 1)
            std::copy_n(table.begin(), filled / 2, table.begin() + std::ptrdiff_t(filled / 2));
        for (unsigned i = groupStart[length]; i < groupStart[length + 1]; ++i) {
            const unsigned symbol = bySymbolLength[i];
            unsigned reversed = 0;
            for (unsigned c = nextCode[length]++, bit = 0; bit < unsigned(length); ++bit, c >>= 1)
                reversed = (reversed << 1) | (c & 1u);
            const unsigned extra = symbol < extraBits.size() ? extraBits[symbol] : 0;
            table[reversed] = MakeEntry(symbol, unsigned(length), extra);
        }
    }
    return true;
}

} // namespace orvane
