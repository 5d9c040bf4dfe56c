#include "core/grader/AdvancedTechniques.h"

#include "core/grader/BitSolver.h"
#include "core/grader/Techniques.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace orvane::grader::detail {

namespace {

constexpr int BitIndex(std::uint16_t bits) { return std::countr_zero(bits); }
constexpr int BitCount(std::uint16_t bits) { return std::popcount(bits); }

// A set of cells: bit c of the 128 bits.
struct CellSet {
    std::uint64_t low = 0, high = 0;

    void Add(int cell) { (cell < 64 ? low : high) |= std::uint64_t{1} << (cell & 63); }
    bool Has(int cell) const { return ((cell < 64 ? low : high) >> (cell & 63)) & 1; }
    bool Empty() const { return (low | high) == 0; }
    int Size() const { return std::popcount(low) + std::popcount(high); }
    int First() const { return low ? std::countr_zero(low) : 64 + std::countr_zero(high); }
    CellSet operator&(const CellSet& o) const { return {low & o.low, high & o.high}; }
    CellSet operator|(const CellSet& o) const { return {low | o.low, high | o.high}; }
    CellSet Without(const CellSet& o) const { return {low & ~o.low, high & ~o.high}; }
    bool Within(const CellSet& o) const { return Without(o).Empty(); }
    bool operator==(const CellSet&) const = default;

    template <typename Visit>
    void ForEach(Visit visit) const
    {
        for (std::uint64_t bits = low; bits; bits &= bits - 1)
            visit(std::countr_zero(bits));
        for (std::uint64_t bits = high; bits; bits &= bits - 1)
            visit(64 + std::countr_zero(bits));
    }
};

struct SetTables {
    std::array<CellSet, CellCount> peers;
    std::array<CellSet, UnitCount> units;
    SetTables()
    {
        for (int cell = 0; cell < CellCount; ++cell)
            for (int peer : Tables().peers[cell])
                peers[cell].Add(peer);
        for (int unit = 0; unit < UnitCount; ++unit)
            for (int cell : Tables().unitCells[unit])
                units[unit].Add(cell);
    }
};

const SetTables& Sets()
{
    static const SetTables tables;
    return tables;
}

// The cells that see every cell of a set.
CellSet SeenByAll(const CellSet& cells)
{
    CellSet seen{~std::uint64_t{0}, (std::uint64_t{1} << (CellCount - 64)) - 1};
    cells.ForEach([&](int cell) { seen = seen & Sets().peers[cell]; });
    return seen;
}

CellSet PlacesOf(const CandidateBoard& board, int digit)
{
    CellSet places;
    for (int cell = 0; cell < CellCount; ++cell)
        if (board.IsOpen(cell) && board.HasCandidate(cell, digit))
            places.Add(cell);
    return places;
}

bool EliminateFrom(CandidateBoard& board, const CellSet& cells, int digit)
{
    bool changed = false;
    cells.ForEach([&](int cell) { changed = board.Eliminate(cell, digit) || changed; });
    return changed;
}

} // namespace

int LengthBonus(int length)
{
    int bonus = 0;
    int ceiling = 4;
    bool odd = false;
    while (length > ceiling) {
        ++bonus;
        ceiling = odd ? ceiling * 3 / 2 : ceiling * 4 / 3;
        odd = !odd;
    }
    return bonus;
}

// ---------------------------------------------------------------- uniqueness

// A placement or elimination found at the end of a chain or forcing step of
// the given length.
struct Deduction {
    int cell, digit, length;
    bool placement;
    // What a hint shows of it; built only while the board records instances.
    StepPattern pattern = {};
};

// Applies every deduction whose length rates as the shortest one's does, and
// gives the step's rating, or 0 when nothing changed.
int ApplyShortestDeductions(CandidateBoard& board, const std::vector<Deduction>& found, int baseRating,
                            int highestRating)
{
    if (found.empty())
        return 0;
    int shortest = found.front().length;
    for (const auto& d : found)
        shortest = std::min(shortest, d.length);
    const int bonus = LengthBonus(shortest);
    bool changed = false;
    for (const auto& d : found) {
        if (LengthBonus(d.length) != bonus || !board.IsOpen(d.cell) || !board.HasCandidate(d.cell, d.digit))
            continue;
        board.Announce([&] { return d.pattern; });
        if (d.placement)
            board.Place(d.cell, d.digit);
        else
            board.Eliminate(d.cell, d.digit);
        changed = true;
    }
    return changed ? std::min(baseRating + bonus, highestRating) : 0;
}

