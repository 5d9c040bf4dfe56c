// The exact solver: per-digit bitboards with box-line propagation, in the
// manner of the fastest published solvers (JCZSolve, tdoku's simple solver).
//
// For every digit and band (three rows) one 27-bit word holds the digit's
// possible places: bit 9 * (row % 3) + column. A placed digit keeps its bit;
// the other digits lose it. Inside a band a digit takes one place per row and
// per box, so the band's nine "minirows" (a row's three cells in one box) that
// still hold the digit must contain a permutation of rows to boxes: one table
// lookup gives the minirows that lie on such a permutation, which does
// pointing, claiming and the band's row and box singles in one step. Rows and
// boxes left with one place are placements; cells left with one digit (a
// bit-sliced count over the nine digits of a band) are placements too; and
// when nothing moves the search branches: on the cell of two candidates with
// the most such cells around it, else on a digit with two places in a row or
// box, else on a cell of the fewest candidates.
#include "core/grader/BitSolver.h"

#include <array>
#include <bit>
#include <cstdint>

namespace orvane::grader {

namespace {

constexpr std::uint32_t BandBits = 0x7FFFFFF; // 27 cells
constexpr int BandCount = 3;
constexpr int WordCount = DigitCount * BandCount; // word = 9 * band + digit

struct Tables {
    std::array<std::uint8_t, 512> boxesOfRow{};       // row's 9 bits -> its 3 boxes that hold any
    std::array<std::uint16_t, 512> permutable{};      // 3x3 minirows -> those on a row/box permutation
    std::array<std::uint32_t, 512> minirowCells{};    // 3x3 minirows -> their 27 cells
    std::array<std::uint32_t, 27> bandPeers{};        // cell bit -> its row and box in the band, without itself
    std::array<std::uint32_t, 9> columnCells{};       // column -> its 3 cells in a band
    std::array<std::uint32_t, 3> boxCells{};          // box of the band -> its 9 cells
    std::array<std::uint8_t, CellCount> rowOf{}, columnOf{}, boxOf{};
    std::array<std::uint32_t, 8> rowsCells{};         // rows of a band -> their cells
    std::array<std::uint32_t, 8> boxesCells{};        // boxes of a band -> their cells
    std::array<std::uint16_t, 512> lonelyColumns{};   // columns of a band -> those alone in their box
    std::array<std::uint32_t, 512> columnsCells{};    // columns -> their 27 cells
    std::array<std::uint32_t, 512> claimed{};         // columns -> the other cells of their boxes

    constexpr Tables()
    {
        for (int row = 0; row < 512; ++row)
            for (int box = 0; box < 3; ++box)
                if (row & (7 << (3 * box)))
                    boxesOfRow[row] |= static_cast<std::uint8_t>(1 << box);
        // Minirow (r, k) is bit 3r + k. The six permutations of 3 rows to 3 boxes.
        constexpr int Permutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
        for (int pattern = 0; pattern < 512; ++pattern) {
            for (const auto& permutation : Permutations) {
                int used = 0;
                for (int r = 0; r < 3; ++r)
                    used |= 1 << (3 * r + permutation[r]);
                if ((pattern & used) == used)
                    permutable[pattern] = static_cast<std::uint16_t>(permutable[pattern] | used);
            }
            for (int minirow = 0; minirow < 9; ++minirow)
                if (pattern & (1 << minirow))
                    minirowCells[pattern] |= 7u << (9 * (minirow / 3) + 3 * (minirow % 3));
        }
        for (int column = 0; column < 9; ++column)
            columnCells[column] = (1u | 1u << 9 | 1u << 18) << column;
        for (int box = 0; box < 3; ++box)
            boxCells[box] = 0x1C0E07u << (3 * box);
        for (int cell = 0; cell < CellCount; ++cell) {
            rowOf[cell] = static_cast<std::uint8_t>(RowOf(cell));
            columnOf[cell] = static_cast<std::uint8_t>(ColumnOf(cell));
            boxOf[cell] = static_cast<std::uint8_t>(BoxOf(cell));
        }
        for (int set = 0; set < 8; ++set)
            for (int k = 0; k < 3; ++k)
                if (set & (1 << k)) {
                    rowsCells[set] |= 0x1FFu << (9 * k);
                    boxesCells[set] |= boxCells[k];
                }
        for (int bit = 0; bit < 27; ++bit) {
            const std::uint32_t row = 0x1FFu << (9 * (bit / 9));
            const std::uint32_t box = boxCells[bit % 9 / 3];
            bandPeers[bit] = (row | box) & ~(1u << bit);
        }
        for (int columns = 0; columns < 512; ++columns)
            for (int column = 0; column < 9; ++column) {
                if (!(columns & (1 << column)))
                    continue;
                const int box = column / 3;
                if (((columns >> (3 * box)) & 7) == (1 << (column % 3)))
                    lonelyColumns[columns] = static_cast<std::uint16_t>(lonelyColumns[columns] | 1 << column);
                columnsCells[columns] |= columnCells[column];
                claimed[columns] |= boxCells[box] & ~columnCells[column];
            }
    }
};

// Built by the compiler, so that the inner loops reach the tables without a
// guard for their first use.
constexpr Tables BuiltTables;

constexpr const Tables& T() { return BuiltTables; }

struct State {
    std::array<std::uint32_t, WordCount> places;
    std::array<std::uint32_t, WordCount> seen; // places as last propagated
    std::array<std::uint32_t, BandCount> open; // cells not placed yet
    std::uint32_t dirty;                       // not 0: something changed in this pass
};

class BitSearch {
public:
    BitSearch(int limit, std::vector<Grid>* solutions) : solutionLimit(limit), foundSolutions(solutions) {}

