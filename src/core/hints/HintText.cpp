#include "core/hints/HintText.h"

#include <algorithm>
#include <map>

namespace orvane {

namespace {

using grader::CellDigit;
using grader::Step;
using grader::Technique;

enum class UnitKind { Row, Column, Box };

UnitKind KindOf(int unit)
{
    if (unit < grader::GridSide)
        return UnitKind::Row;
    return unit < 2 * grader::GridSide ? UnitKind::Column : UnitKind::Box;
}

int NumberOf(int unit) { return unit % grader::GridSide + 1; }

std::string KindName(UnitKind kind, bool plural)
{
    switch (kind) {
    case UnitKind::Row: return plural ? "rows" : "row";
    case UnitKind::Column: return plural ? "columns" : "column";
    case UnitKind::Box: return plural ? "boxes" : "box";
    }
    return {};
}

// "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

// "rows 2 and 7", "box 4", "row 3 and box 4".
std::string UnitsPhrase(const std::vector<int>& units)
{
    if (units.empty())
        return {};
    const bool oneKind = std::all_of(units.begin(), units.end(), [&](int unit) { return KindOf(unit) == KindOf(units[0]); });
    std::vector<std::string> names;
    for (int unit : units)
        names.push_back(oneKind ? std::to_string(NumberOf(unit)) : UnitName(unit));
    if (!oneKind)
        return Listed(names);
    return KindName(KindOf(units[0]), units.size() > 1) + " " + Listed(names);
}

std::string CellsPhrase(const std::vector<int>& cells)
{
    std::vector<std::string> names;
    for (int cell : cells)
        names.push_back(CellName(cell));
    return Listed(names);
}

std::string DigitsPhrase(unsigned digits)
{
    std::vector<std::string> names;
    for (int digit = 1; digit <= grader::DigitCount; ++digit)
        if (digits & grader::DigitBit(digit))
            names.push_back(std::to_string(digit));
    return Listed(names);
}

// The candidates of one cell in the pattern: "(1, 2)" style, for wings.
std::string CellWithCandidates(const Step& step, int cell)
{
    unsigned digits = 0;
    for (const CellDigit& candidate : step.pattern.candidates)
        if (candidate.cell == cell)
            digits |= grader::DigitBit(candidate.digit);
    return CellName(cell) + " (" + DigitsPhrase(digits) + ")";
}

unsigned PatternDigits(const Step& step)
{
    unsigned digits = 0;
    for (const CellDigit& candidate : step.pattern.candidates)
        digits |= grader::DigitBit(candidate.digit);
    return digits;
}

std::string Capitalized(std::string_view text)
{
    std::string result(text);
    if (!result.empty() && result[0] >= 'a' && result[0] <= 'z')
        result[0] = char(result[0] - 'a' + 'A');
    return result;
}

// The unit of a kind that all the cells share, or -1.
int SharedUnit(const std::vector<int>& cells, UnitKind kind)
{
    if (cells.empty())
        return -1;
    const auto unitOf = [kind](int cell) {
        switch (kind) {
        case UnitKind::Row: return grader::RowUnit(grader::RowOf(cell));
        case UnitKind::Column: return grader::ColumnUnit(grader::ColumnOf(cell));
        case UnitKind::Box: return grader::BoxUnit(grader::BoxOf(cell));
        }
        return -1;
    };
    const int unit = unitOf(cells[0]);
    for (int cell : cells)
        if (unitOf(cell) != unit)
            return -1;
    return unit;
}

// The cover lines of a fish: the lines across the base lines that hold its
// cells.
std::vector<int> CoverLines(const Step& step)
{
    const bool rowsAreBase = KindOf(step.pattern.units.front()) == UnitKind::Row;
    std::vector<int> lines;
    for (int cell : step.pattern.cells) {
        const int line = rowsAreBase ? grader::ColumnUnit(grader::ColumnOf(cell)) : grader::RowUnit(grader::RowOf(cell));
        if (std::find(lines.begin(), lines.end(), line) == lines.end())
            lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

unsigned EliminatedDigits(const Step& step)
{
    unsigned digits = 0;
    for (const CellDigit& elimination : step.eliminations)
        digits |= grader::DigitBit(elimination.digit);
    return digits;
}

// Why the step holds, by technique. A technique without words of its own
// names its cells.
std::string Reason(const Step& step)
{
    const auto& cells = step.pattern.cells;
    const std::string cellList = CellsPhrase(cells);
    const std::string region = UnitsPhrase(step.pattern.units);
    const unsigned digits = PatternDigits(step);
    const std::string digitText = DigitsPhrase(digits);
    switch (step.technique) {
    case Technique::HiddenSingle:
        return "In " + region + ", the " + digitText + " fits only in " + cellList + ".";
    case Technique::NakedSingle:
        return "Only the " + digitText + " is left for " + cellList + ".";
    case Technique::LockedPointing: {
        int line = SharedUnit(cells, UnitKind::Row);
        if (line < 0)
            line = SharedUnit(cells, UnitKind::Column);
        return "In " + region + ", the " + digitText + " lies only in " + UnitName(line) + " (" + cellList +
               "): whichever holds it, " + UnitName(line) + " has its " + digitText + " there.";
    }
    case Technique::LockedClaiming: {
        const int box = SharedUnit(cells, UnitKind::Box);
        return "In " + region + ", the " + digitText + " lies only in " + UnitName(box) + " (" + cellList +
               "): whichever holds it, " + UnitName(box) + " has its " + digitText + " there.";
    }
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
        return cellList + " hold only " + digitText + " between them: in " + region +
               " these digits belong to them.";
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return "In " + region + ", " + digitText + " fit only in " + cellList + ": these cells hold them and nothing else.";
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish: {
        const std::vector<int> cover = CoverLines(step);
        return "In " + region + ", the " + digitText + " fits only in " + UnitsPhrase(cover) + ": these " +
               KindName(KindOf(step.pattern.units.front()), true) + " take the " + digitText + " of those " +
               KindName(KindOf(cover.front()), true) + ".";
    }
    case Technique::XYWing:
    case Technique::XYZWing: {
        if (cells.size() < 3)
            break;
        const std::string z = DigitsPhrase(EliminatedDigits(step));
        return CellWithCandidates(step, cells[0]) + " sees " + CellWithCandidates(step, cells[1]) + " and " +
               CellWithCandidates(step, cells[2]) + ": whatever " + CellName(cells[0]) + " holds, one of " +
               (step.technique == Technique::XYWing ? "the two" : "the three") + " is " + z +
               ", and a cell that sees " + (step.technique == Technique::XYWing ? "both" : "all three") +
               " cannot be.";
    }
    case Technique::WWing: {
        if (cells.size() < 4)
            break;
        const std::string y = DigitsPhrase(EliminatedDigits(step));
        const std::string x = DigitsPhrase(digits & ~EliminatedDigits(step));
        return CellName(cells[0]) + " and " + CellName(cells[1]) + " hold only " + x + " and " + y + "; the " + x +
               " of their link lies only in " + CellName(cells[2]) + " or " + CellName(cells[3]) +
               ", each seeing one of them: one of the two is " + y + ".";
    }
    case Technique::UniqueRectangle1:
    case Technique::UniqueRectangle2:
    case Technique::UniqueRectangle3:
    case Technique::UniqueRectangle4:
        return cellList + " would form a rectangle of two digits that could swap, and the puzzle has one solution.";
    case Technique::UniqueLoop1:
    case Technique::UniqueLoop2:
    case Technique::UniqueLoop3:
    case Technique::UniqueLoop4:
        return cellList + " would form a loop of two digits that could swap, and the puzzle has one solution.";
    case Technique::BugPlusOne:
        return "Every open cell but " + cellList +
               " has two candidates; without the right digit there the puzzle would have two solutions.";
    case Technique::BugType2:
        return "Every open cell but " + cellList + " has two candidates; without the " +
               DigitsPhrase(EliminatedDigits(step)) +
               " in one of them the puzzle would have two solutions.";
    case Technique::AlsXz: {
        const std::string z = DigitsPhrase(EliminatedDigits(step));
        const std::string x = DigitsPhrase(digits & ~EliminatedDigits(step));
        return "Two almost locked sets in " + cellList + " are linked by the " + x + ": one of them holds the " + z +
               ".";
    }
    case Technique::XChain:
    case Technique::GroupedXChain:
    case Technique::AlternatingChain:
    case Technique::GroupedAlternatingChain:
        return "A chain of links runs through " + cellList + ".";
    case Technique::ForcingChain:
    case Technique::ForcingNet:
    case Technique::NestedForcingNet:
        if (!step.placements.empty() && cells.size() >= 2)
            return "Whichever of " + digitText + " " + CellName(cells[0]) + " holds, " + CellName(cells[1]) +
                   " becomes " + std::to_string(step.placements.front().digit) + ".";
        return "If " + cellList + " were " + digitText + ", the steps that follow would break the board.";
    default: break;
    }
    return Capitalized(grader::TechniqueName(step.technique)) + " through " + cellList + ".";
}

// What the step does, to come ("r3c5 is 7", "6 goes from r5c7 and r5c9, 8
// from r1c4") or done ("6 is out of r5c7 and r5c9, 8 out of r1c4").
enum class Tense { Coming, Done };

std::string Deductions(const Step& step, Tense tense)
{
    std::vector<std::string> parts;
    for (const CellDigit& placement : step.placements)
        parts.push_back(CellName(placement.cell) + " is " + std::to_string(placement.digit));
    std::map<int, std::vector<int>> byDigit;
    for (const CellDigit& elimination : step.eliminations)
        byDigit[elimination.digit].push_back(elimination.cell);
    bool first = true;
    for (const auto& [digit, cells] : byDigit) {
        const char* verb = tense == Tense::Coming ? (first ? " goes from " : " from ") : (first ? " is out of " : " out of ");
        parts.push_back(std::to_string(digit) + verb + CellsPhrase(cells));
        first = false;
    }
    // Groups of several cells are set apart, so that no "and" runs into the next.
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : "; ") + parts[i];
    return text;
}

std::string WrongCellsText(const Hint& hint, bool done)
{
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < hint.wrongCells.size(); ++i)
        parts.push_back("the " + std::to_string(hint.wrongShown[i]) + " in " + CellName(GraderCell(hint.wrongCells[i])));
    if (done)
        return "Done: " + Listed(parts) + (parts.size() == 1 ? " is" : " are") + " taken out.";
    if (parts.size() == 1)
        return Capitalized(parts.front()) + " is wrong.";
    return std::to_string(parts.size()) + " digits are wrong: " + Listed(parts) + ".";
}

} // namespace

std::string CellName(int graderCell)
{
    std::string name = "r";
    name += std::to_string(grader::RowOf(graderCell) + 1);
    name += 'c';
    name += std::to_string(grader::ColumnOf(graderCell) + 1);
    return name;
}

std::string UnitName(int unit) { return KindName(KindOf(unit), false) + " " + std::to_string(NumberOf(unit)); }

std::string HintText(const Hint& hint, int press)
{
    switch (hint.kind) {
    case HintKind::Solved: return "The puzzle is solved.";
    case HintKind::NoStep: return "The techniques find no step here: this board needs a guess.";
    case HintKind::WrongDigit: return WrongCellsText(hint, press >= HintPresses(hint));
    case HintKind::Step: break;
    }
    const Step& step = hint.step;
    if (press <= 1)
        return Capitalized(grader::TechniqueName(step.technique)) + " in " + UnitsPhrase(step.pattern.units) + ".";
    if (press == 2)
        return Reason(step) + " So " + Deductions(step, Tense::Coming) + ".";
    return "Done: " + Deductions(step, Tense::Done) + ".";
}

} // namespace orvane
