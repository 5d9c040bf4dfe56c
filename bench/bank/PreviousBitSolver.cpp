// The bitboard solver as it was before bank 3, kept only for the benchmark's
// comparison: the same bitboards and propagation as the exact solver of the
// grader (core/grader/BitSolver.cpp), but it branches on the first cell of two
// candidates it finds, and copies the state for every alternative.
#include "PreviousBitSolver.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace orvane::bank {

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

    Tables()
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

const Tables& T()
{
    static const Tables tables;
    return tables;
}

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
        // A cell of two candidates, else one of the fewest.
        int branchBand = -1, branchBit = -1;
        for (int band = 0; band < BandCount && branchBand < 0; ++band) {
            std::uint32_t once = 0, twice = 0, thrice = 0;
            for (int digit = 0; digit < DigitCount; ++digit) {
                const std::uint32_t places = s.places[9 * band + digit] & s.open[band];
                thrice |= twice & places;
                twice |= once & places;
                once |= places;
            }
            const std::uint32_t pairs = twice & ~thrice;
            if (pairs) {
                branchBand = band;
                branchBit = std::countr_zero(pairs);
            }
        }
        if (branchBand < 0) {
            int fewest = DigitCount + 1;
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
        }
        for (int digit = 0; digit < DigitCount && solutionCount < solutionLimit; ++digit) {
            if (!(s.places[9 * branchBand + digit] & (1u << branchBit)))
                continue;
            State next = s;
            ++guessCount;
            Place(next, digit, branchBand, branchBit);
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

int PreviousCountSolutions(const Grid& puzzle, int limit) { return BitSearch(limit, nullptr).Run(puzzle); }

} // namespace orvane::bank
