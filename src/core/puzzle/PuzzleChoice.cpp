#include "core/puzzle/PuzzleChoice.h"

#include "core/puzzle/Random.h"

namespace orvane {

int PickLineNumber(int lineCount)
{
    SeedRandom();
    int k = int(RandomBelow(lineCount > 0 ? std::uint32_t(lineCount) : 0u)) + 1;
    if (k == lineCount)
        k = lineCount - 1;
    return k;
}

std::string PickPuzzleText(const std::vector<std::string>& lines)
{
    const int k = PickLineNumber(int(lines.size()));
    if (k < 1 || std::size_t(k) > lines.size())
        return {};
    return lines[std::size_t(k) - 1];
}

} // namespace orvane
