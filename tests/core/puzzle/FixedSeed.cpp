#include "FixedSeed.h"

namespace orvane::test {

const char* const KnownSolutionRows[9] = {
    "534678912", "672195348", "198342567", "859761423", "426853791",
    "713924856", "961537284", "287419635", "345286179",
};

std::string PuzzleStringFromRows(const char* const rows[9], std::string_view givenMaskRowByRow)
{
    std::string text;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y) {
            const char digit = rows[y][x];
            const bool given = givenMaskRowByRow[std::size_t(9 * y + x)] == '1';
            text += given ? digit : char('A' + (digit - '1'));
        }
    return text;
}

} // namespace orvane::test
