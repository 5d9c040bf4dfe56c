#pragma once

#include <array>
#include <string_view>

namespace orvane {

// The vocabulary of a skin: 84 key names under which a skin package carries
// its colours, images, numbers and flags. Skinned elements name a key by its
// group and its index within the group; the names are one table in group
// order:
//
//   group     indices  table positions
//   colours   0-31     0-31
//   images    0-33     32-65
//   integers  0-8      66-74
//   flags     0-8      75-83
//
// Only the low seven bits of an index count (index & 0x7F), so 128 + n names
// the same key as n.

enum class SkinKeyGroup { Colors, Images, Integers, Flags };

inline constexpr int SkinColorCount = 32;
inline constexpr int SkinImageCount = 34;
inline constexpr int SkinIntegerCount = 9;
inline constexpr int SkinFlagCount = 9;
inline constexpr int SkinKeyCount = SkinColorCount + SkinImageCount + SkinIntegerCount + SkinFlagCount;
inline constexpr int SkinKeyIndexMask = 0x7F;

enum SkinColorIndex : int {
    SKIN2_TRANSCOLOR = 0,
    SKIN2_TITLEFONTCOLOR = 1,
    SKIN2_FORMCOLOR = 2,
    SKIN2_MENUBARSTARTCOLOR = 3,
    SKIN2_MENUBARENDCOLOR = 4,
    SKIN2_TOPSELECTEDMENUCOLOR = 5,
    SKIN2_TOPSELECTEDMENUBORDERCOLOR = 6,
    SKIN2_TOPSELECTEDMENUFONTCOLOR = 7,
    SKIN2_TOPMENUFONTCOLOR = 8,
    SKIN2_LEFTBARSTARTCOLOR = 9,
    SKIN2_LEFTBARENDCOLOR = 10,
    SKIN2_MENUITEMCOLOR = 11,
    SKIN2_MENUITEMFONTCOLOR = 12,
    SKIN2_SELECTEDMENUCOLOR = 13,
    SKIN2_SELECTEDMENUBORDERCOLOR = 14,
    SKIN2_SELECTEDMENUFONTCOLOR = 15,
    SKIN2_TOOLBARSTARTCOLOR = 16,
    SKIN2_TOOLBARENDCOLOR = 17,
    SKIN2_TOOLBARONCOLOR = 18,
    SKIN2_TOOLBARBORDERCOLOR = 19,
    SKIN2_TOOLBARDOWNCOLOR = 20,
    SKIN2_CONTROLCOLOR = 21,
    SKIN2_CONTROLBORDERCOLOR = 22,
    SKIN2_CONTROLFONTCOLOR = 23,
    SKIN2_BUTTONFONTCOLOR = 24,
    SKIN2_SCROLLBARCOLOR = 25,
    SKIN2_TABCONTROLCOLOR = 26,
    SKIN2_TABCONTROLBORDERCOLOR = 27,
    SKIN2_TABCONTROLACTIVEFONTCOLOR = 28,
    SKIN2_TABCONTROLINACTIVEFONTCOLOR = 29,
    SKIN2_SIDECHANNELCOLOR = 30,
    SKIN2_SIDECHANNELBORDERCOLOR = 31,
};

enum SkinImageIndex : int {
    SKIN2_TITLEBAR1 = 0,
    SKIN2_TITLEBAR2 = 1,
    SKIN2_TITLEBAR3 = 2,
    SKIN2_TITLEBAR4 = 3,
    SKIN2_TITLEBAR5 = 4,
    SKIN2_FORMLEFTBORDER = 5,
    SKIN2_FORMRIGHTBORDER = 6,
    SKIN2_FORMBOTTOMBORDER1 = 7,
    SKIN2_FORMBOTTOMBORDER2 = 8,
    SKIN2_FORMBOTTOMBORDER3 = 9,
    SKIN2_MINIMIZEDTITLE = 10,
    SKIN2_TITLEBUTTONS = 11,
    SKIN2_CHECKEDMENUICON = 12,
    SKIN2_MENUBAR = 13,
    SKIN2_TOOLBAR = 14,
    SKIN2_BUTTON = 15,
    SKIN2_CHECKBOX = 16,
    SKIN2_CHECKBOXLIST = 17,
    SKIN2_RADIOBUTTON = 18,
    SKIN2_PROGRESSBAR1 = 19,
    SKIN2_PROGRESSBAR2 = 20,
    SKIN2_PROGRESSBAR3 = 21,
    SKIN2_PROGRESSBAR4 = 22,
    SKIN2_TRACKBAR = 23,
    SKIN2_TRACKBARSLIDER = 24,
    SKIN2_TRACKBARVSLIDER = 25,
    SKIN2_SCROLLBARUPBUTTON = 26,
    SKIN2_SCROLLBAR = 27,
    SKIN2_SCROLLBARDOWNBUTTON = 28,
    SKIN2_TABCONTROL = 29,
    SKIN2_TABCONTROLLINE = 30,
    SKIN2_SIDECHANNELBAR = 31,
    SKIN2_SIDECHANNELTITLE = 32,
    SKIN2_SCROLLBUTTON = 33,
};

enum SkinIntegerIndex : int {
    SKIN2_TITLEBARICONPOSX = 0,
    SKIN2_TITLEBARICONPOSY = 1,
    SKIN2_TITLEBARCAPTIONTOP = 2,
    SKIN2_TITLEBARBUTTONPOSX = 3,
    SKIN2_TITLEBARBUTTONPOSY = 4,
    SKIN2_TITLEBARREGIONMINY = 5,
    SKIN2_TITLEBARREGIONMAXY = 6,
    SKIN2_BOTTOMREGIONMINY = 7,
    SKIN2_BOTTOMREGIONMAXY = 8,
};

enum SkinFlagIndex : int {
    SKIN2_TITLEFIVESECT = 0,
    SKIN2_BOTTOMBORDERTHREESECT = 1,
    SKIN2_TITLEBARNEEDREGION = 2,
    SKIN2_BOTTOMBORDERNEEDREGION = 3,
    SKIN2_TITLEBTNTRANS = 4,
    SKIN2_BUTTONTRANS = 5,
    SKIN2_CHECKBOXTRANS = 6,
    SKIN2_RADIOBUTTONTRANS = 7,
    SKIN2_TABCONTROLTRANS = 8,
};

// The whole table, in table-position order.
extern const std::array<std::string_view, SkinKeyCount> SkinKeyNames;

// Where a group starts in the table, and how many keys it has.
int SkinGroupStart(SkinKeyGroup group);
int SkinGroupSize(SkinKeyGroup group);

// The name of a key by group and index (index & 0x7F); empty when the masked
// index lies beyond the group, so that such a key reads as missing.
std::string_view SkinKeyName(SkinKeyGroup group, int index);

// The group and index of a name (exact, upper case as the table has it); false
// when the name is not in the vocabulary.
bool FindSkinKey(std::string_view name, SkinKeyGroup& group, int& index);

std::string_view SkinKeyGroupName(SkinKeyGroup group);

} // namespace orvane
