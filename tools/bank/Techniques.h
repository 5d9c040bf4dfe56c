#pragma once

#include "CandidateBoard.h"

#include <array>
#include <string_view>

namespace orvane::bank {

// The solving techniques of the logical grader, simplest first. Each belongs
// to a tier; a puzzle's grade is the highest tier it needs.
enum class Technique {
    NakedSingle,
    HiddenSingle,
    LockedPointing,
    LockedClaiming,
    NakedPair,
    HiddenPair,
    NakedTriple,
    HiddenTriple,
    NakedQuad,
    HiddenQuad,
    XWing,
    XYWing,
    XYZWing,
    WWing,
    Swordfish,
    Jellyfish,
    AlternatingChain,
};

constexpr int TechniqueCount = static_cast<int>(Technique::AlternatingChain) + 1;

// Tiers: 1 singles; 2 locked candidates and subsets; 3 fish and wings;
// 4 alternating inference chains (X-chains and XY-chains among them);
// 5 "beyond": the puzzle is unique, but tiers 1..4 stall on it.
constexpr int SinglesTier = 1;
constexpr int SubsetsTier = 2;
constexpr int FishAndWingsTier = 3;
constexpr int ChainsTier = 4;
constexpr int BeyondTier = 5;
constexpr int TierCount = 5;

int TierOf(Technique technique);
std::string_view TechniqueName(Technique technique);
std::string_view TierName(int tier);

// Applies every deduction of one technique that the board offers now (all
// instances found in one scan). True when the board changed.
bool ApplyTechnique(Technique technique, CandidateBoard& board);

} // namespace orvane::bank
