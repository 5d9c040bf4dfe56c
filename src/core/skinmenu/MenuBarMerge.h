#pragma once

#include <span>
#include <vector>

namespace orvane {

// One top-level item on a merged menu bar: which menu it comes from and its
// place among that menu's top-level items.
struct MergedMenuItem {
    bool fromChild = false;
    int index = 0;
    bool operator==(const MergedMenuItem&) const = default;
};

// The top-level items an MDI frame's menu bar shows, given the group indexes
// (0..255) of the frame's items and of the active child's, in order. The
// child's items replace the frame's items of the groups they use and stand
// after the last remaining frame item of a lower group than the child's
// first item (at the start when there is none). A child without items
// leaves the frame's menu as it is.
std::vector<MergedMenuItem> MergeMenuBarItems(std::span<const int> frameGroups, std::span<const int> childGroups);

} // namespace orvane
