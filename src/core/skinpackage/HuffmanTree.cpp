#include "core/skinpackage/HuffmanTree.h"

#include <array>
#include <cassert>

namespace orvane {

THuffmanTree::THuffmanTree(int limit) : bitLimit(limit)
{
    assert(limit >= 1 && limit <= MaxBitLimit && "a DEFLATE code has at most 15 bits");
    table.assign(1, EmptyEntry);
}

bool THuffmanTree::Build(std::span<const std::uint8_t> lengths, std::span<const std::uint8_t> extraBits)
{
    std::array<unsigned, MaxBitLimit + 1> countOfLength{};
    maxLen = 0;
    for (const std::uint8_t length : lengths) {
        if (length > bitLimit) {
            table.assign(1, EmptyEntry);
            return false;
        }
        ++countOfLength[length];
        if (length > maxLen)
            maxLen = length;
    }

    // Room left in the code space after each length: below zero means more
    // codes than distinct bit strings of that length.
    int room = 1;
    for (int length = 1; length <= maxLen; ++length) {
        room = room * 2 - int(countOfLength[length]);
        if (room < 0) {
            maxLen = 0;
            table.assign(1, EmptyEntry);
            return false;
        }
    }

    // First canonical code of each length (RFC 1951, 3.2.2).
    std::array<unsigned, MaxBitLimit + 2> nextCode{};
    countOfLength[0] = 0;
    unsigned code = 0;
    for (int length = 1; length <= maxLen; ++length) {
        code = (code + countOfLength[length - 1]) << 1;
        nextCode[length] = code;
    }

    const std::size_t size = std::size_t(1) << maxLen;
    table.assign(size, EmptyEntry);
    for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
        const unsigned length = lengths[symbol];
        if (length == 0)
            continue;
        // Codes are sent most significant bit first but the stream is read
        // least significant bit first: index by the reversed code.
        unsigned reversed = 0;
        for (unsigned c = nextCode[length]++, i = 0; i < length; ++i, c >>= 1)
            reversed = (reversed << 1) | (c & 1u);
        const unsigned extra = symbol < extraBits.size() ? extraBits[symbol] : 0;
        const std::uint32_t entry = MakeEntry(unsigned(symbol), length, extra);
        for (std::size_t index = reversed; index < size; index += std::size_t(1) << length)
            table[index] = entry;
    }
    return true;
}

} // namespace orvane
