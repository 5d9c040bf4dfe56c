#pragma once

#include "BankRules.h"
#include "Grader.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::bank {

// One puzzle of a list that passed the format checks.
struct BankEntry {
    int line;
    Grid solution;
    Grid givens;
    int tier;
    int rating;    // tenths; the hardest step
    int ratingSum; // tenths; all steps
    std::array<int, TechniqueCount> uses;
};

// What the checks found in one list file.
struct ListReport {
    const BankListRule* rule;
    int lineCount = 0;
    std::vector<BankEntry> entries;     // the well-formed lines
    std::vector<std::string> failures;  // "tk1.txt:37: ...", one per fault
    int leastGivens = 0;
    int mostGivens = 0;
    double meanGivens = 0;
    int commonGivens = 0;      // the most common number of givens
    int commonGivensLines = 0; // and how many lines have it
    int leastRating = 0, medianRating = 0, mostRating = 0;
    std::array<int, TierCount + 1> tierCounts{}; // index = tier
    std::array<int, TechniqueCount> techniqueLists{}; // puzzles that used each technique
};

// Checks one list's text against its rule: 500 LF-ended lines of 81
// characters "1".."9"/"A".."I"; each a complete valid grid whose givens have
// exactly that grid as their only solution; each solved by the grader's
// logic without guessing, rated inside the list's band, with every deduction
// agreeing with the solution; the givens of every line in the rule's range,
// the list's least and mean near the table's, and no number of givens held
// by more than a third of the list.
ListReport CheckList(const BankListRule& rule, std::string_view text);

// Failures that span lists: two lines, in one list or in two, built on the
// same solution grid, or on grids that are the same up to the grid's
// symmetries and a relabelling of the digits (equal canonical forms), which
// every repeat of a puzzle, however transformed, would be.
std::vector<std::string> CheckSharedSolutions(const std::vector<ListReport>& reports);

// The share of pairs (a line of `lower`, a line of `higher`) in which the
// line of `higher` rates higher.
double RatingOverlapShare(const ListReport& lower, const ListReport& higher);

// "least 19, mean 20.71, most 23; tiers 2:500" and the like.
std::string DescribeList(const ListReport& report);

} // namespace orvane::bank