    int Run(const Grid& puzzle)
    {
        if (solutionLimit <= 0)
            return 0;
        // The givens' rows, columns and boxes per digit; their places follow.
        const Tables& t = T();
        std::array<std::uint16_t, DigitCount> rows{}, columns{}, boxes{};
        std::array<std::uint32_t, WordCount> own{};
        std::array<std::uint32_t, BandCount> taken{};
        for (int cell = 0; cell < CellCount; ++cell) {
            const int digit = puzzle[cell];
            if (digit == 0)
                continue;
            if (digit > DigitCount)
                return 0;
            const int d = digit - 1, row = t.rowOf[cell], column = t.columnOf[cell], box = t.boxOf[cell];
            if (((rows[d] >> row) | (columns[d] >> column) | (boxes[d] >> box)) & 1)
                return 0; // the digit twice in a unit
            rows[d] = static_cast<std::uint16_t>(rows[d] | 1 << row);
            columns[d] = static_cast<std::uint16_t>(columns[d] | 1 << column);
            boxes[d] = static_cast<std::uint16_t>(boxes[d] | 1 << box);
            const int band = row / 3;
            const std::uint32_t bit = 1u << (cell - 27 * band);
            own[9 * band + d] |= bit;
            taken[band] |= bit;
        }
        State state;
        state.seen.fill(0);
        state.dirty = 1;
        for (int band = 0; band < BandCount; ++band) {
            state.open[band] = BandBits & ~taken[band];
            for (int d = 0; d < DigitCount; ++d) {
                const std::uint32_t blocked = t.rowsCells[(rows[d] >> (3 * band)) & 7] | t.columnsCells[columns[d]] |
                                              t.boxesCells[(boxes[d] >> (3 * band)) & 7];
                state.places[9 * band + d] = (state.open[band] & ~blocked) | own[9 * band + d];
            }
        }
        Search(state);
        return solutionCount;
    }

    static void PlaceCell(State& s, int digit, int band, int bit) { Place(s, digit, band, bit); }
    static bool PropagateState(State& s) { return Propagate(s); }

private:
    [[gnu::always_inline]] static inline void Place(State& s, int digit, int band, int bit)
    {
        const Tables& t = T();
        const std::uint32_t cell = 1u << bit;
        const std::uint32_t column = t.columnCells[bit % 9];
        const std::uint32_t own = (s.places[9 * band + digit] & ~t.bandPeers[bit]) | cell;
        s.places[9 * (band == 0 ? 1 : 0) + digit] &= ~column;
        s.places[9 * (band == 2 ? 1 : 2) + digit] &= ~column;
        std::uint32_t* words = &s.places[9 * band];
        const std::uint32_t keep = ~cell;
        words[0] &= keep, words[1] &= keep, words[2] &= keep, words[3] &= keep, words[4] &= keep;
        words[5] &= keep, words[6] &= keep, words[7] &= keep, words[8] &= keep;
        words[digit] = own;
        s.dirty = 1;
        s.open[band] &= ~cell;
    }