namespace {

constexpr int LargestUniquenessSubset = 3; // other cells of a type 3 subset
constexpr int ShortestLoop = 6;
constexpr int LongestLoop = 14;
constexpr int MostLoopExtraCells = 3;

// One instance of a uniqueness pattern: what it eliminates, how much it adds
// to the base rating, and what a hint shows of it.
struct UniquenessInstance {
    int bonus;
    std::vector<CellDigit> eliminations;
    StepPattern pattern;
};

std::vector<int> UnitsHoldingBoth(int first, int second)
{
    std::vector<int> units;
    for (int unit : Tables().unitsOfCell[first])
        if (Sets().units[unit].Has(second))
            units.push_back(unit);
    return units;
}

// The deductions of one deadly pattern (its cells, all open and holding
// both digits of pair) by the given type; bonus is what its shape adds.
void DeadlyPatternDeductions(const CandidateBoard& board, const std::vector<int>& cells, std::uint16_t pair,
                             int type, int bonus, std::vector<UniquenessInstance>& found)
{
    std::vector<int> extras;
    for (int cell : cells)
        if (board.Candidates(cell) != pair)
            extras.push_back(cell);
    const int a = BitIndex(pair) + 1;
    const int b = BitIndex(pair & (pair - 1)) + 1;
    const auto add = [&](int extraBonus, std::vector<CellDigit> eliminations, std::uint16_t digits,
                         const std::vector<int>& moreCells) {
        if (eliminations.empty())
            return;
        UniquenessInstance instance{bonus + extraBonus, std::move(eliminations), {}};
        if (board.RecordingInstances()) {
            std::vector<int> shown = cells;
            shown.insert(shown.end(), moreCells.begin(), moreCells.end());
            instance.pattern = PatternOf(board, {}, std::move(shown), digits);
        }
        found.push_back(std::move(instance));
    };
    if (type == 1) {
        if (extras.size() != 1)
            return;
        add(0, {{extras[0], a}, {extras[0], b}}, pair, {});
        return;
    }
    if (type == 2) {
        if (extras.size() < 2)
            return;
        const std::uint16_t digits = board.Candidates(extras[0]);
        const std::uint16_t extra = digits & static_cast<std::uint16_t>(~pair);
        if (BitCount(extra) != 1)
            return;
        CellSet extraCells;
        for (int cell : extras) {
            if (board.Candidates(cell) != digits)
                return;
            extraCells.Add(cell);
        }
        const int x = BitIndex(extra) + 1;
        std::vector<CellDigit> eliminations;
        (SeenByAll(extraCells) & PlacesOf(board, x)).ForEach([&](int cell) { eliminations.push_back({cell, x}); });
        add(0, std::move(eliminations), digits, {});
        return;
    }
    if (extras.size() != 2)
        return;
    const int p = extras[0], q = extras[1];
    for (int unit : UnitsHoldingBoth(p, q)) {
        if (type == 4) {
            for (int locked : {a, b}) {
                if (BitCount(board.Positions(unit, locked)) != 2)
                    continue;
                const int other = locked == a ? b : a;
                add(0, {{p, other}, {q, other}}, pair, {});
            }
            continue;
        }
        // Type 3: p and q together stand for one cell holding their further
        // digits; a naked subset of it and `size` other cells of the unit.
        const std::uint16_t further =
            (board.Candidates(p) | board.Candidates(q)) & static_cast<std::uint16_t>(~pair);
        std::vector<int> others;
        for (int cell : Tables().unitCells[unit])
            if (cell != p && cell != q && board.IsOpen(cell))
                others.push_back(cell);
        const int count = static_cast<int>(others.size());
        for (int chosen = 1; chosen < (1 << count); ++chosen) {
            const int size = std::popcount(static_cast<unsigned>(chosen));
            if (size > LargestUniquenessSubset || size >= count)
                continue;
            std::uint16_t digits = further;
            std::vector<int> subset;
            for (int i = 0; i < count; ++i)
                if (chosen & (1 << i)) {
                    digits |= board.Candidates(others[i]);
                    subset.push_back(others[i]);
                }
            if (BitCount(digits) != size + 1)
                continue;
            std::vector<CellDigit> eliminations;
            for (int i = 0; i < count; ++i)
                if (!(chosen & (1 << i)))
                    for (std::uint16_t rest = board.Candidates(others[i]) & digits; rest; rest &= rest - 1)
                        eliminations.push_back({others[i], BitIndex(rest) + 1});
            add(size - 1, std::move(eliminations), static_cast<std::uint16_t>(digits | pair), subset);
        }
    }
}

// Applies the instances of the lowest bonus that still change the board.
int ApplyEasiestInstances(CandidateBoard& board, const std::vector<UniquenessInstance>& found, int baseRating,
                          int highestRating)
{
    int lowest = -1;
    for (const auto& instance : found)
        if (lowest < 0 || instance.bonus < lowest)
            lowest = instance.bonus;
    bool changed = false;
    for (const auto& instance : found) {
        if (instance.bonus != lowest)
            continue;
        bool live = false;
        for (const CellDigit& elimination : instance.eliminations)
            live = live || board.HasCandidate(elimination.cell, elimination.digit);
        if (!live)
            continue;
        board.Announce([&] { return instance.pattern; });
        for (const CellDigit& elimination : instance.eliminations)
            board.Eliminate(elimination.cell, elimination.digit);
        changed = true;
    }
    return changed ? std::min(baseRating + lowest, highestRating) : 0;
}

// Closed paths of cells holding both digits of pair in which consecutive
// cells share a unit and every unit holds none of the path's cells or two,
// an odd distance apart along it: filled alternately with the two digits,
// the path can swap them and the grid stays valid.
class LoopSearch {
public:
    LoopSearch(const CandidateBoard& onBoard, std::uint16_t digits, int ofType, std::vector<UniquenessInstance>& into)
        : board(onBoard), pair(digits), type(ofType), found(into)
    {
        for (int cell = 0; cell < CellCount; ++cell)
            if (board.IsOpen(cell) && (board.Candidates(cell) & pair) == pair)
                members.Add(cell);
    }

