#include "BankBuilder.h"

#include "Generator.h"
#include "Grader.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>
#include <stdexcept>
#include <thread>

namespace orvane::bank {

namespace {

// Every grid, walk, list and search draws from its own generator, seeded from
// the bank's seed, the stream and the index, so that no phase's numbers
// depend on how many another phase drew, nor on how many threads ran.
// Padding and Rebalance are no longer drawn from; they keep their places so
// that the later streams (the benchmark's hard set among them) keep their numbers.
enum class Stream : std::uint64_t { Easy = 1, Walk, Fresh, Descent, Padding, Order, Search, Targets, Hard, Rebalance };

GeneratorRandom StreamRandom(std::uint64_t seed, Stream stream, std::uint64_t index)
{
    GeneratorRandom mixer(seed ^ (static_cast<std::uint64_t>(stream) << 56));
    return GeneratorRandom(mixer.Next() + index);
}

constexpr int EasyLeastGivens = 41;
constexpr int EasyGivensSpread = 7; // 41..47, mean 44 as in the table
constexpr int LowReserve = 5;       // lowest puzzles of a list, taken first and descended
constexpr int SpareTierShare = BankListLines / 4; // tiers 2..5 of the spare list
// Each list's givens aim at the table's mean -3..+2, evenly (six values, a
// sixth each); the low end is rarely there to take for the harder grades,
// whose lines then move up, so the spread leans below the mean.
constexpr int GivensBelowMean = 3;
constexpr int GivensAboveMean = 2;
// A line whose target lies below its candidate's givens descends towards it
// for this share of the reserve's descent steps.
constexpr int TargetDescentShare = 3;

struct Candidate {
    Grid puzzle;
    int givens;
    int tier;   // from the cheap grading: tiers 1..4 exact, 5 = beyond chains
    int source; // one per solution grid: a grid serves at most one line of the bank
    int rating = 0; // the full grading's, once known (tier-5 candidates)
};

struct Pools {
    std::vector<Grid> sources;
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

// Runs work(i) for i in 0..count-1 on `jobs` threads. Each work item writes
// only its own result, so the outcome does not depend on the threads.
template <typename Work>
void ParallelFor(int count, int jobs, Work work)
{
    std::atomic<int> next{0};
    const auto Worker = [&] {
        for (int i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < std::max(1, jobs); ++t)
        threads.emplace_back(Worker);
    Worker();
    for (auto& thread : threads)
        thread.join();
}

// The cheap grading the pools use: exact up to the chains, "beyond" after.
int CheapTier(const Grid& puzzle) { return GradePuzzle(puzzle, std::nullopt, ChainsTier).tier; }

// The full grading's verdict for the Extreme band: solved by logic, rating in
// the band; 0 otherwise.
int ExtremeRating(const Grid& puzzle)
{
    const GradeResult grade = GradePuzzle(puzzle);
    return grade.solved && grade.tier == BeyondTier ? grade.rating : 0;
}

struct WalkResult {
    Grid solution;
    std::vector<std::pair<Grid, int>> lowest; // per tier, the puzzle with the fewest givens
};

// A walk from a grid's minimal puzzle towards fewer givens; keeps, per
// grade, the puzzle with the fewest givens it visited.
WalkResult Walk(const BankParameters& parameters, int index)
{
    GeneratorRandom random = StreamRandom(parameters.seed, Stream::Walk, static_cast<std::uint64_t>(index));
    WalkResult result{RandomFullGrid(random), {}};
    std::map<int, Grid> lowest;
    const auto Visit = [&](const Grid& puzzle) {
        const int tier = CheapTier(puzzle);
        const auto found = lowest.find(tier);
        if (found == lowest.end() || GivenCount(puzzle) < GivenCount(found->second))
            lowest[tier] = puzzle;
    };
    Grid puzzle = MinimalPuzzle(result.solution, random);
    Visit(puzzle);
    for (int step = 0; step < parameters.walkSteps && GivenCount(puzzle) > parameters.walkFloor; ++step) {
        Grid next = puzzle;
        for (int added = 0; added < 2;) {
            const auto cell = random.Below(CellCount);
            if (next[cell] == 0) {
                next[cell] = result.solution[cell];
                ++added;
            }
        }
        next = MinimalPuzzle(next, random);
        if (next == puzzle || GivenCount(next) > GivenCount(puzzle))
            continue;
        puzzle = next;
        Visit(puzzle);
    }
    for (const auto& [tier, found] : lowest)
        result.lowest.emplace_back(found, tier);
    return result;
}

struct FreshResult {
    Grid solution;
    Grid puzzle;
    int tier;
};

FreshResult Fresh(const BankParameters& parameters, int index)
{
    GeneratorRandom random = StreamRandom(parameters.seed, Stream::Fresh, static_cast<std::uint64_t>(index));
    FreshResult result{RandomFullGrid(random), {}, 0};
    result.puzzle = MinimalPuzzle(result.solution, random);
    result.tier = CheapTier(result.puzzle);
    return result;
}

// Walks a puzzle down to fewer givens while its grade stays `tier`; every
// step is an exchange move, so every puzzle on the way is minimal. The trail
// keeps, for each number of givens passed, the last puzzle with it, from
// which the spread of a list takes a line that would crowd one number. For
// the Extreme band the walk follows the cheap grading, and its end counts
// only when the full grading keeps it in the band (else the start stays).
Grid DescendWithinTier(Grid puzzle, const Grid& solution, int tier, int floor, int steps, GeneratorRandom& random,
                       std::map<int, Grid>& trail)
{
    const Grid start = puzzle;
    trail[GivenCount(puzzle)] = puzzle;
    for (int step = 0; step < steps && GivenCount(puzzle) > floor; ++step) {
        Grid next = puzzle;
        if (!ExchangeMove(next, solution, 1, random) || GivenCount(next) > GivenCount(puzzle))
            continue;
        if (CheapTier(next) == tier) {
            puzzle = next;
            trail[GivenCount(puzzle)] = puzzle;
        }
    }
    if (tier == BeyondTier && ExtremeRating(puzzle) == 0)
        return start;
    return puzzle;
}

// How the search of the Extreme band scores a puzzle: the rating first,
// then the sum of all steps' ratings (a puzzle that needs more forcing steps
// is closer to one that forcing chains no longer solve); -1 outside the band.
long ExtremeScore(const Grid& puzzle)
{
    const GradeResult grade = GradePuzzle(puzzle);
    if (!grade.solved || grade.tier != BeyondTier)
        return -1;
    constexpr long SumScale = 1000000;
    return grade.rating * SumScale + std::min<long>(grade.ratingSum, SumScale - 1);
}

// Local search towards the top of the rating: sideways exchange moves (one
// given out, another in so that the solution is unique again, whatever became
// superfluous out), so that every puzzle visited is minimal and the line's
// number of givens stays where the list's spread put it. A move is kept when
// the score does not fall, so the search also crosses plateaus. Each restart
// begins again from the start on its own part of the stream; the best puzzle
// of all restarts is kept.
Grid SearchHarder(const Grid& start, const Grid& solution, int steps, int restarts, GeneratorRandom& random)
{
    Grid best = start;
    long bestScore = ExtremeScore(start);
    const int givens = GivenCount(start);
    for (int restart = 0; restart < std::max(1, restarts); ++restart) {
        Grid puzzle = start;
        long score = ExtremeScore(start);
        for (int step = 0; step < steps; ++step) {
            Grid next = puzzle;
            if (!ExchangeMove(next, solution, 1, random) || GivenCount(next) != givens || next == puzzle)
                continue;
            const long nextScore = ExtremeScore(next);
            if (nextScore < score)
                continue;
            puzzle = next;
            score = nextScore;
            if (score > bestScore) {
                best = puzzle;
                bestScore = score;
            }
        }
    }
    return best;
}

struct Quota {
    int list;
    int tier;
    int count;
    double targetMean;
};

// The givens each line of a quota aims at: spread evenly over the mean
// -3..+2, in an order drawn from the seed.
std::vector<int> GivensTargets(const Quota& quota, GeneratorRandom& random)
{
    std::vector<int> targets;
    const double low = quota.targetMean - GivensBelowMean - 0.5;
    const double width = GivensBelowMean + GivensAboveMean + 1.0;
    for (int i = 0; i < quota.count; ++i)
        targets.push_back(static_cast<int>(std::floor(low + width * (i + 0.5) / quota.count + 0.5)));
    random.Shuffle(targets);
    return targets;
}

// Picks `count` unused candidates of the quota's tier, every one a minimal
// puzzle: the lowest few first (descended further within their grade), then
// for each of the others a target number of givens, spread around the
// table's mean, and the unused candidate with the most givens not above it
// whose number of givens still has room; where there is none, the one with
// the fewest givens above, descended within its grade towards the target.
// Givens are never added: a padded puzzle is easier than its rating says.
std::vector<std::string> Select(const BankParameters& parameters, const Quota& quota, Pools& pools, int quotaIndex)
{
    const auto& rule = BankListRules[quota.list];
    std::vector<int> pool;
    for (int i = 0; i < static_cast<int>(pools.candidates.size()); ++i) {
        const Candidate& candidate = pools.candidates[i];
        if (candidate.tier == quota.tier && !pools.used[candidate.source] &&
            (quota.tier != BeyondTier || candidate.rating > 0))
            pool.push_back(i);
    }
    // One candidate per grid (the one with the fewest givens); for the
    // Extreme band the highest rated first among equal givens.
    std::stable_sort(pool.begin(), pool.end(), [&](int a, int b) {
        const Candidate& x = pools.candidates[a];
        const Candidate& y = pools.candidates[b];
        return x.givens != y.givens ? x.givens < y.givens : x.rating > y.rating;
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
    std::vector<int> floors; // above 0: the line descends towards this many givens
    const int reserve = std::min(LowReserve, quota.count);
    std::vector<bool> taken(pool.size(), false);
    for (int i = 0; i < reserve; ++i) {
        chosen.push_back(pools.candidates[pool[i]]);
        floors.push_back(rule.tableLeast + LeastGivensTolerance);
        taken[i] = true;
    }
    GeneratorRandom targetRandom = StreamRandom(parameters.seed, Stream::Targets, static_cast<std::uint64_t>(quotaIndex));
    Quota rest = quota;
    rest.count = quota.count - reserve;
    std::vector<int> wanted = GivensTargets(rest, targetRandom);
    std::sort(wanted.begin(), wanted.end());
    // The most lines one number of givens may hold: a third (what the checks allow).
    const int cap = std::max(1, quota.count / 3);
    std::array<int, CellCount + 1> held{};
    for (int target : wanted) {
        int found = -1;
        for (std::size_t i = 0; i < pool.size(); ++i) {
            if (taken[i])
                continue;
            const int givens = pools.candidates[pool[i]].givens;
            if (givens <= target) {
                if (held[givens] < cap)
                    found = static_cast<int>(i); // the last such is the one with the most givens
                continue;
            }
            if (found < 0)
                found = static_cast<int>(i);
            break;
        }
        if (found < 0) // every candidate lies on a full number of givens: the first unused
            found = static_cast<int>(std::find(taken.begin(), taken.end(), false) - taken.begin());
        const int givens = pools.candidates[pool[found]].givens;
        floors.push_back(givens > target ? std::max(target, rule.lineLeast) : 0);
        ++held[std::min(givens, std::max(target, rule.lineLeast))];
        taken[found] = true;
        chosen.push_back(pools.candidates[pool[found]]);
    }

    // Descents and the search of the Extreme band: each line on its own
    // random stream, so the threads change nothing.
    std::vector<std::map<int, Grid>> trails(chosen.size());
    ParallelFor(static_cast<int>(chosen.size()), parameters.jobs, [&](int i) {
        Candidate& candidate = chosen[i];
        const Grid& solution = pools.sources[candidate.source];
        const std::uint64_t stream = static_cast<std::uint64_t>(quotaIndex) * 100000 + static_cast<std::uint64_t>(i);
        if (floors[i] > 0) {
            GeneratorRandom descent = StreamRandom(parameters.seed, Stream::Descent, stream);
            const int steps = i < reserve ? parameters.descentSteps : parameters.descentSteps / TargetDescentShare;
            candidate.puzzle = DescendWithinTier(candidate.puzzle, solution, quota.tier, floors[i], steps, descent, trails[i]);
        }
        if (quota.tier == BeyondTier && parameters.searchSteps > 0) {
            GeneratorRandom search = StreamRandom(parameters.seed, Stream::Search, stream);
            candidate.puzzle = SearchHarder(candidate.puzzle, solution, parameters.searchSteps, parameters.searchRestarts, search);
        }
        candidate.givens = GivenCount(candidate.puzzle);
    });

    // Descents may gather on one number of givens (the fewest givens of a
    // grade are rare): a line beyond its share takes the puzzle of its
    // descent's trail at the nearest number with room.
    std::array<int, CellCount + 1> counts{};
    for (const Candidate& candidate : chosen)
        ++counts[candidate.givens];
    for (int i = static_cast<int>(chosen.size()) - 1; i >= 0; --i) {
        Candidate& candidate = chosen[i];
        if (counts[candidate.givens] <= cap)
            continue;
        const Grid* best = nullptr;
        for (const auto& [givens, puzzle] : trails[i]) {
            if (counts[givens] >= cap || (quota.tier == BeyondTier && ExtremeRating(puzzle) == 0))
                continue;
            if (best == nullptr || std::abs(givens - candidate.givens) < std::abs(GivenCount(*best) - candidate.givens))
                best = &puzzle;
        }
        if (best == nullptr)
            continue;
        --counts[candidate.givens];
        candidate.puzzle = *best;
        candidate.givens = GivenCount(*best);
        ++counts[candidate.givens];
    }
    // A line that still crowds its number gives way to an unused minimal
    // puzzle of the grade at the nearest number with room (the lower of two).
    for (int i = static_cast<int>(chosen.size()) - 1; i >= 0; --i) {
        Candidate& candidate = chosen[i];
        if (counts[candidate.givens] <= cap)
            continue;
        int best = -1;
        for (std::size_t j = 0; j < pool.size(); ++j) {
            const int givens = pools.candidates[pool[j]].givens;
            if (taken[j] || counts[givens] >= cap)
                continue;
            const int distance = std::abs(givens - candidate.givens);
            if (best < 0 || distance < std::abs(pools.candidates[pool[best]].givens - candidate.givens))
                best = static_cast<int>(j);
        }
        if (best < 0)
            continue;
        taken[best] = true;
        --counts[candidate.givens];
        candidate = pools.candidates[pool[best]];
        ++counts[candidate.givens];
    }

    std::vector<std::string> lines;
    for (const Candidate& candidate : chosen) {
        pools.used[candidate.source] = true;
        lines.push_back(PuzzleText(pools.sources[candidate.source], candidate.puzzle));
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
    {
        std::vector<WalkResult> walks(parameters.walkGrids);
        ParallelFor(parameters.walkGrids, parameters.jobs, [&](int i) { walks[i] = Walk(parameters, i); });
        for (const WalkResult& walk : walks) {
            const int source = static_cast<int>(pools.sources.size());
            pools.sources.push_back(walk.solution);
            for (const auto& [puzzle, tier] : walk.lowest)
                pools.candidates.push_back({puzzle, GivenCount(puzzle), tier, source});
        }
        progress(Describe("walked %.0f grids, %.1f s", parameters.walkGrids, SecondsSince(start)));
    }
    {
        std::vector<FreshResult> fresh(parameters.freshGrids);
        ParallelFor(parameters.freshGrids, parameters.jobs, [&](int i) { fresh[i] = Fresh(parameters, i); });
        for (const FreshResult& result : fresh) {
            const int source = static_cast<int>(pools.sources.size());
            pools.sources.push_back(result.solution);
            pools.candidates.push_back({result.puzzle, GivenCount(result.puzzle), result.tier, source});
        }
        progress(Describe("%.0f fresh grids, %.1f s", parameters.freshGrids, SecondsSince(start)));
    }
    // The full grading of the puzzles beyond chains: the Extreme band holds
    // those that forcing chains and nets solve.
    {
        std::vector<int> beyond;
        for (int i = 0; i < static_cast<int>(pools.candidates.size()); ++i)
            if (pools.candidates[i].tier == BeyondTier)
                beyond.push_back(i);
        ParallelFor(static_cast<int>(beyond.size()), parameters.jobs, [&](int i) {
            Candidate& candidate = pools.candidates[beyond[i]];
            candidate.rating = ExtremeRating(candidate.puzzle);
        });
        progress(Describe("%.0f puzzles beyond chains graded in full, %.1f s", static_cast<double>(beyond.size()),
                          SecondsSince(start)));
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

std::vector<std::string> BuildHardSet(std::uint64_t seed, int grids, int count, int jobs)
{
    struct Made {
        Grid solution, puzzle;
        long guesses = 0;
    };
    std::vector<Made> made(grids);
    ParallelFor(grids, jobs, [&](int i) {
        GeneratorRandom random = StreamRandom(seed, Stream::Hard, static_cast<std::uint64_t>(i));
        made[i].solution = RandomFullGrid(random);
        made[i].puzzle = MinimalPuzzle(made[i].solution, random);
        CountSolutionsAndGuesses(made[i].puzzle, 2, made[i].guesses);
    });
    std::vector<int> order(grids);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return made[a].guesses > made[b].guesses; });
    order.resize(std::min(count, grids));
    std::sort(order.begin(), order.end());
    std::vector<std::string> lines;
    for (int i : order)
        lines.push_back(PuzzleText(made[i].solution, made[i].puzzle));
    return lines;
}

} // namespace orvane::bank