    // Propagation to a fixed point; false on a contradiction.
    static bool Propagate(State& s)
    {
        const Tables& t = T();
        for (;;) {
            s.dirty = 0;
            {
              for (int band = 0; band < BandCount; ++band)
              for (int digit = 0; digit < DigitCount; ++digit) {
                const int word = 9 * band + digit;
                std::uint32_t places = s.places[word];
                if (places == s.seen[word])
                    continue;
                const int pattern = t.boxesOfRow[places & 0x1FF] | t.boxesOfRow[(places >> 9) & 0x1FF] << 3 |
                                    t.boxesOfRow[places >> 18] << 6;
                const int kept = t.permutable[pattern];
                if (kept == 0)
                    return false;
                places &= t.minirowCells[kept];
                // Across the bands: a box whose places lie in one column takes
                // that column from the other bands; a column that the other
                // bands lack takes its box of this band.
                std::uint32_t& other1 = s.places[9 * (band == 0 ? 1 : 0) + digit];
                std::uint32_t& other2 = s.places[9 * (band == 2 ? 1 : 2) + digit];
                const int columns = (places | places >> 9 | places >> 18) & 0x1FF;
                const std::uint32_t lonely = t.columnsCells[t.lonelyColumns[columns]];
                const std::uint32_t before1 = other1, before2 = other2;
                const std::uint32_t analyzed = places;
                other1 &= ~lonely;
                other2 &= ~lonely;
                const std::uint32_t others = other1 | other2;
                const int required = ~(others | others >> 9 | others >> 18) & 0x1FF;
                if (required & ~columns)
                    return false; // a column without a place for the digit
                places &= ~t.claimed[required];
                s.places[word] = places;
                s.dirty |= (places ^ analyzed) | (other1 ^ before1) | (other2 ^ before2);
                // Rows and boxes of the band with one place left, and the
                // required columns with one place in the band.
                const std::uint32_t r0 = places & 0x1FF, r1 = (places >> 9) & 0x1FF, r2 = places >> 18;
                const std::uint32_t lone = (r0 ^ r1 ^ r2) & ~((r0 & r1) | (r0 & r2) | (r1 & r2));
                std::uint32_t singles = places & t.columnsCells[lone & static_cast<std::uint32_t>(required)];
                for (int k = 0; k < 3; ++k) {
                    const std::uint32_t row = places & (0x1FFu << (9 * k));
                    singles |= (row & (row - 1)) ? 0 : row;
                    const std::uint32_t box = places & t.boxCells[k];
                    singles |= (box & (box - 1)) ? 0 : box;
                }
                singles &= s.open[band];
                for (; singles; singles &= singles - 1) {
                    const int bit = std::countr_zero(singles);
                    if (!(s.places[word] & (1u << bit)))
                        return false; // an earlier single of this word took its row or box
                    Place(s, digit, band, bit);
                }
                s.seen[word] = analyzed;
              }
            }
            // Cells with one digit left, and cells with none.
            for (int band = 0; band < BandCount; ++band) {
                std::uint32_t once = 0, twice = 0;
                for (int digit = 0; digit < DigitCount; ++digit) {
                    const std::uint32_t places = s.places[9 * band + digit];
                    twice |= once & places;
                    once |= places;
                }
                const std::uint32_t open = s.open[band];
                if (open & ~once)
                    return false;
                std::uint32_t singles = open & once & ~twice;
                for (; singles; singles &= singles - 1) {
                    const int bit = std::countr_zero(singles);
                    int digit = 0;
                    while (digit < DigitCount && !(s.places[9 * band + digit] & (1u << bit)))
                        ++digit;
                    if (digit == DigitCount)
                        return false; // a placement of this pass took its only digit
                    Place(s, digit, band, bit);
                }
            }
            if (!s.dirty)
                return true;
        }
    }

