#include "SkinCheck.h"

#include "ExitStatus.h"
#include "LoadFailureReport.h"

#include "core/base/Exception.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/skinpackage/NameCompare.h"
#include "core/skinpackage/Sk2SkinFileReader.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace orvane {
namespace {

// Keys of the vocabulary that no element reads.
constexpr std::string_view UnreadKeys[] = {
    "SKIN2_TABCONTROLCOLOR", "SKIN2_TABCONTROLBORDERCOLOR", "SKIN2_SIDECHANNELCOLOR", "SKIN2_SIDECHANNELBORDERCOLOR",
    "SKIN2_CHECKBOXLIST",    "SKIN2_SIDECHANNELBAR",        "SKIN2_SIDECHANNELTITLE", "SKIN2_SCROLLBUTTON",
};

// Keys that are read but have a defined meaning when absent.
struct Fallback {
    std::string_view key;
    std::string_view without;
};
constexpr Fallback Fallbacks[] = {
    {"SKIN2_MENUBAR", "the menu bar is a gradient of the menu-bar colours"},
    {"SKIN2_TOOLBAR", "the tool bar is a gradient of the tool-bar colours"},
    {"SKIN2_TITLEBARREGIONMINY", "every title row is scanned for the region"},
    {"SKIN2_TITLEBARREGIONMAXY", "every title row is scanned for the region"},
    {"SKIN2_BOTTOMREGIONMINY", "every bottom-border row is scanned for the region"},
    {"SKIN2_BOTTOMREGIONMAXY", "every bottom-border row is scanned for the region"},
};

struct Strip {
    std::string_view key;
    int frames;
};
constexpr Strip Strips[] = {
    {"SKIN2_TITLEBUTTONS", 18}, {"SKIN2_BUTTON", 3},           {"SKIN2_CHECKBOX", 6},
    {"SKIN2_RADIOBUTTON", 4},   {"SKIN2_SCROLLBARUPBUTTON", 3}, {"SKIN2_SCROLLBARDOWNBUTTON", 3},
    {"SKIN2_TABCONTROL", 2},
};

struct RegionRows {
    std::string_view minKey;
    std::string_view maxKey;
    std::string_view bandImage;
    std::string_view bandName;
};
constexpr RegionRows Regions[] = {
    {"SKIN2_TITLEBARREGIONMINY", "SKIN2_TITLEBARREGIONMAXY", "SKIN2_TITLEBAR1", "title band"},
    {"SKIN2_BOTTOMREGIONMINY", "SKIN2_BOTTOMREGIONMAXY", "SKIN2_FORMBOTTOMBORDER1", "bottom band"},
};

// Whether a "NAME=VALUE" table has a line for the name.
bool HasLine(const std::vector<std::string>& lines, std::string_view name)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        const auto equals = line.find('=');
        return equals != std::string::npos && NamesEqualIgnoringCase(std::string_view(line).substr(0, equals), name);
    });
}

bool Present(const Tsk2SkinFileReader& reader, SkinKeyGroup group, std::string_view name)
{
    switch (group) {
    case SkinKeyGroup::Images: return reader.GetImage(name) != nullptr;
    case SkinKeyGroup::Colors:
    case SkinKeyGroup::Integers: return HasLine(reader.Integers(), name);
    case SkinKeyGroup::Flags: return HasLine(reader.Bools(), name);
    }
    return false;
}

