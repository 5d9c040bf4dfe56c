#pragma once

#include "Grader.h"

#include "core/puzzle/Levels.h"

#include <array>
#include <string_view>

namespace orvane::bank {

constexpr int BankListLines = 500;
constexpr int BankLists = 6;
constexpr int SpareListIndex = 5;

// A list's mean givens may differ from the table's by this much, and its
// fewest givens from the table's fewest by this many.
constexpr double MeanGivensTolerance = 1.5;
constexpr int LeastGivensTolerance = 3;
// No number of givens may be held by more than this share of a list's lines.
constexpr double MostCommonGivensShare = 1.0 / 3.0;

// What a list of the bank must hold: its grade band, the game's table of
// givens it is measured against, and the range every line's givens must lie
// in.
struct BankListRule {
    std::string_view name;      // file name without ".txt"
    std::string_view levelName; // "spare" for the list nothing reads
    int lowestTier;
    int highestTier;
    int tableLeast;
    int tableMost;
    double tableMean;
    int lineLeast; // every line's givens lie in lineLeast..lineMost
    int lineMost;
};

// Easy needs singles only and keeps 41..51 givens; each further level lies in
// the next band of the rating (Techniques.h: RatingBands), so neighbouring
// levels never share a rating. The spare list mixes bands 2..5 in equal parts.
constexpr int FewestUniqueGivens = 17;
constexpr std::array<BankListRule, BankLists> BankListRules = {{
    {"tk0", "Easy", SinglesTier, SinglesTier, 41, 51, 44.0, 41, 51},
    {"tk1", "Normal", SubsetsTier, SubsetsTier, 17, 32, 20.8, FewestUniqueGivens, 80},
    {"tk2", "Hard", FishAndWingsTier, FishAndWingsTier, 17, 36, 19.6, FewestUniqueGivens, 80},
    {"tk3", "Expert", ChainsTier, ChainsTier, 17, 52, 25.0, FewestUniqueGivens, 80},
    {"tk4", "Extreme", BeyondTier, BeyondTier, 17, 40, 23.7, FewestUniqueGivens, 80},
    {"tk0_bk", "spare", SubsetsTier, BeyondTier, 17, 39, 23.2, FewestUniqueGivens, 80},
}};

// Every list above Easy holds minimal puzzles only: no given can be removed
// with the solution staying unique. Easy keeps more givens than its puzzles
// need, so that singles alone solve them.
constexpr bool RequiresMinimalPuzzles(const BankListRule& rule) { return rule.lowestTier > SinglesTier; }

static_assert(BankLists == orvane::BankListCount);

constexpr bool RulesFollowTheGamesListNames()
{
    for (int i = 0; i < BankLists; ++i)
        if (BankListRules[i].name != orvane::BankListNames[i])
            return false;
    return true;
}
static_assert(RulesFollowTheGamesListNames(), "the bank's rules must name the game's lists in its order");

} // namespace orvane::bank
