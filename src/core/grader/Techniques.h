#pragma once

#include "core/grader/CandidateBoard.h"

#include <array>
#include <string_view>

namespace orvane::grader {

// The solving techniques of the logical grader, simplest first. Each has a
// difficulty rating in tenths of a point, in the manner of the common
// hardest-step scales (singles lowest, then intersections, subsets by size,
// fish, wings, uniqueness, chains by kind and length, forcing chains and nets
// highest), and belongs to the level band that its rating falls in. A
// puzzle's rating is its hardest step.
//
// A technique is added with one enumerator here, in the order of its rating,
// and one row of the table in Techniques.cpp (name, rating, scan); its scan
// announces each instance it finds (CandidateBoard::Announce), so that the
// hints can show it. Hint texts without words of their own for it name its
// cells.
enum class Technique {
    HiddenSingle,
    NakedSingle,
    LockedPointing,
    LockedClaiming,
    NakedPair,
    HiddenPair,
    NakedTriple,
    HiddenTriple,
    XWing,
    XYWing,
    XYZWing,
    UniqueRectangle1,
    UniqueRectangle2,
    UniqueRectangle4,
    UniqueRectangle3,
    UniqueLoop1,
    UniqueLoop2,
    UniqueLoop3,
    UniqueLoop4,
    Swordfish,
    NakedQuad,
    Jellyfish,
    HiddenQuad,
    BugPlusOne,
    BugType2,
    WWing,
    XChain,
    GroupedXChain,
    AlsXz,
    AlternatingChain,
    GroupedAlternatingChain,
    ForcingChain,
    ForcingNet,
    NestedForcingNet,
};

constexpr int TechniqueCount = static_cast<int>(Technique::NestedForcingNet) + 1;

// Levels ("tiers") are bands of the rating that do not overlap:
// 1 Easy singles; 2 Normal intersections, pairs and triples; 3 Hard fish,
// wings, quads and uniqueness; 4 Expert chains (W-Wing, X-chains, ALS-XZ,
// alternating inference chains); 5 Extreme forcing chains and nets.
constexpr int SinglesTier = 1;
constexpr int SubsetsTier = 2;
constexpr int FishAndWingsTier = 3;
constexpr int ChainsTier = 4;
constexpr int BeyondTier = 5;
constexpr int TierCount = 5;

struct RatingBand {
    int least; // tenths
    int most;
};
constexpr std::array<RatingBand, TierCount> RatingBands = {{
    {10, 25},  // Easy
    {26, 40},  // Normal
    {41, 59},  // Hard
    {60, 78},  // Expert
    {79, 110}, // Extreme
}};

// The band a rating lies in (1..5); 0 for none.
int TierOfRating(int rating);

// The rating of a technique's simplest step (chains and forcing steps add
// to it for their length, up to HighestRating).
int BaseRating(Technique technique);
int HighestRating(Technique technique);
int TierOf(Technique technique);
bool IsUniquenessTechnique(Technique technique);
std::string_view TechniqueName(Technique technique);
std::string_view TierName(int tier);

// Applies every deduction of one technique that the board offers now (all
// instances found in one scan; for chains and forcing steps, the shortest
// ones). True when the board changed.
bool ApplyTechnique(Technique technique, CandidateBoard& board);

// As ApplyTechnique; the rating of the step in tenths, 0 when nothing changed.
int ApplyTechniqueRated(Technique technique, CandidateBoard& board);

} // namespace orvane::grader
