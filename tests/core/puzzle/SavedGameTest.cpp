#include "core/puzzle/SavedGame.h"

#include "FixedSeed.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

const std::string Zeros(CellCount, '0');

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A game in progress: the known solution, a few givens, some entries (one of
// them wrong) and level 3.
SavedGame GameInProgress()
{
    SavedGame game;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const auto index = std::size_t(SavedGameCellIndex(x, y));
            game.Solutions[index] = test::KnownSolutionRows[y - 1][x - 1] - '0';
            game.Givens[index] = (x + y) % 3 == 0;
            game.BoardDigits[index] = game.Givens[index] ? game.Solutions[index] : 0;
        }
    const auto right = std::size_t(SavedGameCellIndex(2, 1));
    const auto wrong = std::size_t(SavedGameCellIndex(4, 5));
    game.BoardDigits[right] = game.Solutions[right];
    game.BoardDigits[wrong] = game.Solutions[wrong] % 9 + 1;
    game.Level = 3;
    return game;
}

void ExpectSameGame(const SavedGame& a, const SavedGame& b)
{
    EXPECT_EQ(a.Solutions, b.Solutions);
    EXPECT_EQ(a.Givens, b.Givens);
    EXPECT_EQ(a.BoardDigits, b.BoardDigits);
    EXPECT_EQ(a.Level, b.Level);
    EXPECT_EQ(a.Marks, b.Marks);
}

TEST(SavedGame, BeforeTheFirstGameWritesZerosInEveryLine)
{
    EXPECT_EQ(SavedGameText(SavedGame{}), Lines({Zeros, Zeros, Zeros, "0"}));
}

TEST(SavedGame, ListsTheCellsColumnByColumn)
{
    SavedGame game;
    game.Solutions[std::size_t(SavedGameCellIndex(1, 2))] = 4; // character 2
    game.Givens[std::size_t(SavedGameCellIndex(2, 1))] = true; // character 10
    game.BoardDigits[std::size_t(SavedGameCellIndex(9, 9))] = 6; // character 81
    const std::string text = SavedGameText(game);
    EXPECT_EQ(text.substr(0, 3), "040");
    EXPECT_EQ(text.substr(83 + 9, 1), "1");
    EXPECT_EQ(text.substr(2 * 83 + 80, 1), "6");
}

TEST(SavedGame, ReadsBackWhatItWrote)
{
    SavedGame game = GameInProgress();
    for (const int level : {0, 3, 7}) {
        game.Level = level;
        const SavedGameReadResult read = ReadSavedGame(SavedGameText(game));
        ASSERT_TRUE(read.Game) << read.Error;
        ExpectSameGame(*read.Game, game);
    }
}

TEST(SavedGame, ReadsAnyLineEnding)
{
    const SavedGame game = GameInProgress();
    std::string crlf = SavedGameText(game);
    std::string lf;
    std::string cr;
    for (const char c : crlf) {
        if (c != '\r')
            lf += c;
        if (c != '\n')
            cr += c;
    }
    const std::string noFinalBreak = crlf.substr(0, crlf.size() - 2);
    for (const std::string& text : {lf, cr, noFinalBreak}) {
        const SavedGameReadResult read = ReadSavedGame(text);
        ASSERT_TRUE(read.Game) << read.Error;
        ExpectSameGame(*read.Game, game);
    }
}

TEST(SavedGame, MissingOrOtherGivenFlagsMakeGivens)
{
    const std::string givens = "0x1" + std::string(7, '0'); // the rest of the line is missing
    const SavedGameReadResult read = ReadSavedGame(Lines({Zeros, givens, Zeros, "1"}));
    ASSERT_TRUE(read.Game) << read.Error;
    for (int index = 0; index < CellCount; ++index) {
        const bool open = index == 0 || (index >= 3 && index < 10);
        EXPECT_EQ(read.Game->Givens[std::size_t(index)], !open) << index;
    }
}

