#include "SkinManifest.h"

#include "core/skinmodel/SkinKeys.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace orvane {
namespace {

// The longest name an SK2 entry header holds.
constexpr std::size_t MaxNameLength = 64;
constexpr std::string_view VocabularyPrefix = "SKIN2_";

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Splits off the first whitespace-separated word.
std::string_view NextWord(std::string_view& rest)
{
    rest = Trim(rest);
    const auto end = rest.find_first_of(" \t");
    const std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : Trim(rest.substr(end));
    return word;
}

bool ParseKind(std::string_view word, ManifestKind& kind)
{
    static constexpr std::pair<std::string_view, ManifestKind> kinds[] = {
        {"colour", ManifestKind::Colour}, {"color", ManifestKind::Colour}, {"integer", ManifestKind::Integer},
        {"flag", ManifestKind::Flag},    {"string", ManifestKind::String}, {"image", ManifestKind::Image},
    };
    for (const auto& [name, value] : kinds)
        if (word == name) {
            kind = value;
            return true;
        }
    return false;
}

bool ParseFlag(std::string_view word, std::int32_t& value)
{
    if (word == "yes" || word == "true" || word == "1") {
        value = 1;
        return true;
    }
    if (word == "no" || word == "false" || word == "0") {
        value = 0;
        return true;
    }
    return false;
}

bool ParseInteger(std::string_view word, std::int32_t& value)
{
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size() && !word.empty();
}

ManifestKind KindOfGroup(SkinKeyGroup group)
{
    switch (group) {
    case SkinKeyGroup::Colors: return ManifestKind::Colour;
    case SkinKeyGroup::Images: return ManifestKind::Image;
    case SkinKeyGroup::Integers: return ManifestKind::Integer;
    case SkinKeyGroup::Flags: return ManifestKind::Flag;
    }
    return ManifestKind::String;
}

} // namespace

const ManifestEntry* SkinManifest::Find(std::string_view name) const
{
    for (const ManifestEntry& entry : entries)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

bool ParseWebColor(std::string_view text, std::uint32_t& color)
{
    if (text.size() != 7 || text[0] != '#')
        return false;
    std::uint32_t rgb = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), rgb, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    color = ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
    return true;
}

SkinManifest ParseSkinManifest(std::string_view text)
{
    SkinManifest manifest;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        std::string_view rest = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        ++lineNumber;
        rest = Trim(rest);
        if (rest.empty() || rest[0] == '#')
            continue;

        auto fail = [&](const std::string& message) {
            manifest.errors.push_back("line " + std::to_string(lineNumber) + ": " + message);
        };
        ManifestEntry entry{};
        entry.line = lineNumber;
        const std::string_view kindWord = NextWord(rest);
        if (!ParseKind(kindWord, entry.kind)) {
            fail("unknown kind '" + std::string(kindWord) + "' (colour, integer, flag, string or image)");
            continue;
        }
        entry.name = std::string(NextWord(rest));
        if (entry.name.empty() || entry.name.size() > MaxNameLength) {
            fail("a name of 1 to 64 characters is needed");
            continue;
        }
        if (entry.name.starts_with(VocabularyPrefix)) {
            SkinKeyGroup group;
            int index;
            if (!FindSkinKey(entry.name, group, index)) {
                fail("'" + entry.name + "' is not a skin key");
                continue;
            }
            if (KindOfGroup(group) != entry.kind) {
                fail("'" + entry.name + "' is a key of kind " + std::string(SkinKeyGroupName(group)));
                continue;
            }
        }
        if (manifest.Find(entry.name) != nullptr) {
            fail("'" + entry.name + "' is given twice");
            continue;
        }
        // Strings and file names run to the end of the line; numbers are one word.
        const bool restOfLine = entry.kind == ManifestKind::String || entry.kind == ManifestKind::Image;
        const std::string_view value = restOfLine ? rest : NextWord(rest);
        if (!restOfLine && !Trim(rest).empty()) {
            fail("unexpected text after the value of '" + entry.name + "'");
            continue;
        }
        bool valid = true;
        switch (entry.kind) {
        case ManifestKind::Colour: {
            std::uint32_t color = 0;
            valid = ParseWebColor(value, color);
            entry.number = std::int32_t(color);
            break;
        }
        case ManifestKind::Integer: valid = ParseInteger(value, entry.number); break;
        case ManifestKind::Flag: valid = ParseFlag(value, entry.number); break;
        case ManifestKind::String: entry.text = std::string(value); break;
        case ManifestKind::Image:
            entry.text = std::string(value);
            valid = !value.empty();
            break;
        }
        if (!valid) {
            fail("'" + std::string(value) + "' is not a valid value for '" + entry.name + "'");
            continue;
        }
        manifest.entries.push_back(std::move(entry));
    }
    return manifest;
}

SkinManifest ReadSkinManifest(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        SkinManifest manifest;
        manifest.errors.push_back("cannot read " + path.string());
        return manifest;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseSkinManifest(text.str());
}

} // namespace orvane
