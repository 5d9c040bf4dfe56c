#include "core/play/KeptGame.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

KeptGame SomeKeptGame(bool withMarks)
{
    KeptGame kept;
    for (int index = 0; index < CellCount; ++index) {
        kept.game.Solutions[std::size_t(index)] = index % 9 + 1;
        kept.game.Givens[std::size_t(index)] = index % 4 == 0;
        kept.game.BoardDigits[std::size_t(index)] = index % 4 == 0 || index % 7 == 0 ? index % 9 + 1 : 0;
    }
    if (withMarks)
        kept.game.Marks[5] = 0x111;
    kept.game.Level = 4;
    kept.seconds = 754;
    kept.counted = true;
    kept.hintsUsed = true;
    return kept;
}

bool SameKeptGame(const KeptGame& a, const KeptGame& b)
{
    return a.game.Solutions == b.game.Solutions && a.game.Givens == b.game.Givens &&
           a.game.BoardDigits == b.game.BoardDigits && a.game.Marks == b.game.Marks && a.game.Level == b.game.Level &&
           a.seconds == b.seconds && a.counted == b.counted && a.hintsUsed == b.hintsUsed &&
           a.solutionShown == b.solutionShown;
}

// The kept game reads back whole, with and without marks, and is a saved
// game that Open reads as it is.
TEST(KeptGame, ReadsBackAndIsASavedGame)
{
    for (const bool marks : {false, true}) {
        const KeptGame kept = SomeKeptGame(marks);
        const std::string text = KeptGameText(kept);
        EXPECT_TRUE(text.starts_with(SavedGameText(kept.game))) << marks;
        EXPECT_TRUE(text.ends_with("Seconds=754\r\nCounted=1\r\nHintsUsed=1\r\nSolutionShown=0\r\n")) << text;
        const std::optional<KeptGame> read = ReadKeptGame(text);
        ASSERT_TRUE(read) << marks;
        EXPECT_TRUE(SameKeptGame(*read, kept)) << marks;
        const SavedGameReadResult asSaved = ReadSavedGame(text);
        ASSERT_TRUE(asSaved.Game) << asSaved.Error;
        EXPECT_EQ(asSaved.Game->BoardDigits, kept.game.BoardDigits);
        EXPECT_EQ(asSaved.Game->Marks, kept.game.Marks);
    }
}

TEST(KeptGame, DamagedTextsReadAsNothing)
{
    const std::string game = SavedGameText(SomeKeptGame(false).game);
    const std::string damaged[] = {
        "",
        game.substr(0, 100),
        game + "Seconds=abc\r\n",
        game + "Counted=2\r\n",
        game + "Elsewhere\r\n",
        game + "Paused=1\r\n",
    };
    for (const std::string& text : damaged)
        EXPECT_FALSE(ReadKeptGame(text)) << text;
    EXPECT_TRUE(ReadKeptGame(game)) << "without the fields: none counted";
}

} // namespace
} // namespace orvane
