#include "core/skinpackage/HuffmanTree.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace orvane {
namespace {

constexpr std::uint32_t UndefinedEntry = THuffmanTree::ExceptionalEntry(THuffmanTree::Exception::UndefinedCode);

unsigned Reversed(unsigned code, unsigned length)
{
    unsigned reversed = 0;
    for (unsigned bit = 0; bit < length; ++bit, code >>= 1)
        reversed = (reversed << 1) | (code & 1u);
    return reversed;
}

} // namespace

THuffmanTree::THuffmanTree(int limit, int mainBits) : bitLimit(limit), tableBits(mainBits)
{
    assert(limit >= 1 && limit <= MaxBitLimit && "a DEFLATE code has at most 15 bits");
    assert(mainBits >= 1 && mainBits <= limit && "the main table indexes at most the longest code");
    // The most room subtables can take: one per code longer than the main
    // table, each sized for the longest code.
    const std::size_t mainSize = std::size_t(1) << mainBits;
    const std::size_t subtableRoom = mainBits < limit ? MaxSymbols << (limit - mainBits) : 0;
    table.reset(new std::uint32_t[mainSize + subtableRoom]);
    std::fill_n(table.get(), mainSize, UndefinedEntry);
}

bool THuffmanTree::Build(std::span<const std::uint8_t> lengths, std::span<const std::uint32_t> symbolEntries)
{
    const std::size_t mainSize = std::size_t(1) << tableBits;
    // A failed build leaves a table that defines no code.
    const auto fail = [&] {
        maxLen = 0;
        std::fill_n(table.get(), mainSize, UndefinedEntry);
        return false;
    };
    if (lengths.size() > MaxSymbols || lengths.size() > symbolEntries.size())
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

    // Codes are sent most significant bit first and read least significant
    // bit first, so a code's slot is its bit-reversed value, repeated for
    // every value of the bits after it. A code longer than the main table
    // continues in the subtable its first tableBits bits link to.
    std::fill_n(table.get(), mainSize, UndefinedEntry);
    const unsigned subtableBits = maxLen > tableBits ? unsigned(maxLen - tableBits) : 0;
    std::size_t nextSubtable = mainSize;
    for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
        const unsigned length = lengths[symbol];
        if (length == 0)
            continue;
        const unsigned reversed = Reversed(nextCode[length]++, length);
        const std::uint32_t entry = symbolEntries[symbol];
        if (length <= unsigned(tableBits)) {
            for (std::size_t slot = reversed; slot < mainSize; slot += std::size_t(1) << length)
                table[slot] = entry + length + (length << 12);
            continue;
        }
        const unsigned prefix = reversed & MainMask();
        if ((table[prefix] & SubtableFlag) == 0) {
            std::fill_n(table.get() + nextSubtable, std::size_t(1) << subtableBits, UndefinedEntry);
            table[prefix] = ValueEntry(unsigned(nextSubtable)) | (subtableBits << 12) | SubtableFlag | unsigned(tableBits);
            nextSubtable += std::size_t(1) << subtableBits;
        }
        const std::size_t offset = Value(table[prefix]);
        const unsigned restLength = length - unsigned(tableBits);
        for (std::size_t slot = reversed >> tableBits; slot < (std::size_t(1) << subtableBits); slot += std::size_t(1) << restLength)
            table[offset + slot] = entry + restLength + (restLength << 12);
    }
    return true;
}

std::uint32_t THuffmanTree::Decode(std::uint64_t bits, unsigned& consumed) const
{
    std::uint32_t entry = table[bits & MainMask()];
    consumed = 0;
    if (entry & SubtableFlag) {
        consumed = ConsumedBits(entry);
        bits >>= consumed;
        entry = table[Value(entry) + (bits & ((1u << SubtableBits(entry)) - 1))];
    }
    consumed += ConsumedBits(entry);
    return entry;
}

} // namespace orvane
