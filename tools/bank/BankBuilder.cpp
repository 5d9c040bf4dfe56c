#include "BankBuilder.h"

#include "Generator.h"
#include "LogicalGrader.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>
#include <stdexcept>

namespace orvane::bank {

namespace {

// Every grid, walk and list draws from its own generator, seeded from the
// bank's seed, the stream and the index, so that no phase's numbers depend on
// how many another phase drew.
enum class Stream : std::uint64_t { Easy = 1, Walk, Fresh, Descent, Padding, Order };

GeneratorRandom StreamRandom(std::uint64_t seed, Stream stream, std::uint64_t index)
{
    GeneratorRandom mixer(seed ^ (static_cast<std::uint64_t>(stream) << 56));
    return GeneratorRandom(mixer.Next() + index);
}

constexpr int EasyLeastGivens = 41;
constexpr int EasyGivensSpread = 7; // 41..47, mean 44 as in the table
constexpr int LowReserve = 5;       // lowest puzzles of a list, taken first and descended
constexpr int SpareTierShare = BankListLines / 4; // tiers 2..5 of the spare list

struct Candidate {
    Grid puzzle;
    int givens;
    int tier;
    int source; // one per solution grid: a grid serves at most one line of the bank
};

struct Source {
    Grid solution;
};

struct Pools {
    std::vector<Source> sources;
    std::vector<Candidate> candidates;
    std::vector<bool> used;
};

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string Describe(const char* format, double a, double b = 0)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

// A walk from a grid's minimal puzzle towards fewer givens; keeps, per
// grade, the puzzle with the fewest givens it visited.
void Walk(const BankParameters& parameters, int index, Pools& pools)
{
    GeneratorRandom random = StreamRandom(parameters.seed, Stream::Walk, static_cast<std::uint64_t>(index));
    const Grid solution = RandomFullGrid(random);
    const int source = static_cast<int>(pools.sources.size());
    pools.sources.push_back({solution});
    std::map<int, Candidate> lowest;
    const auto Visit = [&](const Grid& puzzle) {
        const int tier = GradePuzzle(puzzle, std::nullopt, ChainsTier).tier;
        const int givens = GivenCount(puzzle);
        const auto found = lowest.find(tier);
        if (found == lowest.end() || givens < found->second.givens)
            lowest[tier] = {puzzle, givens, tier, source};
    };
    Grid puzzle = MinimalPuzzle(solution, random);
    Visit(puzzle);
    for (int step = 0; step < parameters.walkSteps && GivenCount(puzzle) > parameters.walkFloor; ++step) {
        Grid next = puzzle;
        for (int added = 0; added < 2;) {
            const auto cell = random.Below(CellCount);
            if (next[cell] == 0) {
                next[cell] = solution[cell];
                ++added;
            }
        }
        next = MinimalPuzzle(next, random);
        if (next == puzzle || GivenCount(next) > GivenCount(puzzle))
            continue;
        puzzle = next;
        Visit(puzzle);
    }
    for (const auto& [tier, candidate] : lowest)
        pools.candidates.push_back(candidate);
}

void Fresh(const BankParameters& parameters, int index, Pools& pools)
{
    GeneratorRandom random = StreamRandom(parameters.seed, Stream::Fresh, static_cast<std::uint64_t>(index));
    const Grid solution = RandomFullGrid(random);
    const Grid puzzle = MinimalPuzzle(solution, random);
    const int source = static_cast<int>(pools.sources.size());
    pools.sources.push_back({solution});
    pools.candidates.push_back({puzzle, GivenCount(puzzle), GradePuzzle(puzzle, std::nullopt, ChainsTier).tier, source});
}

// Walks a puzzle down to fewer givens while its grade stays `tier`.
Grid DescendWithinTier(Grid puzzle, const Grid& solution, int tier, int floor, int steps, GeneratorRandom& random)
{
    for (int step = 0; step < steps && GivenCount(puzzle) > floor; ++step) {
        Grid next = puzzle;
        if (!ExchangeMove(next, solution, 1, random) || GivenCount(next) > GivenCount(puzzle))
            continue;
        if (GradePuzzle(next, std::nullopt, ChainsTier).tier == tier)
            puzzle = next;
    }
    return puzzle;
}

struct Quota {
    int list;
    int tier;
    int count;
    double targetMean;
};

// Picks `count` unused candidates of the quota's tier: the lowest few first
// (descended further within their grade), then the run of the candidates
// sorted by givens whose mean lies closest to the target; raises the givens
// by padding when the pool's puzzles have too few.
std::vector<std::string> Select(const BankParameters& parameters, const Quota& quota, Pools& pools, int quotaIndex)
{
    const auto& rule = BankListRules[quota.list];
    std::vector<int> pool;
    for (int i = 0; i < static_cast<int>(pools.candidates.size()); ++i) {
        const Candidate& candidate = pools.candidates[i];
        if (candidate.tier == quota.tier && !pools.used[candidate.source])
            pool.push_back(i);
    }
    // Keep one candidate per grid (the one with the fewest givens).
    std::stable_sort(pool.begin(), pool.end(), [&](int a, int b) {
        return pools.candidates[a].givens < pools.candidates[b].givens;
    });
    std::vector<bool> sourceSeen(pools.sources.size(), false);
    std::erase_if(pool, [&](int i) {
        const int source = pools.candidates[i].source;
        if (sourceSeen[source])
            return true;
        sourceSeen[source] = true;
        return false;
    });
    if (static_cast<int>(pool.size()) < quota.count)
        throw std::runtime_error(std::string(rule.name) + ": only " + std::to_string(pool.size()) + " unused puzzles of tier " +
                                 std::to_string(quota.tier) + " for " + std::to_string(quota.count) +
                                 " lines; raise --walk-grids or --fresh-grids");

    std::vector<Candidate> chosen;
    const int reserve = std::min(LowReserve, quota.count);
    GeneratorRandom descent = StreamRandom(parameters.seed, Stream::Descent, static_cast<std::uint64_t>(quotaIndex));
    for (int i = 0; i < reserve; ++i) {
        Candidate candidate = pools.candidates[pool[i]];
        candidate.puzzle = DescendWithinTier(candidate.puzzle, pools.sources[candidate.source].solution, quota.tier,
                                             rule.tableLeast + LeastGivensTolerance, parameters.descentSteps, descent);
        candidate.givens = GivenCount(candidate.puzzle);
        chosen.push_back(candidate);
    }
    const int reserveGivens = std::accumulate(chosen.begin(), chosen.end(), 0,
                                              [](int sum, const Candidate& c) { return sum + c.givens; });
    const int rest = quota.count - reserve;
    int bestStart = reserve;
    double bestDistance = 1e9;
    int windowSum = 0;
    for (int i = reserve; i < reserve + rest; ++i)
        windowSum += pools.candidates[pool[i]].givens;
    for (int start = reserve;; ++start) {
        const double mean = static_cast<double>(reserveGivens + windowSum) / quota.count;
        if (std::fabs(mean - quota.targetMean) < bestDistance) {
            bestDistance = std::fabs(mean - quota.targetMean);
            bestStart = start;
        }
        if (start + rest >= static_cast<int>(pool.size()))
            break;
        windowSum += pools.candidates[pool[start + rest]].givens - pools.candidates[pool[start]].givens;
    }
    for (int i = bestStart; i < bestStart + rest; ++i)
        chosen.push_back(pools.candidates[pool[i]]);

    // Padding: spread the missing givens over the window's puzzles at random,
    // keeping each addition only when the grade stays.
    int total = std::accumulate(chosen.begin(), chosen.end(), 0, [](int sum, const Candidate& c) { return sum + c.givens; });
    const int wanted = static_cast<int>(std::lround(quota.targetMean * quota.count));
    GeneratorRandom padding = StreamRandom(parameters.seed, Stream::Padding, static_cast<std::uint64_t>(quotaIndex));
    for (int round = 0; round < 3 && total < wanted; ++round) {
        std::vector<int> extra(chosen.size(), 0);
        for (int unit = total; unit < wanted; ++unit)
            ++extra[reserve + padding.Below(static_cast<std::uint32_t>(rest))];
        for (std::size_t i = reserve; i < chosen.size(); ++i) {
            if (extra[i] == 0)
                continue;
            Candidate& candidate = chosen[i];
            PadPuzzle(candidate.puzzle, pools.sources[candidate.source].solution, candidate.givens + extra[i],
                      quota.tier, padding);
            total += GivenCount(candidate.puzzle) - candidate.givens;
            candidate.givens = GivenCount(candidate.puzzle);
        }
    }

    std::vector<std::string> lines;
    for (const Candidate& candidate : chosen) {
        pools.used[candidate.source] = true;
        lines.push_back(PuzzleText(pools.sources[candidate.source].solution, candidate.puzzle));
    }
    return lines;
}

BankList BuildEasy(const BankParameters& parameters)
{
    BankList list;
    for (std::uint64_t index = 0; static_cast<int>(list.lines.size()) < BankListLines; ++index) {
        GeneratorRandom random = StreamRandom(parameters.seed, Stream::Easy, index);
        const Grid solution = RandomFullGrid(random);
        const int target = EasyLeastGivens + static_cast<int>(random.Below(EasyGivensSpread));
        const Grid puzzle = SinglesPuzzle(solution, target, random);
        if (GivenCount(puzzle) != target)
            continue;
        list.lines.push_back(PuzzleText(solution, puzzle));
    }
    return list;
}

} // namespace

std::array<BankList, BankLists> BuildBank(const BankParameters& parameters, const BankProgress& progress)
{
    const auto start = Clock::now();
    std::array<BankList, BankLists> bank;
    bank[0] = BuildEasy(parameters);
    progress(Describe("easy list done after %.1f s", SecondsSince(start)));

    Pools pools;
    for (int index = 0; index < parameters.walkGrids; ++index) {
        Walk(parameters, index, pools);
        if ((index + 1) % 100 == 0)
            progress(Describe("walked %.0f grids, %.1f s", index + 1, SecondsSince(start)));
    }
    for (int index = 0; index < parameters.freshGrids; ++index) {
        Fresh(parameters, index, pools);
        if ((index + 1) % 5000 == 0)
            progress(Describe("%.0f fresh grids, %.1f s", index + 1, SecondsSince(start)));
    }
    pools.used.assign(pools.sources.size(), false);

    // The scarcest grades choose first, so that the rarer low-givens puzzles
    // go where the table asks for them.
    const auto& spare = BankListRules[SpareListIndex];
    const std::array<Quota, 8> quotas = {{
        {2, FishAndWingsTier, BankListLines, BankListRules[2].tableMean},
        {4, BeyondTier, BankListLines, BankListRules[4].tableMean},
        {SpareListIndex, BeyondTier, SpareTierShare, spare.tableMean},
        {1, SubsetsTier, BankListLines, BankListRules[1].tableMean},
        {SpareListIndex, FishAndWingsTier, SpareTierShare, spare.tableMean},
        {SpareListIndex, SubsetsTier, SpareTierShare, spare.tableMean},
        {3, ChainsTier, BankListLines, BankListRules[3].tableMean},
        {SpareListIndex, ChainsTier, SpareTierShare, spare.tableMean},
    }};
    for (std::size_t i = 0; i < quotas.size(); ++i) {
        auto lines = Select(parameters, quotas[i], pools, static_cast<int>(i));
        auto& target = bank[quotas[i].list].lines;
        target.insert(target.end(), lines.begin(), lines.end());
        progress(std::string(BankListRules[quotas[i].list].name) + Describe(": tier %.0f chosen, %.1f s", quotas[i].tier, SecondsSince(start)));
    }

    // Lines in random order: the game never draws a list's last line and
    // draws the one before twice as often, so no order of grades or givens
    // may sit at the end.
    for (int list = 0; list < BankLists; ++list) {
        GeneratorRandom order = StreamRandom(parameters.seed, Stream::Order, static_cast<std::uint64_t>(list));
        order.Shuffle(bank[list].lines);
    }
    return bank;
}

} // namespace orvane::bank
