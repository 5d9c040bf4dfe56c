#pragma once

#include "core/skinmodel/SkinKeyTable.h"

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

// Each group's size is the length of its list.
#define ORVANE_SKIN_KEY_ONE(name) +1
inline constexpr int SkinColorCount = 0 ORVANE_SKIN_COLOR_KEYS(ORVANE_SKIN_KEY_ONE);
inline constexpr int SkinImageCount = 0 ORVANE_SKIN_IMAGE_KEYS(ORVANE_SKIN_KEY_ONE);
inline constexpr int SkinIntegerCount = 0 ORVANE_SKIN_INTEGER_KEYS(ORVANE_SKIN_KEY_ONE);
inline constexpr int SkinFlagCount = 0 ORVANE_SKIN_FLAG_KEYS(ORVANE_SKIN_KEY_ONE);
#undef ORVANE_SKIN_KEY_ONE
inline constexpr int SkinKeyCount = SkinColorCount + SkinImageCount + SkinIntegerCount + SkinFlagCount;
inline constexpr int SkinKeyIndexMask = 0x7F;

#define ORVANE_SKIN_KEY_ENUMERATOR(name) SKIN2_##name,
enum SkinColorIndex : int { ORVANE_SKIN_COLOR_KEYS(ORVANE_SKIN_KEY_ENUMERATOR) };
enum SkinImageIndex : int { ORVANE_SKIN_IMAGE_KEYS(ORVANE_SKIN_KEY_ENUMERATOR) };
enum SkinIntegerIndex : int { ORVANE_SKIN_INTEGER_KEYS(ORVANE_SKIN_KEY_ENUMERATOR) };
enum SkinFlagIndex : int { ORVANE_SKIN_FLAG_KEYS(ORVANE_SKIN_KEY_ENUMERATOR) };
#undef ORVANE_SKIN_KEY_ENUMERATOR

// The title button strip (SKIN2_TITLEBUTTONS): one image of 18 equal frames
// side by side, three states (normal, hot, pressed) per button, numbered
// from 1.
inline constexpr int ButtonStripFrames = 18;

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