// Each damaged file names the first bad character in the order in which the
// lines are applied: line 1, then line 3, then line 4.
TEST(SavedGame, RejectsADamagedFileWithTheFirstConversionError)
{
    std::string badSolution = Zeros;
    badSolution[40] = 'x';
    std::string badBoard = Zeros;
    badBoard[80] = 'a';
    const struct {
        const char* what;
        std::string text;
        std::string error;
    } cases[] = {
        {"a letter in line 1", Lines({badSolution, Zeros, Zeros, "0"}), "'x' is not a valid integer value"},
        {"a short line 1", Lines({Zeros.substr(0, 80), Zeros, Zeros, "0"}), "'' is not a valid integer value"},
        {"a blank in line 1", Lines({" " + Zeros.substr(1), Zeros, Zeros, "0"}), "' ' is not a valid integer value"},
        {"a letter in line 3", Lines({Zeros, Zeros, badBoard, "0"}), "'a' is not a valid integer value"},
        {"a short line 3", Lines({Zeros, Zeros, "123", "0"}), "'' is not a valid integer value"},
        {"a word in line 4", Lines({Zeros, Zeros, Zeros, "Easy"}), "'Easy' is not a valid integer value"},
        {"no line 4", Lines({Zeros, Zeros, Zeros}), "'' is not a valid integer value"},
        {"line 1 before line 3", Lines({badSolution, Zeros, badBoard, "x"}), "'x' is not a valid integer value"},
        {"line 3 before line 4", Lines({Zeros, Zeros, badBoard, "y"}), "'a' is not a valid integer value"},
        {"an empty file", "", "'' is not a valid integer value"},
        // Control characters are named, not cut off: a NUL would end a C string.
        {"a NUL in line 1", Lines({std::string(1, '\0') + Zeros.substr(1), Zeros, Zeros, "0"}),
         "'#0' is not a valid integer value"},
        {"a tab in line 4", Lines({Zeros, Zeros, Zeros, "1\t2"}), "'1#92' is not a valid integer value"},
        {"a byte above 127", Lines({"\xE9" + Zeros.substr(1), Zeros, Zeros, "0"}),
         "'\xC3\xA9' is not a valid integer value"},
        // Text saved by an editor in another encoding is named as such.
        {"a UTF-8 byte-order mark", "\xEF\xBB\xBF" + Lines({Zeros, Zeros, Zeros, "0"}),
         "'\xC3\xAF' is not a valid integer value (the file starts with a UTF-8 byte-order mark; a saved game is "
         "plain single-byte text)"},
        {"UTF-16 with its mark", std::string("\xFF\xFE" "0\0" "0\0", 6),
         "'\xC3\xBF' is not a valid integer value (the file is UTF-16 text; a saved game is plain single-byte text)"},
        {"UTF-16 without a mark", std::string("0\0" "0\0", 4),
         "'#0' is not a valid integer value (the file is UTF-16 text; a saved game is plain single-byte text)"},
        {"UTF-8 text without a mark", Lines({"\xC3\xA9" + Zeros.substr(2), Zeros, Zeros, "0"}),
         "'\xC3\x83' is not a valid integer value (the file is UTF-8 text and '\xC3\xA9' is not a single-byte "
         "character; a saved game is plain single-byte text)"},
        {"UTF-8 text, the character in line 4", Lines({Zeros, Zeros, Zeros, "\xE2\x82\xAC"}),
         "'\xC3\xA2#130\xC2\xAC' is not a valid integer value (the file is UTF-8 text and '\xE2\x82\xAC' is not a "
         "single-byte character; a saved game is plain single-byte text)"},
        // A single-byte file that is not well-formed UTF-8 gets no such note.
        {"Latin-1 text", Lines({"\xE9\xC3\xA9" + Zeros.substr(3), Zeros, Zeros, "0"}),
         "'\xC3\xA9' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        const SavedGameReadResult read = ReadSavedGame(c.text);
        EXPECT_FALSE(read.Game) << c.what;
        EXPECT_EQ(read.Error, c.error) << c.what;
    }
}

// The four lines of a game in progress, spelled out independently of the
// writer: a game without marks must stay byte for byte what it always was.
std::string FourLinesOf(const SavedGame& game)
{
    std::string solutions;
    std::string givens;
    std::string board;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const auto index = std::size_t(SavedGameCellIndex(x, y));
            solutions += char('0' + game.Solutions[index]);
            givens += game.Givens[index] ? '1' : '0';
            board += char('0' + game.BoardDigits[index]);
        }
    return Lines({solutions, givens, board, std::to_string(game.Level)});
}