    void Run()
    {
        members.ForEach([&](int start) {
            path.assign(1, start);
            Enter(start, +1);
            Extend(start);
            Enter(start, -1);
        });
    }

private:
    int ExtrasIn(int cell) const { return board.Candidates(cell) != pair ? 1 : 0; }

    void Enter(int cell, int step)
    {
        for (int unit : Tables().unitsOfCell[cell])
            unitCount[unit] += step;
        extraCells += step * ExtrasIn(cell);
    }

    bool Fits(int cell) const
    {
        for (int unit : Tables().unitsOfCell[cell])
            if (unitCount[unit] >= 2)
                return false;
        return extraCells + ExtrasIn(cell) <= MostLoopExtraCells;
    }

    // Every unit of the path holds two of its cells at an odd distance.
    bool Closes() const
    {
        std::array<int, UnitCount> firstIndex;
        firstIndex.fill(-1);
        for (int i = 0; i < static_cast<int>(path.size()); ++i)
            for (int unit : Tables().unitsOfCell[path[i]]) {
                if (unitCount[unit] != 2)
                    return false;
                if (firstIndex[unit] < 0)
                    firstIndex[unit] = i;
                else if ((i - firstIndex[unit]) % 2 == 0)
                    return false;
            }
        return true;
    }

    void Extend(int current)
    {
        const int start = path.front();
        const int length = static_cast<int>(path.size());
        if (length >= ShortestLoop && length % 2 == 0 && Sets().peers[current].Has(start) && path[1] < current &&
            Closes())
            DeadlyPatternDeductions(board, path, pair, type, (length - ShortestLoop) / 2, found);
        if (length == LongestLoop)
            return;
        // The path's first cell is its smallest, so that each loop is met
        // from one start only.
        (Sets().peers[current] & members).ForEach([&](int next) {
            if (next <= start || !Fits(next))
                return;
            path.push_back(next);
            Enter(next, +1);
            Extend(next);
            Enter(next, -1);
            path.pop_back();
        });
    }

    const CandidateBoard& board;
    std::uint16_t pair;
    int type;
    std::vector<UniquenessInstance>& found;
    CellSet members;
    std::vector<int> path;
    std::array<int, UnitCount> unitCount{};
    int extraCells = 0;
};

} // namespace

