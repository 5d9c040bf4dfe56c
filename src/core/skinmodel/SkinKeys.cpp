#include "core/skinmodel/SkinKeys.h"

namespace orvane {

#define ORVANE_SKIN_KEY_NAME(name) "SKIN2_" #name,
const std::array<std::string_view, SkinKeyCount> SkinKeyNames = {
    ORVANE_SKIN_COLOR_KEYS(ORVANE_SKIN_KEY_NAME) ORVANE_SKIN_IMAGE_KEYS(ORVANE_SKIN_KEY_NAME)
        ORVANE_SKIN_INTEGER_KEYS(ORVANE_SKIN_KEY_NAME) ORVANE_SKIN_FLAG_KEYS(ORVANE_SKIN_KEY_NAME)};
#undef ORVANE_SKIN_KEY_NAME
static_assert(SkinKeyCount == 84, "the vocabulary has 84 keys");

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
