#include "core/play/KeptGame.h"

#include "core/text/IntegerText.h"

#include <vector>

namespace orvane {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view SecondsName = "Seconds";
constexpr std::string_view CountedName = "Counted";
constexpr std::string_view HintsUsedName = "HintsUsed";
constexpr std::string_view SolutionShownName = "SolutionShown";
constexpr std::string_view MarksTag = "Marks:";
// The saved game's own lines: four, and the marks line when there is one.
constexpr std::size_t SavedGameLines = 4;

void AppendLine(std::string& text, std::string_view name, std::int64_t value)
{
    text += name;
    text += '=';
    text += std::to_string(value);
    text += LineEnd;
}

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + (text.substr(end, 2) == LineEnd ? 2 : 1));
    }
    return lines;
}

// Reads one field line into the kept game; false when it is damaged.
bool ReadField(std::string_view line, KeptGame& kept)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    const std::string_view name = line.substr(0, equals);
    const std::optional<std::int64_t> value = WholeNumber(line.substr(equals + 1));
    if (!value)
        return false;
    if (name == SecondsName) {
        kept.seconds = *value;
        return true;
    }
    bool* flag = name == CountedName         ? &kept.counted
                 : name == HintsUsedName     ? &kept.hintsUsed
                 : name == SolutionShownName ? &kept.solutionShown
                                             : nullptr;
    if (!flag || *value > 1)
        return false;
    *flag = *value == 1;
    return true;
}

} // namespace

std::string KeptGameText(const KeptGame& kept)
{
    std::string text = SavedGameText(kept.game);
    AppendLine(text, SecondsName, kept.seconds);
    AppendLine(text, CountedName, kept.counted);
    AppendLine(text, HintsUsedName, kept.hintsUsed);
    AppendLine(text, SolutionShownName, kept.solutionShown);
    return text;
}

std::optional<KeptGame> ReadKeptGame(std::string_view text)
{
    const SavedGameReadResult read = ReadSavedGame(text);
    if (!read.Game)
        return std::nullopt;
    KeptGame kept;
    kept.game = *read.Game;
    const std::vector<std::string_view> lines = Lines(text);
    for (std::size_t index = SavedGameLines; index < lines.size(); ++index) {
        if (index == SavedGameLines && lines[index].starts_with(MarksTag))
            continue;
        if (lines[index].empty())
            continue;
        if (!ReadField(lines[index], kept))
            return std::nullopt;
    }
    return kept;
}

} // namespace orvane