int UniqueRectangles(CandidateBoard& board, int type, int baseRating, int highestRating)
{
    std::vector<UniquenessInstance> found;
    for (int r1 = 0; r1 < GridSide; ++r1)
        for (int r2 = r1 + 1; r2 < GridSide; ++r2)
            for (int c1 = 0; c1 < GridSide; ++c1)
                for (int c2 = c1 + 1; c2 < GridSide; ++c2) {
                    // Two boxes exactly: the rows share a band or the columns a stack, not both.
                    if ((r1 / BoxSide == r2 / BoxSide) == (c1 / BoxSide == c2 / BoxSide))
                        continue;
                    const std::vector<int> cells = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
                    std::uint16_t common = AllDigits;
                    bool open = true;
                    for (int cell : cells) {
                        open = open && board.IsOpen(cell);
                        common &= board.Candidates(cell);
                    }
                    if (!open || BitCount(common) < 2)
                        continue;
                    for (std::uint16_t a = common; a; a &= a - 1)
                        for (std::uint16_t b = a & (a - 1); b; b &= b - 1) {
                            const std::uint16_t pair = static_cast<std::uint16_t>((a & -a) | (b & -b));
                            DeadlyPatternDeductions(board, cells, pair, type, 0, found);
                        }
                }
    return ApplyEasiestInstances(board, found, baseRating, highestRating);
}

int UniqueLoops(CandidateBoard& board, int type, int baseRating, int highestRating)
{
    std::vector<UniquenessInstance> found;
    for (int a = 1; a <= DigitCount; ++a)
        for (int b = a + 1; b <= DigitCount; ++b) {
            const std::uint16_t pair = static_cast<std::uint16_t>(DigitBit(a) | DigitBit(b));
            LoopSearch(board, pair, type, found).Run();
        }
    return ApplyEasiestInstances(board, found, baseRating, highestRating);
}

int BugPlusOne(CandidateBoard& board, int rating)
{
    int triple = -1;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (!board.IsOpen(cell))
            continue;
        const int count = BitCount(board.Candidates(cell));
        if (count == 2)
            continue;
        if (count != 3 || triple >= 0)
            return 0;
        triple = cell;
    }
    if (triple < 0)
        return 0;
    // The digit of the three-candidate cell that its row holds three times.
    int extra = 0;
    for (std::uint16_t digits = board.Candidates(triple); digits; digits &= digits - 1) {
        const int digit = BitIndex(digits) + 1;
        if (BitCount(board.Positions(Tables().unitsOfCell[triple][0], digit)) == 3)
            extra = extra == 0 ? digit : -1;
    }
    if (extra <= 0)
        return 0;
    // Without it, every digit has two places or none in every unit.
    for (int unit = 0; unit < UnitCount; ++unit)
        for (int digit = 1; digit <= DigitCount; ++digit) {
            int count = BitCount(board.Positions(unit, digit));
            const auto& cells = Tables().unitCells[unit];
            if (digit == extra && std::find(cells.begin(), cells.end(), triple) != cells.end())
                --count;
            if (count != 0 && count != 2)
                return 0;
        }
    board.Announce([&] { return PatternOf(board, {}, {triple}, board.Candidates(triple)); });
    board.Place(triple, extra);
    return rating;
}

int BugType2(CandidateBoard& board, int rating)
{
    CellSet threes;
    std::uint16_t shared = AllDigits;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (!board.IsOpen(cell))
            continue;
        const int count = BitCount(board.Candidates(cell));
        if (count == 2)
            continue;
        if (count != 3)
            return 0;
        threes.Add(cell);
        shared &= board.Candidates(cell);
    }
    if (threes.Size() < 2)
        return 0;
    bool changed = false;
    for (std::uint16_t rest = shared; rest; rest &= rest - 1) {
        const int extra = BitIndex(rest) + 1;
        // Without it in the three-candidate cells, every digit has two
        // places or none in every unit.
        bool grave = true;
        for (int unit = 0; unit < UnitCount && grave; ++unit)
            for (int digit = 1; digit <= DigitCount && grave; ++digit) {
                int count = BitCount(board.Positions(unit, digit));
                if (digit == extra)
                    count -= (threes & Sets().units[unit]).Size();
                grave = count == 0 || count == 2;
            }
        if (!grave)
            continue;
        const CellSet targets = SeenByAll(threes) & PlacesOf(board, extra);
        if (targets.Empty())
            continue;
        board.Announce([&] {
            std::vector<int> cells;
            threes.ForEach([&](int cell) { cells.push_back(cell); });
            return PatternOf(board, {}, std::move(cells), AllDigits);
        });
        changed = EliminateFrom(board, targets, extra) || changed;
    }
    return changed ? rating : 0;
}