TEST(SavedGame, WritesAMarksLineOnlyForAGameWithMarks)
{
    SavedGame game = GameInProgress();
    EXPECT_EQ(SavedGameText(game), FourLinesOf(game)) << "no marks: the four lines alone";

    game.Marks[0] = 0b000000101;                                    // 1 and 3
    game.Marks[std::size_t(SavedGameCellIndex(2, 2))] = 0b100000000; // 9, field 11
    game.Marks[80] = 0x1FF;                                         // every digit
    const std::string marksLine = "Marks:13,,,,,,,,,,9" + std::string(69, ',') + ",123456789";
    EXPECT_EQ(SavedGameText(game), FourLinesOf(game) + marksLine + "\r\n");

    const SavedGameReadResult read = ReadSavedGame(SavedGameText(game));
    ASSERT_TRUE(read.Game) << read.Error;
    ExpectSameGame(*read.Game, game);

    // A reader of four lines gets the same game without its marks; this reader
    // leaves a fifth line of another kind alone in the same way.
    SavedGame withoutMarks = game;
    withoutMarks.Marks = {};
    for (const std::string& fifth : {std::string("Notes about this game"), std::string("marks:1")}) {
        const SavedGameReadResult other = ReadSavedGame(FourLinesOf(game) + fifth + "\r\n");
        ASSERT_TRUE(other.Game) << other.Error;
        ExpectSameGame(*other.Game, withoutMarks);
    }
}

TEST(SavedGame, RejectsADamagedMarksLine)
{
    const std::string fourLines = Lines({Zeros, Zeros, Zeros, "0"});
    const std::string emptyFields(80, ',');
    const struct {
        const char* what;
        std::string line;
    } cases[] = {
        {"80 fields", "Marks:" + emptyFields.substr(1)},
        {"82 fields", "Marks:" + emptyFields + ","},
        {"digits not rising", "Marks:21" + emptyFields},
        {"a digit twice", "Marks:55" + emptyFields},
        {"a zero", "Marks:0" + emptyFields},
        {"a letter", "Marks:" + emptyFields + "a"},
        {"a blank", "Marks: " + emptyFields},
        {"nothing after the tag", "Marks:"},
    };
    for (const auto& c : cases) {
        const SavedGameReadResult read = ReadSavedGame(fourLines + c.line + "\r\n");
        EXPECT_FALSE(read.Game) << c.what;
        EXPECT_NE(read.Error.find("candidate marks"), std::string::npos) << c.what;
    }
    const SavedGameReadResult empty = ReadSavedGame(fourLines + "Marks:" + emptyFields + "\r\n");
    ASSERT_TRUE(empty.Game) << "81 empty fields: " << empty.Error;
    EXPECT_EQ(empty.Game->Marks, (std::array<std::uint16_t, CellCount>{}));
}

TEST(SavedGame, MovesSolutionsAndGivensBetweenPositionAndFile)
{
    const SavedGame game = GameInProgress();
    PuzzlePosition position;
    position.Node(3, 4).x = 3;
    position.Node(3, 4).y = 4;
    ApplySavedPosition(game, position);
    EXPECT_EQ(position.Node(1, 2).solution, test::KnownSolutionRows[1][0] - '0');
    EXPECT_EQ(position.Node(2, 1).given, game.Givens[std::size_t(SavedGameCellIndex(2, 1))]);
    EXPECT_EQ(position.Node(3, 4).x, 3);
    EXPECT_EQ(position.Node(5, 5).x, 0) << "record coordinates are not the file's business";

    SavedGame taken;
    TakeSavedPosition(position, taken);
    EXPECT_EQ(taken.Solutions, game.Solutions);
    EXPECT_EQ(taken.Givens, game.Givens);
}

} // namespace
} // namespace orvane
