#include "core/puzzle/PuzzlePosition.h"

#include "core/text/IntegerText.h"

namespace orvane {

namespace {

constexpr char FirstOpenCellLetter = 'A';
constexpr char LastOpenCellLetter = 'I';
constexpr int LoadShuffleSteps = 200;

} // namespace

void PuzzlePosition::LoadPuzzle(std::string_view text)
{
    for (int x = 1; x <= BoardSize; ++x) {
        const std::size_t groupStart = std::size_t(BoardSize) * (x - 1);
        const std::string_view group = groupStart < text.size() ? text.substr(groupStart, BoardSize) : std::string_view{};
        for (int y = 1; y <= BoardSize; ++y) {
            TNode& record = Node(x, y);
            record.x = x;
            record.y = y;
            const std::string_view cell = std::size_t(y) <= group.size() ? group.substr(y - 1, 1) : std::string_view{};
            if (cell.size() == 1 && cell[0] >= FirstOpenCellLetter && cell[0] <= LastOpenCellLetter) {
                record.given = false;
                record.solution = cell[0] - FirstOpenCellLetter + 1;
                continue;
            }
            record.given = true;
            record.solution = StrToInt(cell);
        }
    }
    Shuffle(LoadShuffleSteps);
}

std::string PuzzlePosition::GivensText() const
{
    std::string text;
    text.reserve(CellCount);
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const TNode& record = Node(x, y);
            text += record.given ? std::to_string(record.solution) : "0";
        }
    return text;
}

} // namespace orvane
