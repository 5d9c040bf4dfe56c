#include "core/skinmenu/MenuBarMerge.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

struct MergeCase {
    const char* name;
    std::vector<int> frameGroups;
    std::vector<int> childGroups;
    std::vector<MergedMenuItem> expected;
};

constexpr MergedMenuItem Frame(int index) { return {false, index}; }
constexpr MergedMenuItem Child(int index) { return {true, index}; }

class MenuBarMergeTest : public testing::TestWithParam<MergeCase> {};

TEST_P(MenuBarMergeTest, ShowsTheItemsInMergedOrder)
{
    const MergeCase& c = GetParam();
    EXPECT_EQ(MergeMenuBarItems(c.frameGroups, c.childGroups), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuBarMergeTest,
    testing::Values(
        // The usual frame: File (0), Edit (1), Window/Help (9); the child
        // brings its own Edit (1), which replaces the frame's.
        MergeCase{"ChildReplacesItsGroup", {0, 1, 9}, {1}, {Frame(0), Child(0), Frame(2)}},
        MergeCase{"WithoutChildTheFrameStays", {0, 1, 9}, {}, {Frame(0), Frame(1), Frame(2)}},
        MergeCase{"ChildOfANewGroupGoesBetween", {0, 9}, {5, 5}, {Frame(0), Child(0), Child(1), Frame(1)}},
        MergeCase{"ChildBelowEveryGroupGoesFirst", {3, 9}, {0}, {Child(0), Frame(0), Frame(1)}},
        MergeCase{"ChildAboveEveryGroupGoesLast", {0, 1}, {7}, {Frame(0), Frame(1), Child(0)}},
        MergeCase{"ChildTakesEveryGroupItUses", {0, 1, 1, 2}, {1, 2}, {Frame(0), Child(0), Child(1)}},
        MergeCase{"FrameWithoutItems", {}, {1, 4}, {Child(0), Child(1)}}),
    [](const testing::TestParamInfo<MergeCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace orvane