// -------------------------------------------------------------------- chains

namespace {

struct ChainNode {
    int digit;
    CellSet cells;
    int cell; // the single cell, or -1 for a group
};

class ChainGraph {
public:
    ChainGraph(const CandidateBoard& board, ChainKind kind, int onlyDigit)
    {
        const bool groups = kind == ChainKind::GroupedXChain || kind == ChainKind::GroupedAlternating;
        const bool oneDigit = kind == ChainKind::XChain || kind == ChainKind::GroupedXChain;
        nodeOfCandidate.fill(-1);
        for (int digit = 1; digit <= DigitCount; ++digit) {
            if (oneDigit && digit != onlyDigit)
                continue;
            for (int cell = 0; cell < CellCount; ++cell)
                if (board.IsOpen(cell) && board.HasCandidate(cell, digit)) {
                    CellSet set;
                    set.Add(cell);
                    nodeOfCandidate[cell * DigitCount + digit - 1] = static_cast<int>(nodes.size());
                    nodes.push_back({digit, set, cell});
                }
            if (!groups)
                continue;
            const CellSet places = PlacesOf(board, digit);
            for (int box = 0; box < GridSide; ++box)
                for (int line = 0; line < 2 * BoxSide; ++line) {
                    // Line 0..2 the box's rows, 3..5 its columns.
                    const int unit = line < BoxSide ? RowUnit(box / BoxSide * BoxSide + line)
                                                    : ColumnUnit(box % BoxSide * BoxSide + line - BoxSide);
                    const CellSet group = places & Sets().units[BoxUnit(box)] & Sets().units[unit];
                    if (group.Size() >= 2)
                        nodes.push_back({digit, group, -1});
                }
        }
        const int count = static_cast<int>(nodes.size());
        strong.assign(count, {});
        weak.assign(count, {});
        // Strong links: two nodes that hold all of a unit's places for a digit.
        for (int digit = 1; digit <= DigitCount; ++digit) {
            if (oneDigit && digit != onlyDigit)
                continue;
            const CellSet places = PlacesOf(board, digit);
            for (int unit = 0; unit < UnitCount; ++unit) {
                const CellSet inUnit = places & Sets().units[unit];
                if (inUnit.Size() < 2)
                    continue;
                std::vector<int> members;
                for (int n = 0; n < count; ++n)
                    if (nodes[n].digit == digit && nodes[n].cells.Within(inUnit))
                        members.push_back(n);
                for (std::size_t i = 0; i < members.size(); ++i)
                    for (std::size_t j = i + 1; j < members.size(); ++j) {
                        const ChainNode& a = nodes[members[i]];
                        const ChainNode& b = nodes[members[j]];
                        if ((a.cells & b.cells).Empty() && (a.cells | b.cells) == inUnit)
                            AddStrong(members[i], members[j]);
                    }
            }
        }
        if (!oneDigit)
            for (int cell = 0; cell < CellCount; ++cell) {
                const std::uint16_t digits = board.Candidates(cell);
                if (board.IsOpen(cell) && BitCount(digits) == 2)
                    AddStrong(nodeOfCandidate[cell * DigitCount + BitIndex(digits)],
                              nodeOfCandidate[cell * DigitCount + BitIndex(digits & (digits - 1))]);
            }
        // Weak links: the same digit in nodes that see each other wholly, or
        // two candidates of one cell.
        std::vector<CellSet> seen(count);
        for (int n = 0; n < count; ++n)
            seen[n] = SeenByAll(nodes[n].cells);
        for (int a = 0; a < count; ++a)
            for (int b = a + 1; b < count; ++b) {
                const ChainNode& x = nodes[a];
                const ChainNode& y = nodes[b];
                bool linked = false;
                if (x.digit == y.digit)
                    linked = y.cells.Within(seen[a]);
                else
                    linked = x.cell >= 0 && x.cell == y.cell;
                if (linked) {
                    weak[a].push_back(b);
                    weak[b].push_back(a);
                }
            }
    }

