#include "core/skinmodel/TvelSkinProgressBarRes.h"
#include "core/skinmodel/TvelSkinTabRes.h"

#include "Pictures.h"
#include "SkinPackageBuilder.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;
using test::SkinPackageBuilder;
using Lines = std::vector<std::string>;
using Orientation = TvelSkinTabRes::Orientation;

TEST(TvelSkinTabRes, LineAndBothTabsInFourOrientations)
{
    SkinPackageBuilder package;
    package.Image("SKIN2_TABCONTROL", Picture({"abcd", "ABCD"})).Image("SKIN2_TABCONTROLLINE", Picture({"xy"}));
    TvelSkinReader reader(package.Write(), "");
    TvelSkinTabRes set;
    set.SetReader(&reader);

    // Order of the set: line, other tabs (frame 2), selected tab (frame 1).
    EXPECT_EQ(Rows(set.Bitmaps(1)), (Lines{"xy"}));
    EXPECT_EQ(Rows(set.Bitmaps(2)), (Lines{"y", "x"}));  // anticlockwise
    EXPECT_EQ(Rows(set.Bitmaps(3)), (Lines{"yx"}));      // half turn
    EXPECT_EQ(Rows(set.Bitmaps(4)), (Lines{"x", "y"}));  // clockwise
    EXPECT_EQ(Rows(set.InactiveTab(Orientation::AsStored)), (Lines{"cd", "CD"}));
    EXPECT_EQ(Rows(set.Bitmaps(5)), (Lines{"cd", "CD"}));
    EXPECT_EQ(Rows(set.InactiveTab(Orientation::Clockwise)), (Lines{"Cc", "Dd"}));
    EXPECT_EQ(Rows(set.ActiveTab(Orientation::AsStored)), (Lines{"ab", "AB"}));
    EXPECT_EQ(Rows(set.Bitmaps(11)), (Lines{"BA", "ba"}));
}

TEST(TvelSkinTabRes, NeedsAReaderButNotALoadedSkin)
{
    TvelSkinReader notLoaded;
    TvelSkinTabRes set;
    set.SetReader(&notLoaded);
    for (int i = 1; i <= TvelSkinTabRes::BitmapCount; ++i)
        EXPECT_TRUE(set.Bitmaps(i).Empty());
}

TEST(TvelSkinProgressBarRes, PiecesAsStoredAndTurnedWithTheirWidths)
{
    SkinPackageBuilder package;
    package.Image("SKIN2_PROGRESSBAR1", Picture({"a", "b"}))
        .Image("SKIN2_PROGRESSBAR2", Picture({"cc", "dd"}))
        .Image("SKIN2_PROGRESSBAR3", Picture({"ee", "ff"}))
        .Image("SKIN2_PROGRESSBAR4", Picture({"ghi", "jkl"}));
    TvelSkinReader reader(package.Write(), "");
    TvelSkinProgressBarRes set;
    set.SetReader(&reader);
    EXPECT_EQ(Rows(set.Bars(2)), (Lines{"cc", "dd"}));
    EXPECT_EQ(Rows(set.VertBars(4)), (Lines{"il", "hk", "gj"}));
    EXPECT_EQ(set.FirstWidth(), 1);
    EXPECT_EQ(set.LastWidth(), 3);

    TvelSkinReader notLoaded;
    set.SetReader(&notLoaded);
    EXPECT_TRUE(set.Bars(1).Empty());
    EXPECT_EQ(set.FirstWidth(), 0);
}

} // namespace
} // namespace orvane
