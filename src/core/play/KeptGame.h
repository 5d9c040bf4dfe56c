#pragma once

#include "core/puzzle/SavedGame.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The game kept for Resume Last Game: the game as a saved-game file holds it
// (board, marks, level), and what the clock and the statistics need to go
// on with it.
struct KeptGame {
    SavedGame game;
    std::int64_t seconds = 0; // time played
    bool counted = false;     // the statistics follow it (begun with New Game)
    bool hintsUsed = false;
    bool solutionShown = false;
};

// The kept game's text: the saved game's lines, then one "Name=value" line
// each, ended by CR LF:
//
//   Seconds=754
//   Counted=1
//   HintsUsed=0
//   SolutionShown=0
//
// A reader of saved games leaves the lines after its own alone, so the file
// is also a saved game that Open reads.
std::string KeptGameText(const KeptGame& kept);

// Reads that text; nothing when the saved game's lines are damaged or a line
// after them is not one of the fields above with a whole number (0 or 1 for
// the flags). Missing fields count 0.
std::optional<KeptGame> ReadKeptGame(std::string_view text);

} // namespace orvane