    // Candidates proven false, with the length of their shortest chain; the
    // start node reached true from itself assumed false is proven true. With
    // paths asked for, each finding carries its chain's nodes from the start
    // (assumed false) to the node reached true.
    struct Finding {
        int node;
        int length;
        bool placement;
        std::vector<int> path = {};
    };

    std::vector<Finding> Findings(bool withPaths)
    {
        const int count = static_cast<int>(nodes.size());
        std::vector<int> best(count, 0); // shortest length found for an elimination
        std::vector<Finding> result;
        std::vector<int> distTrue(count), distFalse(count);
        // The node each one was reached from, true or false.
        std::vector<int> fromTrue(withPaths ? count : 0), fromFalse(withPaths ? count : 0);
        std::vector<int> queue;
        for (int start = 0; start < count; ++start) {
            if (strong[start].empty())
                continue;
            std::fill(distTrue.begin(), distTrue.end(), -1);
            std::fill(distFalse.begin(), distFalse.end(), -1);
            queue.clear();
            distFalse[start] = 0;
            queue.push_back(start * 2);
            for (std::size_t head = 0; head < queue.size(); ++head) {
                const int node = queue[head] / 2;
                if (queue[head] % 2 == 0) {
                    for (int next : strong[node])
                        if (distTrue[next] < 0) {
                            distTrue[next] = distFalse[node] + 1;
                            if (withPaths)
                                fromTrue[next] = node;
                            queue.push_back(next * 2 + 1);
                        }
                } else {
                    for (int next : weak[node])
                        if (distFalse[next] < 0) {
                            distFalse[next] = distTrue[node] + 1;
                            if (withPaths)
                                fromFalse[next] = node;
                            queue.push_back(next * 2);
                        }
                }
            }
            // The chain from the start, assumed false, to a node reached true.
            const auto PathTo = [&](int end) {
                std::vector<int> path;
                if (!withPaths)
                    return path;
                int node = end;
                bool isTrue = true;
                path.push_back(node);
                while (isTrue || node != start) {
                    node = isTrue ? fromTrue[node] : fromFalse[node];
                    isTrue = !isTrue;
                    path.push_back(node);
                }
                std::reverse(path.begin(), path.end());
                return path;
            };
            if (nodes[start].cell >= 0 && distTrue[start] > 0)
                result.push_back({start, distTrue[start], true, PathTo(start)});
            // A single candidate weakly linked to the start and to a node
            // reached true is false.
            for (int candidate : weak[start]) {
                if (nodes[candidate].cell < 0)
                    continue;
                int shortest = -1;
                int shortestEnd = -1;
                for (int other : weak[candidate])
                    if (other != start && distTrue[other] > 0 && (shortest < 0 || distTrue[other] < shortest)) {
                        shortest = distTrue[other];
                        shortestEnd = other;
                    }
                if (shortest < 0)
                    continue;
                const int length = shortest + 1;
                if (best[candidate] == 0 || length < best[candidate]) {
                    best[candidate] = length;
                    result.push_back({candidate, length, false, PathTo(shortestEnd)});
                }
            }
        }
        return result;
    }

    const ChainNode& Node(int n) const { return nodes[n]; }

private:
    void AddStrong(int a, int b)
    {
        strong[a].push_back(b);
        strong[b].push_back(a);
    }

    std::vector<ChainNode> nodes;
    std::array<int, CellCount * DigitCount> nodeOfCandidate;
    std::vector<std::vector<int>> strong, weak;
};

} // namespace

