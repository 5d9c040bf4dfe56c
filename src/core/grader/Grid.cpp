#include "core/grader/Grid.h"

namespace orvane::grader {

namespace {

GridTables BuildTables()
{
    GridTables tables{};
    for (int row = 0; row < GridSide; ++row)
        for (int column = 0; column < GridSide; ++column) {
            const int cell = row * GridSide + column;
            tables.unitCells[RowUnit(row)][column] = static_cast<std::uint8_t>(cell);
            tables.unitCells[ColumnUnit(column)][row] = static_cast<std::uint8_t>(cell);
        }
    for (int box = 0; box < GridSide; ++box)
        for (int i = 0; i < GridSide; ++i) {
            const int row = (box / BoxSide) * BoxSide + i / BoxSide;
            const int column = (box % BoxSide) * BoxSide + i % BoxSide;
            tables.unitCells[BoxUnit(box)][i] = static_cast<std::uint8_t>(row * GridSide + column);
        }
    for (int cell = 0; cell < CellCount; ++cell) {
        tables.unitsOfCell[cell] = {static_cast<std::uint8_t>(RowUnit(RowOf(cell))),
                                    static_cast<std::uint8_t>(ColumnUnit(ColumnOf(cell))),
                                    static_cast<std::uint8_t>(BoxUnit(BoxOf(cell)))};
        int peerIndex = 0;
        for (int other = 0; other < CellCount; ++other) {
            if (other == cell)
                continue;
            const bool shares = RowOf(other) == RowOf(cell) || ColumnOf(other) == ColumnOf(cell) || BoxOf(other) == BoxOf(cell);
            tables.sees[cell][other] = shares;
            if (shares)
                tables.peers[cell][peerIndex++] = static_cast<std::uint8_t>(other);
        }
    }
    return tables;
}

bool UnitsHoldNoDuplicate(const Grid& grid, bool requireFull)
{
    for (const auto& unit : Tables().unitCells) {
        std::uint16_t seen = 0;
        for (int cell : unit) {
            const int digit = grid[cell];
            if (digit == 0) {
                if (requireFull)
                    return false;
                continue;
            }
            if (digit > DigitCount || (seen & DigitBit(digit)))
                return false;
            seen |= DigitBit(digit);
        }
    }
    return true;
}

// Position of cell (row, column) in the column-by-column puzzle string.
constexpr int TextIndex(int row, int column) { return column * GridSide + row; }

} // namespace

const GridTables& Tables()
{
    static const GridTables tables = BuildTables();
    return tables;
}

int GivenCount(const Grid& puzzle)
{
    int count = 0;
    for (auto digit : puzzle)
        count += digit != 0;
    return count;
}

bool IsCompleteValidGrid(const Grid& grid) { return UnitsHoldNoDuplicate(grid, true); }

bool HasNoConflict(const Grid& grid) { return UnitsHoldNoDuplicate(grid, false); }

std::string PuzzleText(const Grid& solution, const Grid& givens)
{
    std::string text(CellCount, '?');
    for (int cell = 0; cell < CellCount; ++cell) {
        const int digit = solution[cell];
        const char shown = givens[cell] != 0 ? static_cast<char>('0' + digit) : static_cast<char>('A' + digit - 1);
        text[TextIndex(RowOf(cell), ColumnOf(cell))] = shown;
    }
    return text;
}

std::optional<ParsedPuzzle> ParsePuzzleText(std::string_view text)
{
    if (text.size() != CellCount)
        return std::nullopt;
    ParsedPuzzle parsed;
    for (int cell = 0; cell < CellCount; ++cell) {
        const char c = text[TextIndex(RowOf(cell), ColumnOf(cell))];
        if (c >= '1' && c <= '9') {
            parsed.solution[cell] = static_cast<std::uint8_t>(c - '0');
            parsed.givens[cell] = parsed.solution[cell];
        } else if (c >= 'A' && c <= 'I') {
            parsed.solution[cell] = static_cast<std::uint8_t>(c - 'A' + 1);
        } else {
            return std::nullopt;
        }
    }
    return parsed;
}

std::string RowText(const Grid& grid)
{
    std::string text(CellCount, '.');
    for (int cell = 0; cell < CellCount; ++cell)
        if (grid[cell] != 0)
            text[cell] = static_cast<char>('0' + grid[cell]);
    return text;
}

std::optional<Grid> ParseRowText(std::string_view text)
{
    if (text.size() != CellCount)
        return std::nullopt;
    Grid grid{};
    for (int cell = 0; cell < CellCount; ++cell) {
        const char c = text[cell];
        if (c >= '1' && c <= '9')
            grid[cell] = static_cast<std::uint8_t>(c - '0');
        else if (c != '.' && c != '0')
            return std::nullopt;
    }
    return grid;
}

} // namespace orvane::grader
