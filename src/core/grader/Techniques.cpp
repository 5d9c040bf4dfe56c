#include "core/grader/Techniques.h"

#include "core/grader/AdvancedTechniques.h"

#include <bit>
#include <vector>

namespace orvane::grader {

namespace {

constexpr int LargestSubset = 4;
constexpr std::uint16_t UnitMask = 0x1FF; // bit i: the i-th cell of a unit

constexpr int BitIndex(std::uint16_t bits) { return std::countr_zero(bits); }
constexpr int BitCount(std::uint16_t bits) { return std::popcount(bits); }

// Cells of unit named by a position mask.
template <typename Visit>
void ForEachPosition(int unit, std::uint16_t positions, Visit visit)
{
    for (; positions; positions &= positions - 1)
        visit(static_cast<int>(Tables().unitCells[unit][BitIndex(positions)]));
}

template <typename Visit>
void ForEachDigit(std::uint16_t digits, Visit visit)
{
    for (; digits; digits &= digits - 1)
        visit(BitIndex(digits) + 1);
}

int RowUnitOf(int cell) { return RowUnit(RowOf(cell)); }
int ColumnUnitOf(int cell) { return ColumnUnit(ColumnOf(cell)); }
int BoxUnitOf(int cell) { return BoxUnit(BoxOf(cell)); }

// The cells of unit named by a position mask, in the unit's order.
std::vector<int> CellsAt(int unit, std::uint16_t positions)
{
    std::vector<int> cells;
    ForEachPosition(unit, positions, [&](int cell) { cells.push_back(cell); });
    return cells;
}

bool NakedSingles(CandidateBoard& board)
{
    bool changed = false;
    for (int cell = 0; cell < CellCount; ++cell) {
        const std::uint16_t candidates = board.Candidates(cell);
        if (board.IsOpen(cell) && std::has_single_bit(candidates)) {
            board.Announce([&] { return PatternOf(board, {BoxUnitOf(cell)}, {cell}, candidates); });
            board.Place(cell, BitIndex(candidates) + 1);
            changed = true;
        }
    }
    return changed;
}

bool HiddenSingles(CandidateBoard& board)
{
    bool changed = false;
    for (int unit = 0; unit < UnitCount; ++unit)
        for (int digit = 1; digit <= DigitCount; ++digit) {
            const std::uint16_t positions = board.Positions(unit, digit);
            if (!std::has_single_bit(positions))
                continue;
            const int cell = Tables().unitCells[unit][BitIndex(positions)];
            board.Announce([&] { return PatternOf(board, {unit}, {cell}, DigitBit(digit)); });
            board.Place(cell, digit);
            changed = true;
        }
    return changed;
}

bool InUnit(int cell, int unit)
{
    for (int own : Tables().unitsOfCell[cell])
        if (own == unit)
            return true;
    return false;
}

// When every place of digit in baseUnit lies in one unit of the kind that
// unitOf names, digit leaves that unit's cells outside baseUnit.
bool ConfineToOneUnit(CandidateBoard& board, int baseUnit, int digit, int (*unitOf)(int))
{
    const std::uint16_t positions = board.Positions(baseUnit, digit);
    if (BitCount(positions) < 2)
        return false;
    const int target = unitOf(Tables().unitCells[baseUnit][BitIndex(positions)]);
    bool shared = true;
    ForEachPosition(baseUnit, positions, [&](int cell) { shared = shared && unitOf(cell) == target; });
    if (!shared)
        return false;
    board.Announce([&] { return PatternOf(board, {baseUnit}, CellsAt(baseUnit, positions), DigitBit(digit)); });
    bool changed = false;
    for (int cell : Tables().unitCells[target])
        if (!InUnit(cell, baseUnit))
            changed = board.Eliminate(cell, digit) || changed;
    return changed;
}

// A digit confined to one line inside a box leaves the rest of that line
// (pointing); confined to one box inside a line, it leaves the rest of that
// box (claiming).
enum class LockedKind { Pointing, Claiming };

bool LockedCandidates(CandidateBoard& board, LockedKind kind)
{
    bool changed = false;
    for (int index = 0; index < GridSide; ++index)
        for (int digit = 1; digit <= DigitCount; ++digit) {
            if (kind == LockedKind::Pointing) {
                changed = ConfineToOneUnit(board, BoxUnit(index), digit, RowUnitOf) || changed;
                changed = ConfineToOneUnit(board, BoxUnit(index), digit, ColumnUnitOf) || changed;
            } else {
                changed = ConfineToOneUnit(board, RowUnit(index), digit, BoxUnitOf) || changed;
                changed = ConfineToOneUnit(board, ColumnUnit(index), digit, BoxUnitOf) || changed;
            }
        }
    return changed;
}

// k open cells of a unit whose candidates together are k digits: those digits
// leave the unit's other cells.
bool NakedSubsets(CandidateBoard& board, int size)
{
    bool changed = false;
    for (int unit = 0; unit < UnitCount; ++unit) {
        const auto& cells = Tables().unitCells[unit];
        std::uint16_t open = 0;
        for (int i = 0; i < GridSide; ++i)
            if (board.IsOpen(cells[i]))
                open |= static_cast<std::uint16_t>(1u << i);
        if (BitCount(open) <= size)
            continue;
        for (std::uint16_t chosen = 1; chosen <= UnitMask; ++chosen) {
            if (BitCount(chosen) != size || (chosen & ~open))
                continue;
            std::uint16_t digits = 0;
            for (std::uint16_t rest = chosen; rest; rest &= rest - 1)
                digits |= board.Candidates(cells[BitIndex(rest)]);
            if (BitCount(digits) != size)
                continue;
            board.Announce([&] { return PatternOf(board, {unit}, CellsAt(unit, chosen), digits); });
            ForEachPosition(unit, open & static_cast<std::uint16_t>(~chosen), [&](int cell) {
                ForEachDigit(digits, [&](int digit) { changed = board.Eliminate(cell, digit) || changed; });
            });
        }
    }
    return changed;
}

// k digits of a unit that together have only k places: those cells lose
// every other candidate.
bool HiddenSubsets(CandidateBoard& board, int size)
{
    bool changed = false;
    for (int unit = 0; unit < UnitCount; ++unit) {
        const std::uint16_t missing = AllDigits & static_cast<std::uint16_t>(~board.PlacedDigits(unit));
        if (BitCount(missing) <= size)
            continue;
        std::array<std::uint16_t, DigitCount> positions{};
        ForEachDigit(missing, [&](int digit) { positions[digit - 1] = board.Positions(unit, digit); });
        for (std::uint16_t chosen = 1; chosen <= AllDigits; ++chosen) {
            if (BitCount(chosen) != size || (chosen & ~missing))
                continue;
            std::uint16_t places = 0;
            bool everyDigitHasPlaces = true;
            ForEachDigit(chosen, [&](int digit) {
                places |= positions[digit - 1];
                everyDigitHasPlaces = everyDigitHasPlaces && positions[digit - 1] != 0;
            });
            if (BitCount(places) != size || !everyDigitHasPlaces)
                continue;
            board.Announce([&] { return PatternOf(board, {unit}, CellsAt(unit, places), chosen); });
            const std::uint16_t others = missing & static_cast<std::uint16_t>(~chosen);
            ForEachPosition(unit, places, [&](int cell) {
                ForEachDigit(others, [&](int digit) { changed = board.Eliminate(cell, digit) || changed; });
            });
        }
    }
    return changed;
}

// Fish of size k: k base lines in which the digit lies on the same k cross
// lines; the digit leaves those cross lines outside the base lines.
bool Fish(CandidateBoard& board, int size)
{
    bool changed = false;
    for (int digit = 1; digit <= DigitCount; ++digit)
        for (bool rowsAreBase : {true, false}) {
            const auto BaseUnit = [&](int line) { return rowsAreBase ? RowUnit(line) : ColumnUnit(line); };
            const auto CoverUnit = [&](int line) { return rowsAreBase ? ColumnUnit(line) : RowUnit(line); };
            std::array<std::uint16_t, GridSide> lines{};
            std::uint16_t usable = 0;
            for (int line = 0; line < GridSide; ++line) {
                lines[line] = board.Positions(BaseUnit(line), digit);
                if (BitCount(lines[line]) >= 2 && BitCount(lines[line]) <= size)
                    usable |= static_cast<std::uint16_t>(1u << line);
            }
            for (std::uint16_t chosen = 1; chosen <= UnitMask; ++chosen) {
                if (BitCount(chosen) != size || (chosen & ~usable))
                    continue;
                std::uint16_t cover = 0;
                for (std::uint16_t rest = chosen; rest; rest &= rest - 1)
                    cover |= lines[BitIndex(rest)];
                if (BitCount(cover) != size)
                    continue;
                board.Announce([&] {
                    StepPattern pattern;
                    for (std::uint16_t rest = chosen; rest; rest &= rest - 1) {
                        const int line = BaseUnit(BitIndex(rest));
                        pattern.units.push_back(line);
                        for (int cell : CellsAt(line, lines[BitIndex(rest)]))
                            pattern.cells.push_back(cell);
                    }
                    return PatternOf(board, pattern.units, pattern.cells, DigitBit(digit));
                });
                // Position i of a base line is cross line i, and position j
                // of cross line i is base line j.
                for (std::uint16_t rest = cover; rest; rest &= rest - 1)
                    ForEachPosition(CoverUnit(BitIndex(rest)), UnitMask & static_cast<std::uint16_t>(~chosen), [&](int cell) {
                        changed = board.Eliminate(cell, digit) || changed;
                    });
            }
        }
    return changed;
}

// Eliminates digit from every open cell that sees all of the given cells.
bool EliminateSeenByAll(CandidateBoard& board, int digit, std::initializer_list<int> cells)
{
    bool changed = false;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (!board.HasCandidate(cell, digit))
            continue;
        bool seesAll = true;
        for (int other : cells)
            seesAll = seesAll && Sees(cell, other);
        if (seesAll)
            changed = board.Eliminate(cell, digit) || changed;
    }
    return changed;
}

std::vector<int> CellsWithCandidateCount(const CandidateBoard& board, int count)
{
    std::vector<int> cells;
    for (int cell = 0; cell < CellCount; ++cell)
        if (board.IsOpen(cell) && BitCount(board.Candidates(cell)) == count)
            cells.push_back(cell);
    return cells;
}

// Pivot {x,y} sees pincers {x,z} and {y,z}: whichever the pivot holds, one
// pincer is z, so z leaves every cell that sees both pincers.
bool XYWing(CandidateBoard& board)
{
    bool changed = false;
    const auto pairs = CellsWithCandidateCount(board, 2);
    for (int pivot : pairs)
        for (int first : pairs) {
            if (!Sees(pivot, first))
                continue;
            const std::uint16_t pivotDigits = board.Candidates(pivot);
            const std::uint16_t shared1 = pivotDigits & board.Candidates(first);
            if (BitCount(shared1) != 1)
                continue;
            const std::uint16_t z = board.Candidates(first) & static_cast<std::uint16_t>(~shared1);
            const std::uint16_t wanted = static_cast<std::uint16_t>((pivotDigits & ~shared1) | z);
            for (int second : pairs) {
                if (second == first || !Sees(pivot, second) || board.Candidates(second) != wanted)
                    continue;
                board.Announce([&] { return PatternOf(board, {}, {pivot, first, second}, AllDigits); });
                changed = EliminateSeenByAll(board, BitIndex(z) + 1, {first, second}) || changed;
            }
        }
    return changed;
}

// Pivot {x,y,z} sees pincers {x,z} and {y,z}: z is in one of the three, so it
// leaves every cell that sees all three.
bool XYZWing(CandidateBoard& board)
{
    bool changed = false;
    const auto pairs = CellsWithCandidateCount(board, 2);
    for (int pivot : CellsWithCandidateCount(board, 3)) {
        const std::uint16_t pivotDigits = board.Candidates(pivot);
        for (int first : pairs)
            for (int second : pairs) {
                if (second <= first || !Sees(pivot, first) || !Sees(pivot, second))
                    continue;
                const std::uint16_t a = board.Candidates(first), b = board.Candidates(second);
                if ((a & ~pivotDigits) || (b & ~pivotDigits) || a == b)
                    continue;
                const std::uint16_t z = a & b;
                board.Announce([&] { return PatternOf(board, {}, {pivot, first, second}, AllDigits); });
                changed = EliminateSeenByAll(board, BitIndex(z) + 1, {pivot, first, second}) || changed;
            }
    }
    return changed;
}

// Two cells {x,y} that do not see each other, and a unit where x has only two
// places, one seeing each cell: one of the two cells is y.
bool WWing(CandidateBoard& board)
{
    bool changed = false;
    const auto pairs = CellsWithCandidateCount(board, 2);
    for (int first : pairs)
        for (int second : pairs) {
            if (second <= first || Sees(first, second) || board.Candidates(first) != board.Candidates(second))
                continue;
            const std::uint16_t digits = board.Candidates(first);
            for (int linkDigit : {BitIndex(digits) + 1, BitIndex(digits & (digits - 1)) + 1}) {
                const int otherDigit = BitIndex(digits & static_cast<std::uint16_t>(~DigitBit(linkDigit))) + 1;
                bool linked = false;
                int p = 0, q = 0; // the link's two places
                for (int unit = 0; unit < UnitCount && !linked; ++unit) {
                    const std::uint16_t positions = board.Positions(unit, linkDigit);
                    if (BitCount(positions) != 2)
                        continue;
                    p = Tables().unitCells[unit][BitIndex(positions)];
                    q = Tables().unitCells[unit][BitIndex(positions & (positions - 1))];
                    linked = (Sees(p, first) && Sees(q, second)) || (Sees(q, first) && Sees(p, second));
                    linked = linked && p != first && p != second && q != first && q != second;
                }
                if (!linked)
                    continue;
                board.Announce([&] {
                    StepPattern pattern = PatternOf(board, {}, {first, second}, digits);
                    for (int place : {p, q}) {
                        pattern.cells.push_back(place);
                        pattern.candidates.push_back({place, linkDigit});
                    }
                    return pattern;
                });
                changed = EliminateSeenByAll(board, otherDigit, {first, second}) || changed;
            }
        }
    return changed;
}

// A technique: its name, its rating, and the scan that applies every
// instance the board offers and gives the step's rating (0: nothing changed).
// A new technique is one enumerator in Techniques.h and one row here, in the
// same place.
using ApplyFunction = int (*)(CandidateBoard& board, int rating, int highest);

struct TechniqueInfo {
    Technique technique;
    std::string_view name;
    int rating;  // tenths of a point
    int highest; // chains and forcing steps: the most their length may add up to
    ApplyFunction apply;
};

// A scan that only says whether it changed the board rates at the base.
template <bool (*Scan)(CandidateBoard&)>
int Simple(CandidateBoard& board, int rating, int)
{
    return Scan(board) ? rating : 0;
}

using namespace detail;

// The chains and forcing chains sit on the common hardest-step scale (W-Wing
// and X-chains from 6.6, alternating inference chains 7.4-7.8, forcing
// chains from 8.0, where that scale's dynamic chains begin to overlap); the
// forcing nets begin above the forcing chains and end where nested forcing
// begins (9.5). The fish keep their numbers above that scale's (X-Wing 3.2,
// Swordfish 3.8 there): lower, they would rate inside the Normal band, and the
// bands would no longer separate the levels.
constexpr std::array<TechniqueInfo, TechniqueCount> TechniqueTable = {{
    {Technique::HiddenSingle, "hidden single", 15, 15, Simple<HiddenSingles>},
    {Technique::NakedSingle, "naked single", 23, 23, Simple<NakedSingles>},
    {Technique::LockedPointing, "pointing", 26, 26,
     [](CandidateBoard& b, int r, int) { return LockedCandidates(b, LockedKind::Pointing) ? r : 0; }},
    {Technique::LockedClaiming, "claiming", 28, 28,
     [](CandidateBoard& b, int r, int) { return LockedCandidates(b, LockedKind::Claiming) ? r : 0; }},
    {Technique::NakedPair, "naked pair", 30, 30, [](CandidateBoard& b, int r, int) { return NakedSubsets(b, 2) ? r : 0; }},
    {Technique::HiddenPair, "hidden pair", 34, 34, [](CandidateBoard& b, int r, int) { return HiddenSubsets(b, 2) ? r : 0; }},
    {Technique::NakedTriple, "naked triple", 36, 36, [](CandidateBoard& b, int r, int) { return NakedSubsets(b, 3) ? r : 0; }},
    {Technique::HiddenTriple, "hidden triple", 40, 40,
     [](CandidateBoard& b, int r, int) { return HiddenSubsets(b, 3) ? r : 0; }},
    {Technique::XWing, "X-Wing", 42, 42, [](CandidateBoard& b, int r, int) { return Fish(b, 2) ? r : 0; }},
    {Technique::XYWing, "XY-Wing", 43, 43, Simple<XYWing>},
    {Technique::XYZWing, "XYZ-Wing", 44, 44, Simple<XYZWing>},
    {Technique::UniqueRectangle1, "Unique Rectangle type 1", 45, 45,
     [](CandidateBoard& b, int r, int h) { return UniqueRectangles(b, 1, r, h); }},
    {Technique::UniqueRectangle2, "Unique Rectangle type 2", 46, 46,
     [](CandidateBoard& b, int r, int h) { return UniqueRectangles(b, 2, r, h); }},
    {Technique::UniqueRectangle4, "Unique Rectangle type 4", 47, 47,
     [](CandidateBoard& b, int r, int h) { return UniqueRectangles(b, 4, r, h); }},
    {Technique::UniqueRectangle3, "Unique Rectangle type 3", 47, 49,
     [](CandidateBoard& b, int r, int h) { return UniqueRectangles(b, 3, r, h); }},
    {Technique::UniqueLoop1, "Unique Loop type 1", 48, 50,
     [](CandidateBoard& b, int r, int h) { return UniqueLoops(b, 1, r, h); }},
    {Technique::UniqueLoop2, "Unique Loop type 2", 48, 50,
     [](CandidateBoard& b, int r, int h) { return UniqueLoops(b, 2, r, h); }},
    {Technique::UniqueLoop3, "Unique Loop type 3", 48, 51,
     [](CandidateBoard& b, int r, int h) { return UniqueLoops(b, 3, r, h); }},
    {Technique::UniqueLoop4, "Unique Loop type 4", 48, 50,
     [](CandidateBoard& b, int r, int h) { return UniqueLoops(b, 4, r, h); }},
    {Technique::Swordfish, "Swordfish", 48, 48, [](CandidateBoard& b, int r, int) { return Fish(b, 3) ? r : 0; }},
    {Technique::NakedQuad, "naked quad", 50, 50,
     [](CandidateBoard& b, int r, int) { return NakedSubsets(b, LargestSubset) ? r : 0; }},
    {Technique::Jellyfish, "Jellyfish", 52, 52, [](CandidateBoard& b, int r, int) { return Fish(b, LargestSubset) ? r : 0; }},
    {Technique::HiddenQuad, "hidden quad", 54, 54,
     [](CandidateBoard& b, int r, int) { return HiddenSubsets(b, LargestSubset) ? r : 0; }},
    {Technique::BugPlusOne, "BUG+1", 56, 56, [](CandidateBoard& b, int r, int) { return BugPlusOne(b, r); }},
    {Technique::BugType2, "BUG type 2", 57, 57, [](CandidateBoard& b, int r, int) { return BugType2(b, r); }},
    {Technique::WWing, "W-Wing", 66, 66, Simple<WWing>},
    {Technique::XChain, "X-chain", 69, 73,
     [](CandidateBoard& b, int r, int h) { return Chains(b, ChainKind::XChain, r, h); }},
    {Technique::GroupedXChain, "grouped X-chain", 70, 73,
     [](CandidateBoard& b, int r, int h) { return Chains(b, ChainKind::GroupedXChain, r, h); }},
    {Technique::AlsXz, "ALS-XZ", 72, 72, [](CandidateBoard& b, int r, int) { return AlsXz(b, r); }},
    {Technique::AlternatingChain, "alternating inference chain", 74, 78,
     [](CandidateBoard& b, int r, int h) { return Chains(b, ChainKind::Alternating, r, h); }},
    {Technique::GroupedAlternatingChain, "grouped alternating inference chain", 75, 78,
     [](CandidateBoard& b, int r, int h) { return Chains(b, ChainKind::GroupedAlternating, r, h); }},
    {Technique::ForcingChain, "forcing chain", 80, 88, [](CandidateBoard& b, int r, int h) { return Forcing(b, 1, r, h); }},
    {Technique::ForcingNet, "forcing net", 89, 94, [](CandidateBoard& b, int r, int h) { return Forcing(b, 2, r, h); }},
    {Technique::NestedForcingNet, "nested forcing net", 95, 110,
     [](CandidateBoard& b, int r, int h) { return Forcing(b, 3, r, h); }},
}};

constexpr bool TableFollowsTheEnumeration()
{
    for (int index = 0; index < TechniqueCount; ++index)
        if (static_cast<int>(TechniqueTable[index].technique) != index)
            return false;
    return true;
}
static_assert(TableFollowsTheEnumeration(), "one row per technique, in the order of the enumeration");

constexpr std::array<std::string_view, TierCount> TierNames = {
    "Easy: singles", "Normal: intersections, pairs, triples", "Hard: fish, wings, quads, uniqueness",
    "Expert: chains", "Extreme: forcing chains and nets"};

const TechniqueInfo& Info(Technique technique) { return TechniqueTable[static_cast<int>(technique)]; }

} // namespace

int TierOfRating(int rating)
{
    for (int tier = 1; tier <= TierCount; ++tier)
        if (rating >= RatingBands[tier - 1].least && rating <= RatingBands[tier - 1].most)
            return tier;
    return 0;
}

int BaseRating(Technique technique) { return Info(technique).rating; }
int HighestRating(Technique technique) { return Info(technique).highest; }
int TierOf(Technique technique) { return TierOfRating(Info(technique).rating); }

bool IsUniquenessTechnique(Technique technique)
{
    return (technique >= Technique::UniqueRectangle1 && technique <= Technique::UniqueLoop4) ||
           technique == Technique::BugPlusOne || technique == Technique::BugType2;
}

std::string_view TechniqueName(Technique technique) { return Info(technique).name; }

std::string_view TierName(int tier)
{
    if (tier < 1 || tier > TierCount)
        return "none";
    return TierNames[tier - 1];
}

int ApplyTechniqueRated(Technique technique, CandidateBoard& board)
{
    const TechniqueInfo& info = Info(technique);
    return info.apply(board, info.rating, info.highest);
}

bool ApplyTechnique(Technique technique, CandidateBoard& board) { return ApplyTechniqueRated(technique, board) > 0; }

} // namespace orvane::grader
