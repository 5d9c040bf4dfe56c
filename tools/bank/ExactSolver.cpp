#include "ExactSolver.h"

#include <algorithm>
#include <bit>

namespace orvane::bank {

namespace {

// A partial solution: the candidates of every cell; a placed cell keeps only
// the bit of its digit.
struct SearchState {
    std::array<std::uint16_t, CellCount> candidates;
    std::array<bool, CellCount> placed;
    int placedCount;
};

class ExactSearch {
public:
    ExactSearch(int limit, std::vector<Grid>* solutions, GeneratorRandom* random)
        : solutionLimit(limit), foundSolutions(solutions), shuffleRandom(random)
    {
    }

    int Run(const Grid& puzzle)
    {
        if (solutionLimit <= 0)
            return 0;
        SearchState state;
        state.candidates.fill(AllDigits);
        state.placed.fill(false);
        state.placedCount = 0;
        for (int cell = 0; cell < CellCount; ++cell) {
            const int digit = puzzle[cell];
            if (digit == 0)
                continue;
            if (digit > DigitCount || !Place(state, cell, digit))
                return 0;
        }
        Search(state);
        return solutionCount;
    }

private:
    // Places digit in cell and removes it from the peers; queues the peers
    // left with one candidate. False on a contradiction.
    bool Place(SearchState& state, int cell, int digit)
    {
        const std::uint16_t bit = DigitBit(digit);
        if (state.placed[cell] || !(state.candidates[cell] & bit))
            return false;
        state.candidates[cell] = bit;
        state.placed[cell] = true;
        ++state.placedCount;
        for (int peer : Tables().peers[cell]) {
            std::uint16_t& peerCandidates = state.candidates[peer];
            if (!(peerCandidates & bit))
                continue;
            if (state.placed[peer])
                return false;
            peerCandidates &= static_cast<std::uint16_t>(~bit);
            if (peerCandidates == 0)
                return false;
            if (std::has_single_bit(peerCandidates))
                peerQueue[queueSize++] = static_cast<std::uint8_t>(peer);
        }
        return true;
    }

    bool PlaceQueued(SearchState& state)
    {
        while (queueSize > 0) {
            const int cell = peerQueue[--queueSize];
            if (state.placed[cell])
                continue;
            if (!Place(state, cell, std::countr_zero(state.candidates[cell]) + 1))
                return false;
        }
        return true;
    }

    // Naked and hidden singles until neither finds a cell.
    bool Propagate(SearchState& state)
    {
        for (;;) {
            if (!PlaceQueued(state))
                return false;
            bool placedAny = false;
            for (const auto& unit : Tables().unitCells) {
                std::uint16_t once = 0, twice = 0, done = 0;
                for (int cell : unit) {
                    const std::uint16_t candidates = state.candidates[cell];
                    if (state.placed[cell]) {
                        done |= candidates;
                        once |= candidates;
                        continue;
                    }
                    twice |= once & candidates;
                    once |= candidates;
                }
                if (once != AllDigits)
                    return false; // some digit has no place left in this unit
                std::uint16_t hidden = once & static_cast<std::uint16_t>(~twice) & static_cast<std::uint16_t>(~done);
                while (hidden) {
                    const std::uint16_t bit = hidden & static_cast<std::uint16_t>(-hidden);
                    hidden ^= bit;
                    for (int cell : unit)
                        if (!state.placed[cell] && (state.candidates[cell] & bit)) {
                            if (!Place(state, cell, std::countr_zero(bit) + 1))
                                return false;
                            break;
                        }
                    placedAny = true;
                }
                if (placedAny && !PlaceQueued(state))
                    return false;
            }
            if (!placedAny && queueSize == 0)
                return true;
        }
    }

    void Search(SearchState& state)
    {
        queueSize = 0;
        for (int cell = 0; cell < CellCount; ++cell)
            if (!state.placed[cell] && std::has_single_bit(state.candidates[cell]))
                peerQueue[queueSize++] = static_cast<std::uint8_t>(cell);
        if (!Propagate(state))
            return;
        if (state.placedCount == CellCount) {
            ++solutionCount;
            if (foundSolutions) {
                Grid solution;
                for (int cell = 0; cell < CellCount; ++cell)
                    solution[cell] = static_cast<std::uint8_t>(std::countr_zero(state.candidates[cell]) + 1);
                foundSolutions->push_back(solution);
            }
            return;
        }
        int branchCell = -1;
        int fewest = DigitCount + 1;
        for (int cell = 0; cell < CellCount && fewest > 2; ++cell) {
            if (state.placed[cell])
                continue;
            const int count = std::popcount(state.candidates[cell]);
            if (count < fewest) {
                fewest = count;
                branchCell = cell;
            }
        }
        std::array<int, DigitCount> digits;
        int digitCount = 0;
        for (std::uint16_t bits = state.candidates[branchCell]; bits; bits &= bits - 1)
            digits[digitCount++] = std::countr_zero(bits) + 1;
        if (shuffleRandom)
            for (int i = digitCount; i > 1; --i)
                std::swap(digits[i - 1], digits[shuffleRandom->Below(static_cast<std::uint32_t>(i))]);
        for (int i = 0; i < digitCount && solutionCount < solutionLimit; ++i) {
            SearchState next = state;
            queueSize = 0;
            if (Place(next, branchCell, digits[i]))
                Search(next);
        }
    }

    int solutionLimit;
    std::vector<Grid>* foundSolutions;
    GeneratorRandom* shuffleRandom;
    int solutionCount = 0;
    // Every peer enters the queue at most once per placement, so one search
    // level never queues more cells than the board has peers to lose.
    std::array<std::uint8_t, CellCount * PeerCount> peerQueue{};
    int queueSize = 0;
};

} // namespace

int LegacyCountSolutions(const Grid& puzzle, int limit) { return ExactSearch(limit, nullptr, nullptr).Run(puzzle); }

bool CompleteRandomly(Grid& grid, GeneratorRandom& random)
{
    std::vector<Grid> solutions;
    if (ExactSearch(1, &solutions, &random).Run(grid) == 0)
        return false;
    grid = solutions.front();
    return true;
}

} // namespace orvane::bank
