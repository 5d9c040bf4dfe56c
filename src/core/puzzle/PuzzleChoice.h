#pragma once

#include <string>
#include <vector>

namespace orvane {

// Seeds the generator and draws a line number 1..n of a list of n lines with
// the game's rule: k = Random(n) + 1, and k = n becomes n - 1. The last line
// is never drawn and the one before it comes up twice as often as the others.
// Returns 0 for a list of one line (the rule then points before the first).
int PickLineNumber(int lineCount);

// The text of the line that PickLineNumber draws; empty when it names no line.
std::string PickPuzzleText(const std::vector<std::string>& lines);

} // namespace orvane