int Chains(CandidateBoard& board, ChainKind kind, int baseRating, int highestRating)
{
    const bool oneDigit = kind == ChainKind::XChain || kind == ChainKind::GroupedXChain;
    std::vector<Deduction> found;
    for (int digit = 1; digit <= (oneDigit ? DigitCount : 1); ++digit) {
        ChainGraph graph(board, kind, digit);
        for (const auto& finding : graph.Findings(board.RecordingInstances())) {
            found.push_back({graph.Node(finding.node).cell, graph.Node(finding.node).digit, finding.length,
                             finding.placement});
            // The chain's candidates, in order; a group gives all its cells.
            for (int node : finding.path)
                graph.Node(node).cells.ForEach([&](int cell) {
                    StepPattern& pattern = found.back().pattern;
                    if (std::find(pattern.cells.begin(), pattern.cells.end(), cell) == pattern.cells.end())
                        pattern.cells.push_back(cell);
                    pattern.candidates.push_back({cell, graph.Node(node).digit});
                });
        }
    }
    return ApplyShortestDeductions(board, found, baseRating, highestRating);
}

// ------------------------------------------------------------------ ALS-XZ

namespace {

struct AlmostLockedSet {
    CellSet cells;
    std::uint16_t digits;
    std::array<CellSet, DigitCount> places; // per digit, its cells in the set
};

std::vector<AlmostLockedSet> FindAlmostLockedSets(const CandidateBoard& board)
{
    constexpr int LargestSet = 4;
    std::vector<AlmostLockedSet> sets;
    std::vector<CellSet> seenSets;
    for (int unit = 0; unit < UnitCount; ++unit) {
        std::array<int, GridSide> open{};
        int openCount = 0;
        for (int cell : Tables().unitCells[unit])
            if (board.IsOpen(cell))
                open[openCount++] = cell;
        for (int chosen = 1; chosen < (1 << openCount); ++chosen) {
            const int size = std::popcount(static_cast<unsigned>(chosen));
            if (size > LargestSet || size >= openCount)
                continue;
            std::uint16_t digits = 0;
            CellSet cells;
            for (int i = 0; i < openCount; ++i)
                if (chosen & (1 << i)) {
                    digits |= board.Candidates(open[i]);
                    cells.Add(open[i]);
                }
            if (BitCount(digits) != size + 1)
                continue;
            if (std::find(seenSets.begin(), seenSets.end(), cells) != seenSets.end())
                continue;
            seenSets.push_back(cells);
            AlmostLockedSet set{cells, digits, {}};
            cells.ForEach([&](int cell) {
                for (std::uint16_t d = board.Candidates(cell); d; d &= d - 1)
                    set.places[BitIndex(d)].Add(cell);
            });
            sets.push_back(set);
        }
    }
    return sets;
}

} // namespace

int AlsXz(CandidateBoard& board, int rating)
{
    const auto sets = FindAlmostLockedSets(board);
    std::vector<CellSet> seen(CellCount);
    bool changed = false;
    for (std::size_t i = 0; i < sets.size(); ++i)
        for (std::size_t j = i + 1; j < sets.size(); ++j) {
            const AlmostLockedSet& a = sets[i];
            const AlmostLockedSet& b = sets[j];
            const std::uint16_t common = a.digits & b.digits;
            if (BitCount(common) < 2 || !(a.cells & b.cells).Empty())
                continue;
            for (std::uint16_t xs = common; xs; xs &= xs - 1) {
                const int x = BitIndex(xs);
                // Restricted: every x of one set sees every x of the other.
                bool restricted = true;
                a.places[x].ForEach([&](int cell) { restricted = restricted && b.places[x].Within(Sets().peers[cell]); });
                if (!restricted)
                    continue;
                for (std::uint16_t zs = common & static_cast<std::uint16_t>(~(1u << x)); zs; zs &= zs - 1) {
                    const int z = BitIndex(zs);
                    const CellSet targets = SeenByAll(a.places[z] | b.places[z]).Without(a.cells | b.cells);
                    board.Announce([&] {
                        std::vector<int> cells;
                        (a.cells | b.cells).ForEach([&](int cell) { cells.push_back(cell); });
                        return PatternOf(board, {}, std::move(cells),
                                         static_cast<std::uint16_t>((1u << x) | (1u << z)));
                    });
                    changed = EliminateFrom(board, targets, z + 1) || changed;
                }
            }
        }
    return changed ? rating : 0;
}

// ------------------------------------------------------------------ forcing

