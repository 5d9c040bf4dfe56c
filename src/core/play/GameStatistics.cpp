#include "core/play/GameStatistics.h"

#include "core/text/IntegerText.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace orvane {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view LevelField = "Level";

// The fields of a level, in the order they are written.
struct Field {
    std::string_view name;
    std::int64_t LevelStatistics::*member;
};

constexpr std::array<Field, 9> Fields = {{
    {"Started", &LevelStatistics::started},
    {"Solved", &LevelStatistics::solved},
    {"SolvedWithHints", &LevelStatistics::solvedWithHints},
    {"SolutionShown", &LevelStatistics::solutionShown},
    {"Hints", &LevelStatistics::hints},
    {"BestSeconds", &LevelStatistics::bestSeconds},
    {"TotalSeconds", &LevelStatistics::totalSeconds},
    {"Run", &LevelStatistics::run},
    {"BestRun", &LevelStatistics::bestRun},
}};

std::vector<std::string_view> Split(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(separators);
        if (end != 0)
            parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return parts;
}

int LevelNamed(std::string_view name)
{
    for (int level = 0; level < LevelCount; ++level)
        if (LevelNames[std::size_t(level)] == name)
            return level;
    return -1;
}

// The level a game of the record belongs to, or null for an uncounted game.
LevelStatistics* Counted(GameStatistics& statistics, const GameRecord& record)
{
    if (!record.counted || !IsLevel(record.level))
        return nullptr;
    return &statistics.levels[std::size_t(record.level)];
}

void EndRun(LevelStatistics& level) { level.run = 0; }

} // namespace

std::string StatisticsText(const GameStatistics& statistics)
{
    std::string text;
    for (int level = 0; level < LevelCount; ++level) {
        text += LevelField;
        text += '=';
        text += LevelNames[std::size_t(level)];
        for (const Field& field : Fields) {
            text += ' ';
            text += field.name;
            text += '=';
            text += std::to_string(statistics.levels[std::size_t(level)].*field.member);
        }
        text += LineEnd;
    }
    return text;
}

std::optional<GameStatistics> ReadStatistics(std::string_view text)
{
    GameStatistics statistics;
    std::array<bool, LevelCount> seen{};
    for (const std::string_view line : Split(text, "\r\n")) {
        const std::vector<std::string_view> fields = Split(line, " \t");
        if (fields.empty())
            continue;
        int level = -1;
        for (std::size_t index = 0; index < fields.size(); ++index) {
            const std::size_t equals = fields[index].find('=');
            if (equals == std::string_view::npos)
                return std::nullopt;
            const std::string_view name = fields[index].substr(0, equals);
            const std::string_view value = fields[index].substr(equals + 1);
            if (index == 0) {
                level = name == LevelField ? LevelNamed(value) : -1;
                if (level < 0 || seen[std::size_t(level)])
                    return std::nullopt;
                seen[std::size_t(level)] = true;
                continue;
            }
            const auto field = std::find_if(Fields.begin(), Fields.end(), [&](const Field& f) { return f.name == name; });
            if (field == Fields.end())
                continue;
            const std::optional<std::int64_t> number = WholeNumber(value);
            if (!number)
                return std::nullopt;
            statistics.levels[std::size_t(level)].*field->member = *number;
        }
    }
    return statistics;
}

void BeginGame(GameStatistics& statistics, GameRecord& record, int level, bool counted, bool newlyStarted)
{
    if (record.inProgress)
        if (LevelStatistics* left = Counted(statistics, record))
            EndRun(*left);
    record = GameRecord{level, counted, true, false, false};
    if (newlyStarted)
        if (LevelStatistics* begun = Counted(statistics, record))
            ++begun->started;
}

void SolveGame(GameStatistics& statistics, GameRecord& record, std::int64_t seconds)
{
    if (!record.inProgress || record.solutionShown)
        return;
    record.inProgress = false;
    LevelStatistics* level = Counted(statistics, record);
    if (!level)
        return;
    if (record.hintsUsed) {
        ++level->solvedWithHints;
    } else {
        ++level->solved;
        level->totalSeconds += seconds;
        if (level->bestSeconds == 0 || seconds < level->bestSeconds)
            level->bestSeconds = std::max<std::int64_t>(seconds, 1);
    }
    ++level->run;
    level->bestRun = std::max(level->bestRun, level->run);
}

void ShowSolution(GameStatistics& statistics, GameRecord& record)
{
    if (!record.inProgress || record.solutionShown)
        return;
    record.solutionShown = true;
    if (LevelStatistics* level = Counted(statistics, record)) {
        ++level->solutionShown;
        EndRun(*level);
    }
}

void TakeHint(GameStatistics& statistics, GameRecord& record)
{
    if (!record.inProgress)
        return;
    record.hintsUsed = true;
    if (LevelStatistics* level = Counted(statistics, record))
        ++level->hints;
}

} // namespace orvane
