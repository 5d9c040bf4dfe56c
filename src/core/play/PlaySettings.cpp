#include "core/play/PlaySettings.h"

namespace orvane {

namespace {

constexpr std::string_view HighlightName = "Highlight";
constexpr std::string_view AutoCleanNotesName = "AutoCleanNotes";
constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string Line(std::string_view name, bool value)
{
    return std::string(name) + (value ? "=1" : "=0") + std::string(LineEnd);
}

// Reads one line into the settings; false when the line is damaged.
bool ReadLine(std::string_view line, PlaySettings& settings)
{
    if (Trimmed(line).empty())
        return true;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    const std::string_view name = Trimmed(line.substr(0, equals));
    const std::string_view value = Trimmed(line.substr(equals + 1));
    bool* target = nullptr;
    if (name == HighlightName)
        target = &settings.Highlight;
    else if (name == AutoCleanNotesName)
        target = &settings.AutoCleanNotes;
    else
        return true;
    if (value != "0" && value != "1")
        return false;
    *target = value == "1";
    return true;
}

} // namespace

std::string PlaySettingsText(const PlaySettings& settings)
{
    return Line(HighlightName, settings.Highlight) + Line(AutoCleanNotesName, settings.AutoCleanNotes);
}

PlaySettings ReadPlaySettings(std::string_view text)
{
    if (text.starts_with(Utf8ByteOrderMark))
        text.remove_prefix(Utf8ByteOrderMark.size());
    PlaySettings settings;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        if (!ReadLine(line, settings))
            return PlaySettings{};
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return settings;
}

} // namespace orvane
