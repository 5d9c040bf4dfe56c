#include "core/skinmenu/MenuBarMerge.h"

#include <bitset>

namespace orvane {

namespace {

constexpr int GroupCount = 256;

int GroupOf(int groupIndex) { return groupIndex < 0 ? 0 : groupIndex >= GroupCount ? GroupCount - 1 : groupIndex; }

} // namespace

std::vector<MergedMenuItem> MergeMenuBarItems(std::span<const int> frameGroups, std::span<const int> childGroups)
{
    std::vector<MergedMenuItem> merged;
    std::bitset<GroupCount> childUses;
    for (const int group : childGroups)
        childUses.set(std::size_t(GroupOf(group)));
    std::vector<int> mergedGroups;
    for (int index = 0; index < int(frameGroups.size()); ++index)
        if (!childUses.test(std::size_t(GroupOf(frameGroups[std::size_t(index)])))) {
            merged.push_back({false, index});
            mergedGroups.push_back(GroupOf(frameGroups[std::size_t(index)]));
        }
    if (childGroups.empty())
        return merged;

    const int firstChildGroup = GroupOf(childGroups.front());
    std::size_t insertAt = 0;
    for (std::size_t position = merged.size(); position > 0; --position)
        if (mergedGroups[position - 1] < firstChildGroup) {
            insertAt = position;
            break;
        }
    std::vector<MergedMenuItem> childItems;
    for (int index = 0; index < int(childGroups.size()); ++index)
        childItems.push_back({true, index});
    merged.insert(merged.begin() + std::ptrdiff_t(insertAt), childItems.begin(), childItems.end());
    return merged;
}

} // namespace orvane
