#include "core/skinmodel/SkinKeys.h"

namespace orvane {

const std::array<std::string_view, SkinKeyCount> SkinKeyNames = {
    "SKIN2_TRANSCOLOR",
    "SKIN2_TITLEFONTCOLOR",
    "SKIN2_FORMCOLOR",
    "SKIN2_MENUBARSTARTCOLOR",
    "SKIN2_MENUBARENDCOLOR",
    "SKIN2_TOPSELECTEDMENUCOLOR",
    "SKIN2_TOPSELECTEDMENUBORDERCOLOR",
    "SKIN2_TOPSELECTEDMENUFONTCOLOR",
    "SKIN2_TOPMENUFONTCOLOR",
    "SKIN2_LEFTBARSTARTCOLOR",
    "SKIN2_LEFTBARENDCOLOR",
    "SKIN2_MENUITEMCOLOR",
    "SKIN2_MENUITEMFONTCOLOR",
    "SKIN2_SELECTEDMENUCOLOR",
    "SKIN2_SELECTEDMENUBORDERCOLOR",
    "SKIN2_SELECTEDMENUFONTCOLOR",
    "SKIN2_TOOLBARSTARTCOLOR",
    "SKIN2_TOOLBARENDCOLOR",
    "SKIN2_TOOLBARONCOLOR",
    "SKIN2_TOOLBARBORDERCOLOR",
    "SKIN2_TOOLBARDOWNCOLOR",
    "SKIN2_CONTROLCOLOR",
    "SKIN2_CONTROLBORDERCOLOR",
    "SKIN2_CONTROLFONTCOLOR",
    "SKIN2_BUTTONFONTCOLOR",
    "SKIN2_SCROLLBARCOLOR",
    "SKIN2_TABCONTROLCOLOR",
    "SKIN2_TABCONTROLBORDERCOLOR",
    "SKIN2_TABCONTROLACTIVEFONTCOLOR",
    "SKIN2_TABCONTROLINACTIVEFONTCOLOR",
    "SKIN2_SIDECHANNELCOLOR",
    "SKIN2_SIDECHANNELBORDERCOLOR",
    "SKIN2_TITLEBAR1",
    "SKIN2_TITLEBAR2",
    "SKIN2_TITLEBAR3",
    "SKIN2_TITLEBAR4",
    "SKIN2_TITLEBAR5",
    "SKIN2_FORMLEFTBORDER",
    "SKIN2_FORMRIGHTBORDER",
    "SKIN2_FORMBOTTOMBORDER1",
    "SKIN2_FORMBOTTOMBORDER2",
    "SKIN2_FORMBOTTOMBORDER3",
    "SKIN2_MINIMIZEDTITLE",
    "SKIN2_TITLEBUTTONS",
    "SKIN2_CHECKEDMENUICON",
    "SKIN2_MENUBAR",
    "SKIN2_TOOLBAR",
    "SKIN2_BUTTON",
    "SKIN2_CHECKBOX",
    "SKIN2_CHECKBOXLIST",
    "SKIN2_RADIOBUTTON",
    "SKIN2_PROGRESSBAR1",
    "SKIN2_PROGRESSBAR2",
    "SKIN2_PROGRESSBAR3",
    "SKIN2_PROGRESSBAR4",
    "SKIN2_TRACKBAR",
    "SKIN2_TRACKBARSLIDER",
    "SKIN2_TRACKBARVSLIDER",
    "SKIN2_SCROLLBARUPBUTTON",
    "SKIN2_SCROLLBAR",
    "SKIN2_SCROLLBARDOWNBUTTON",
    "SKIN2_TABCONTROL",
    "SKIN2_TABCONTROLLINE",
    "SKIN2_SIDECHANNELBAR",
    "SKIN2_SIDECHANNELTITLE",
    "SKIN2_SCROLLBUTTON",
    "SKIN2_TITLEBARICONPOSX",
    "SKIN2_TITLEBARICONPOSY",
    "SKIN2_TITLEBARCAPTIONTOP",
    "SKIN2_TITLEBARBUTTONPOSX",
    "SKIN2_TITLEBARBUTTONPOSY",
    "SKIN2_TITLEBARREGIONMINY",
    "SKIN2_TITLEBARREGIONMAXY",
    "SKIN2_BOTTOMREGIONMINY",
    "SKIN2_BOTTOMREGIONMAXY",
    "SKIN2_TITLEFIVESECT",
    "SKIN2_BOTTOMBORDERTHREESECT",
    "SKIN2_TITLEBARNEEDREGION",
    "SKIN2_BOTTOMBORDERNEEDREGION",
    "SKIN2_TITLEBTNTRANS",
    "SKIN2_BUTTONTRANS",
    "SKIN2_CHECKBOXTRANS",
    "SKIN2_RADIOBUTTONTRANS",
    "SKIN2_TABCONTROLTRANS",
};

int SkinGroupStart(SkinKeyGroup group)
{
    switch (group) {
    case SkinKeyGroup::Colors: return 0;
    case SkinKeyGroup::Images: return SkinColorCount;
    case SkinKeyGroup::Integers: return SkinColorCount + SkinImageCount;
    case SkinKeyGroup::Flags: return SkinColorCount + SkinImageCount + SkinIntegerCount;
    }
    return 0;
}

int SkinGroupSize(SkinKeyGroup group)
{
    switch (group) {
    case SkinKeyGroup::Colors: return SkinColorCount;
    case SkinKeyGroup::Images: return SkinImageCount;
    case SkinKeyGroup::Integers: return SkinIntegerCount;
    case SkinKeyGroup::Flags: return SkinFlagCount;
    }
    return 0;
}

std::string_view SkinKeyName(SkinKeyGroup group, int index)
{
    const int masked = index & SkinKeyIndexMask;
    if (masked >= SkinGroupSize(group))
        return {};
    return SkinKeyNames[std::size_t(SkinGroupStart(group) + masked)];
}

bool FindSkinKey(std::string_view name, SkinKeyGroup& group, int& index)
{
    for (SkinKeyGroup candidate : {SkinKeyGroup::Colors, SkinKeyGroup::Images, SkinKeyGroup::Integers, SkinKeyGroup::Flags})
        for (int i = 0; i < SkinGroupSize(candidate); ++i)
            if (SkinKeyNames[std::size_t(SkinGroupStart(candidate) + i)] == name) {
                group = candidate;
                index = i;
                return true;
            }
    return false;
}

std::string_view SkinKeyGroupName(SkinKeyGroup group)
{
    switch (group) {
    case SkinKeyGroup::Colors: return "colour";
    case SkinKeyGroup::Images: return "image";
    case SkinKeyGroup::Integers: return "integer";
    case SkinKeyGroup::Flags: return "flag";
    }
    return {};
}

} // namespace orvane