    void Search(State& s)
    {
        if (!Propagate(s))
            return;
        if ((s.open[0] | s.open[1] | s.open[2]) == 0) {
            ++solutionCount;
            if (foundSolutions) {
                Grid solution{};
                for (int digit = 0; digit < DigitCount; ++digit)
                    for (int band = 0; band < BandCount; ++band)
                        for (std::uint32_t bits = s.places[9 * band + digit]; bits; bits &= bits - 1)
                            solution[27 * band + std::countr_zero(bits)] = static_cast<std::uint8_t>(digit + 1);
                foundSolutions->push_back(solution);
            }
            return;
        }
        // The branch: a cell of two candidates, the one whose row, column and
        // box hold the most other such cells (either digit there settles much
        // of its neighbourhood); else a digit with two places in a row or box;
        // else a cell of the fewest candidates.
        std::array<std::uint32_t, BandCount> pairs;
        for (int band = 0; band < BandCount; ++band) {
            std::uint32_t once = 0, twice = 0, thrice = 0;
            for (int digit = 0; digit < DigitCount; ++digit) {
                const std::uint32_t places = s.places[9 * band + digit] & s.open[band];
                thrice |= twice & places;
                twice |= once & places;
                once |= places;
            }
            pairs[band] = twice & ~thrice;
        }
        if (pairs[0] | pairs[1] | pairs[2]) {
            const Tables& t = T();
            int branchBand = 0, branchBit = 0, most = -1;
            for (int band = 0; band < BandCount; ++band)
                for (std::uint32_t rest = pairs[band]; rest; rest &= rest - 1) {
                    const int bit = std::countr_zero(rest);
                    const std::uint32_t column = t.columnCells[bit % 9];
                    const int near = std::popcount(pairs[band] & t.bandPeers[bit]) +
                                     std::popcount((pairs[(band + 1) % 3] | pairs[(band + 2) % 3]) & column);
                    if (near > most) {
                        most = near;
                        branchBand = band;
                        branchBit = bit;
                    }
                }
            BranchOnCell(s, branchBand, branchBit);
            return;
        }
        for (int band = 0; band < BandCount; ++band)
            for (int digit = 0; digit < DigitCount; ++digit) {
                const std::uint32_t places = s.places[9 * band + digit] & s.open[band];
                for (int k = 0; k < 3; ++k)
                    for (const std::uint32_t unit : {places & (0x1FFu << (9 * k)), places & T().boxCells[k]})
                        if (std::popcount(unit) == 2) {
                            BranchOnPlaces(s, digit, band, unit);
                            return;
                        }
            }
        int fewest = DigitCount + 1, branchBand = 0, branchBit = 0;
        for (int band = 0; band < BandCount; ++band)
            for (std::uint32_t open = s.open[band]; open; open &= open - 1) {
                const int bit = std::countr_zero(open);
                int count = 0;
                for (int digit = 0; digit < DigitCount; ++digit)
                    count += (s.places[9 * band + digit] >> bit) & 1;
                if (count < fewest) {
                    fewest = count;
                    branchBand = band;
                    branchBit = bit;
                }
            }
        BranchOnCell(s, branchBand, branchBit);
    }

    // Tries each candidate of a cell in turn; the last one reuses the state.
    void BranchOnCell(State& s, int band, int bit)
    {
        std::uint32_t digits = 0;
        for (int digit = 0; digit < DigitCount; ++digit)
            digits |= ((s.places[9 * band + digit] >> bit) & 1) << digit;
        for (; digits && solutionCount < solutionLimit; digits &= digits - 1) {
            const int digit = std::countr_zero(digits);
            ++guessCount;
            if ((digits & (digits - 1)) == 0) {
                Place(s, digit, band, bit);
                Search(s);
                return;
            }
            State next = s;
            Place(next, digit, band, bit);
            Search(next);
        }
    }

    // Tries each place of a digit in turn; the last one reuses the state.
    void BranchOnPlaces(State& s, int digit, int band, std::uint32_t places)
    {
        for (; places && solutionCount < solutionLimit; places &= places - 1) {
            const int bit = std::countr_zero(places);
            ++guessCount;
            if ((places & (places - 1)) == 0) {
                Place(s, digit, band, bit);
                Search(s);
                return;
            }
            State next = s;
            Place(next, digit, band, bit);
            Search(next);
        }
    }

    int solutionLimit;
    std::vector<Grid>* foundSolutions;
    int solutionCount = 0;

public:
    long guessCount = 0;
};

} // namespace

bool PropagationContradicts(const std::array<std::uint16_t, CellCount>& candidates, const Grid& values, int cell,
                            int digit)
{
    State state;
    state.seen.fill(0);
    state.dirty = 1;
    state.places.fill(0);
    state.open.fill(0);
    for (int c = 0; c < CellCount; ++c) {
        const int band = c / 27, bit = c % 27;
        std::uint16_t digits = values[c] != 0 ? DigitBit(values[c]) : candidates[c];
        if (values[c] == 0)
            state.open[band] |= 1u << bit;
        for (; digits; digits &= digits - 1)
            state.places[9 * band + std::countr_zero(digits)] |= 1u << bit;
    }
    const int band = cell / 27, bit = cell % 27;
    if (!(state.places[9 * band + digit - 1] & (1u << bit)))
        return true;
    BitSearch::PlaceCell(state, digit - 1, band, bit);
    return !BitSearch::PropagateState(state);
}

int CountSolutions(const Grid& puzzle, int limit) { return BitSearch(limit, nullptr).Run(puzzle); }

int CountSolutionsAndGuesses(const Grid& puzzle, int limit, long& guesses)
{
    BitSearch search(limit, nullptr);
    const int count = search.Run(puzzle);
    guesses += search.guessCount;
    return count;
}

int EnumerateSolutions(const Grid& puzzle, int limit, std::vector<Grid>& solutions)
{
    return BitSearch(limit, &solutions).Run(puzzle);
}

} // namespace orvane::grader
