#pragma once

#include <array>
#include <string_view>

namespace orvane {

// The level index: the Tag of the New Game items, the bank list tk<index>,
// the caption's level name and line 4 of a saved game.
constexpr int LevelCount = 5;
constexpr std::array<std::string_view, LevelCount> LevelNames = {"Easy", "Normal", "Hard", "Expert", "Extreme"};

// The six lists of the puzzle bank: one per level, then the spare list.
constexpr int BankListCount = LevelCount + 1;
constexpr std::array<std::string_view, BankListCount> BankListNames = {"tk0", "tk1", "tk2", "tk3", "tk4", "tk0_bk"};

bool IsLevel(int level);

} // namespace orvane
