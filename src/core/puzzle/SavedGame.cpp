#include "core/puzzle/SavedGame.h"

#include "core/text/IntegerText.h"

#include <vector>

namespace orvane {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr char OpenCellFlag = '0';
constexpr char GivenFlag = '1';

enum SavedGameLine { SolutionLine, GivenLine, BoardLine, LevelLine, SavedGameLineCount };

// Splits text into lines at CR LF, CR or LF. A line break at the very end
// does not start another line.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r')
            ++end;
        else if (end < text.size())
            ++end; // a lone LF
        if (end < text.size() && text[end] == '\n' && text[end - 1] == '\r')
            ++end; // the LF of CR LF
        start = end;
    }
    return lines;
}

// The one-character text at position `index` of a line; empty past its end.
std::string_view CharacterAt(std::string_view line, int index)
{
    return std::size_t(index) < line.size() ? line.substr(std::size_t(index), 1) : std::string_view{};
}

} // namespace

std::string SavedGameText(const SavedGame& game)
{
    std::string solutions;
    std::string givens;
    std::string board;
    for (int index = 0; index < CellCount; ++index) {
        solutions += std::to_string(game.Solutions[std::size_t(index)]);
        givens += game.Givens[std::size_t(index)] ? GivenFlag : OpenCellFlag;
        board += std::to_string(game.BoardDigits[std::size_t(index)]);
    }
    std::string text;
    for (const std::string& line : {solutions, givens, board, std::to_string(game.Level)}) {
        text += line;
        text += LineEnd;
    }
    return text;
}

SavedGameReadResult ReadSavedGame(std::string_view text)
{
    const std::vector<std::string_view> found = SplitLines(text);
    std::string_view lines[SavedGameLineCount];
    for (std::size_t i = 0; i < SavedGameLineCount && i < found.size(); ++i)
        lines[i] = found[i];

    SavedGame game;
    for (int index = 0; index < CellCount; ++index) {
        const std::string_view solution = CharacterAt(lines[SolutionLine], index);
        const std::optional<std::int32_t> digit = TryStrToInt(solution);
        if (!digit)
            return {std::nullopt, ConversionErrorMessage(solution)};
        game.Solutions[std::size_t(index)] = *digit;
        game.Givens[std::size_t(index)] = CharacterAt(lines[GivenLine], index) != std::string_view(&OpenCellFlag, 1);
    }
    for (int index = 0; index < CellCount; ++index) {
        const std::string_view shown = CharacterAt(lines[BoardLine], index);
        const std::optional<std::int32_t> digit = TryStrToInt(shown);
        if (!digit)
            return {std::nullopt, ConversionErrorMessage(shown)};
        game.BoardDigits[std::size_t(index)] = *digit;
    }
    const std::optional<std::int32_t> level = TryStrToInt(lines[LevelLine]);
    if (!level)
        return {std::nullopt, ConversionErrorMessage(lines[LevelLine])};
    game.Level = *level;
    return {game, {}};
}

void ApplySavedPosition(const SavedGame& game, PuzzlePosition& position)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            TNode& record = position.Node(x, y);
            record.solution = game.Solutions[std::size_t(SavedGameCellIndex(x, y))];
            record.given = game.Givens[std::size_t(SavedGameCellIndex(x, y))];
        }
}

void TakeSavedPosition(const PuzzlePosition& position, SavedGame& game)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const TNode& record = position.Node(x, y);
            game.Solutions[std::size_t(SavedGameCellIndex(x, y))] = record.solution;
            game.Givens[std::size_t(SavedGameCellIndex(x, y))] = record.given;
        }
}

} // namespace orvane