// Keys read only when a flag chooses the drawing that needs them.
struct Conditional {
    std::string_view key;
    std::string_view flag;
};
constexpr Conditional Conditionals[] = {
    {"SKIN2_TITLEBAR4", "SKIN2_TITLEFIVESECT"},
    {"SKIN2_TITLEBAR5", "SKIN2_TITLEFIVESECT"},
    {"SKIN2_FORMBOTTOMBORDER2", "SKIN2_BOTTOMBORDERTHREESECT"},
    {"SKIN2_FORMBOTTOMBORDER3", "SKIN2_BOTTOMBORDERTHREESECT"},
    {"SKIN2_TITLEBARREGIONMINY", "SKIN2_TITLEBARNEEDREGION"},
    {"SKIN2_TITLEBARREGIONMAXY", "SKIN2_TITLEBARNEEDREGION"},
    {"SKIN2_BOTTOMREGIONMINY", "SKIN2_BOTTOMBORDERNEEDREGION"},
    {"SKIN2_BOTTOMREGIONMAXY", "SKIN2_BOTTOMBORDERNEEDREGION"},
};

bool ReadBySkin(const Tsk2SkinFileReader& reader, std::string_view key)
{
    for (const Conditional& conditional : Conditionals)
        if (conditional.key == key)
            return reader.GetBool(conditional.flag);
    return true;
}

const Fallback* FindFallback(std::string_view key)
{
    for (const Fallback& fallback : Fallbacks)
        if (fallback.key == key)
            return &fallback;
    return nullptr;
}

} // namespace

int CheckSkin(const std::filesystem::path& package, const std::string& password, std::ostream& out,
              std::ostream& errors)
{
    std::optional<Tsk2SkinFileReader> loaded;
    try {
        loaded.emplace(package, password);
    } catch (const Exception& error) {
        ReportLoadFailure(package, error, errors);
        return ExitCannotLoad;
    }
    const Tsk2SkinFileReader& reader = *loaded;
    int problems = 0;

    for (SkinKeyGroup group : {SkinKeyGroup::Colors, SkinKeyGroup::Images, SkinKeyGroup::Integers, SkinKeyGroup::Flags})
        for (int index = 0; index < SkinGroupSize(group); ++index) {
            const std::string_view key = SkinKeyName(group, index);
            if (std::find(std::begin(UnreadKeys), std::end(UnreadKeys), key) != std::end(UnreadKeys) ||
                !ReadBySkin(reader, key) || Present(reader, group, key))
                continue;
            if (const Fallback* fallback = FindFallback(key)) {
                out << "note: " << key << " is absent: " << fallback->without << '\n';
                continue;
            }
            if (group == SkinKeyGroup::Flags) {
                out << "note: " << key << " is absent: it reads as off\n";
                continue;
            }
            out << "missing: " << key << " (" << SkinKeyGroupName(group) << ")\n";
            ++problems;
        }

    for (const Strip& strip : Strips) {
        const Bitmap* image = reader.GetImage(strip.key);
        if (image == nullptr || image->Width() % strip.frames == 0)
            continue;
        out << "strip: " << strip.key << " is " << image->Width() << " pixels wide, which does not divide into "
            << strip.frames << " frames\n";
        ++problems;
    }

    // The nine-slice drawing of push buttons takes its centre and side edges
    // from the middle row of a frame, which only an odd height has.
    if (const Bitmap* button = reader.GetImage("SKIN2_BUTTON"); button != nullptr && button->Height() % 2 == 0)
        out << "note: SKIN2_BUTTON is " << button->Height()
            << " pixels high; with an even height button centres and side edges stay undrawn\n";

    for (const RegionRows& region : Regions) {
        const Bitmap* band = reader.GetImage(region.bandImage);
        const int bandHeight = band != nullptr ? band->Height() : 0;
        for (std::string_view key : {region.minKey, region.maxKey}) {
            if (!HasLine(reader.Integers(), key))
                continue;
            const int row = reader.GetInteger(key);
            if (row == -1 || (row >= 0 && row < bandHeight))
                continue;
            out << "region: " << key << " = " << row << " lies outside the " << region.bandName << " (rows 0 to "
                << bandHeight - 1 << ")\n";
            ++problems;
        }
    }

    if (problems == 0)
        out << "ok: the engine finds every key it reads\n";
    return problems == 0 ? ExitOk : ExitProblems;
}

} // namespace orvane
