#include "core/puzzle/SavedGame.h"

#include "core/text/IntegerText.h"
#include "core/text/Utf8Text.h"

#include <algorithm>
#include <vector>

namespace orvane {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr char OpenCellFlag = '0';
constexpr char GivenFlag = '1';

enum SavedGameLine { SolutionLine, GivenLine, BoardLine, LevelLine, MarksLine, SavedGameLineCount };

constexpr std::string_view MarksTag = "Marks:";
constexpr char MarksSeparator = ',';
constexpr int MarkDigits = 9;
constexpr std::string_view DamagedMarksMessage =
    "The fifth line of the file, the candidate marks, is damaged: it must hold 81 fields of digits 1 to 9 in "
    "rising order, separated by commas.";

bool HasMarks(const SavedGame& game)
{
    return std::any_of(game.Marks.begin(), game.Marks.end(), [](std::uint16_t marks) { return marks != 0; });
}

std::string MarksLineText(const SavedGame& game)
{
    std::string line(MarksTag);
    for (int index = 0; index < CellCount; ++index) {
        if (index > 0)
            line += MarksSeparator;
        for (int digit = 1; digit <= MarkDigits; ++digit)
            if (game.Marks[std::size_t(index)] & (1u << (digit - 1)))
                line += char('0' + digit);
    }
    return line;
}

// The marks of a line that begins with the tag; nothing when it is damaged.
std::optional<std::array<std::uint16_t, CellCount>> ReadMarksLine(std::string_view line)
{
    line.remove_prefix(MarksTag.size());
    std::array<std::uint16_t, CellCount> marks{};
    std::size_t index = 0;
    int lastDigit = 0;
    for (const char character : line) {
        if (character == MarksSeparator) {
            if (++index == marks.size())
                return std::nullopt;
            lastDigit = 0;
            continue;
        }
        const int digit = character - '0';
        if (digit <= lastDigit || digit > MarkDigits)
            return std::nullopt;
        marks[index] = std::uint16_t(marks[index] | (1u << (digit - 1)));
        lastDigit = digit;
    }
    if (index + 1 != marks.size())
        return std::nullopt;
    return marks;
}

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

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";

// Whether the text opens with ASCII characters in UTF-16 of either byte
// order: a NUL beside every character, for at least two characters.
bool LooksLikeUnmarkedUtf16(std::string_view text)
{
    constexpr std::size_t BytesLookedAt = 16;
    const std::size_t length = std::min(text.size(), BytesLookedAt) & ~std::size_t(1);
    if (length < 4)
        return false;
    bool littleEndian = true;
    bool bigEndian = true;
    for (std::size_t i = 0; i < length; i += 2) {
        littleEndian = littleEndian && text[i] != '\0' && text[i + 1] == '\0';
        bigEndian = bigEndian && text[i] == '\0' && text[i + 1] != '\0';
    }
    return littleEndian || bigEndian;
}

// The multi-byte character of UTF-8 text that the rejected bytes begin
// with; empty unless the whole file is well-formed UTF-8 and they begin one.
std::string_view Utf8CharacterAt(std::string_view text, std::string_view rejected)
{
    if (rejected.empty() || rejected.data() < text.data() || rejected.data() >= text.data() + text.size())
        return {};
    const std::size_t at = std::size_t(rejected.data() - text.data());
    const std::size_t length = Utf8SequenceLength(text, at);
    if (length < 2 || !IsWellFormedUtf8(text))
        return {};
    return text.substr(at, length);
}

// What a file that fails to read is, when its bytes say so: text saved by an
// editor as UTF-8 (with a byte-order mark or with characters beyond ASCII)
// or as UTF-16. Empty when nothing tells.
std::string EncodingNote(std::string_view text, std::string_view rejected)
{
    if (text.starts_with(Utf8ByteOrderMark))
        return " (the file starts with a UTF-8 byte-order mark; a saved game is plain single-byte text)";
    if (text.starts_with(Utf16LittleEndianMark) || text.starts_with(Utf16BigEndianMark) ||
        LooksLikeUnmarkedUtf16(text))
        return " (the file is UTF-16 text; a saved game is plain single-byte text)";
    if (const std::string_view character = Utf8CharacterAt(text, rejected); !character.empty())
        return " (the file is UTF-8 text and '" + std::string(character) +
               "' is not a single-byte character; a saved game is plain single-byte text)";
    return {};
}

SavedGameReadResult Rejected(std::string_view text, std::string_view badCharacters)
{
    return {std::nullopt, ConversionErrorMessage(badCharacters) + EncodingNote(text, badCharacters)};
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
    if (HasMarks(game)) {
        text += MarksLineText(game);
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
            return Rejected(text, solution);
        game.Solutions[std::size_t(index)] = *digit;
        game.Givens[std::size_t(index)] = CharacterAt(lines[GivenLine], index) != std::string_view(&OpenCellFlag, 1);
    }
    for (int index = 0; index < CellCount; ++index) {
        const std::string_view shown = CharacterAt(lines[BoardLine], index);
        const std::optional<std::int32_t> digit = TryStrToInt(shown);
        if (!digit)
            return Rejected(text, shown);
        game.BoardDigits[std::size_t(index)] = *digit;
    }
    const std::optional<std::int32_t> level = TryStrToInt(lines[LevelLine]);
    if (!level)
        return Rejected(text, lines[LevelLine]);
    game.Level = *level;
    if (lines[MarksLine].starts_with(MarksTag)) {
        const auto marks = ReadMarksLine(lines[MarksLine]);
        if (!marks)
            return {std::nullopt, std::string(DamagedMarksMessage)};
        game.Marks = *marks;
    }
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