namespace {

// Follows an assumption on a hypothetical board; the number of steps taken,
// and whether the board broke.
struct Outcome {
    bool broken;
    int steps;
};

// Places one single: the first hidden single of the units, else the first
// naked single. False when there is none.
bool PlaceOneSingle(CandidateBoard& board)
{
    for (int unit = 0; unit < UnitCount; ++unit)
        for (int digit = 1; digit <= DigitCount; ++digit) {
            const std::uint16_t positions = board.Positions(unit, digit);
            if (std::has_single_bit(positions)) {
                board.Place(Tables().unitCells[unit][BitIndex(positions)], digit);
                return true;
            }
        }
    for (int cell = 0; cell < CellCount; ++cell) {
        const std::uint16_t candidates = board.Candidates(cell);
        if (board.IsOpen(cell) && std::has_single_bit(candidates)) {
            board.Place(cell, BitIndex(candidates) + 1);
            return true;
        }
    }
    return false;
}

int ForcingSteps(CandidateBoard& board, int level, int baseRating, int highestRating, int depth);

// The length of what follows an assumption: the assumption and every
// placement and technique step after it, up to the contradiction.
Outcome Follow(CandidateBoard& board, int level)
{
    int steps = 1;
    for (;;) {
        if (board.IsBroken())
            return {true, steps};
        if (board.IsSolved())
            return {false, steps};
        if (PlaceOneSingle(board)) {
            ++steps;
            continue;
        }
        bool moved = false;
        if (level == 2) {
            for (int t = static_cast<int>(Technique::LockedPointing); t <= static_cast<int>(Technique::HiddenQuad) && !moved; ++t) {
                const auto technique = static_cast<Technique>(t);
                if (IsUniquenessTechnique(technique))
                    continue;
                moved = ApplyTechnique(technique, board);
            }
        } else if (level == 3) {
            // Inner forcing: a candidate whose propagation breaks the board goes.
            std::array<std::uint16_t, CellCount> candidates;
            for (int cell = 0; cell < CellCount; ++cell)
                candidates[cell] = board.Candidates(cell);
            const Grid values = board.Values();
            for (int cell = 0; cell < CellCount; ++cell)
                if (board.IsOpen(cell))
                    for (std::uint16_t rest = candidates[cell]; rest; rest &= rest - 1)
                        if (PropagationContradicts(candidates, values, cell, BitIndex(rest) + 1))
                            moved = board.Eliminate(cell, BitIndex(rest) + 1) || moved;
        }
        if (!moved)
            return {false, steps};
        ++steps;
    }
}

// Both candidates of cell force the same digit into other.
StepPattern ForcedPattern(const CandidateBoard& board, int cell, int other)
{
    StepPattern pattern = PatternOf(board, {}, {cell}, board.Candidates(cell));
    pattern.cells.push_back(other);
    return pattern;
}

int ForcingSteps(CandidateBoard& board, int level, int baseRating, int highestRating, int depth)
{
    std::vector<Deduction> found;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (!board.IsOpen(cell))
            continue;
        const std::uint16_t digits = board.Candidates(cell);
        std::array<Grid, 2> forced{};
        std::array<int, 2> lengths{};
        int option = 0;
        for (std::uint16_t rest = digits; rest; rest &= rest - 1, ++option) {
            const int digit = BitIndex(rest) + 1;
            CandidateBoard hypothesis = board.Hypothesis();
            hypothesis.Place(cell, digit);
            const Outcome outcome = Follow(hypothesis, level);
            if (outcome.broken)
                found.push_back({cell, digit, outcome.steps, false,
                                 board.RecordingInstances() ? StepPattern{{}, {cell}, {{cell, digit}}} : StepPattern{}});
            else if (BitCount(digits) == 2) {
                forced[option] = hypothesis.Values();
                lengths[option] = outcome.steps;
            }
        }
        if (BitCount(digits) == 2)
            for (int other = 0; other < CellCount; ++other)
                if (board.IsOpen(other) && forced[0][other] != 0 && forced[0][other] == forced[1][other])
                    found.push_back({other, forced[0][other], std::max(lengths[0], lengths[1]), true,
                                     board.RecordingInstances() ? ForcedPattern(board, cell, other) : StepPattern{}});
    }
    (void)depth;
    return ApplyShortestDeductions(board, found, baseRating, highestRating);
}

} // namespace

int Forcing(CandidateBoard& board, int level, int baseRating, int highestRating)
{
    return ForcingSteps(board, level, baseRating, highestRating, 0);
}

} // namespace orvane::grader::detail
