#include "core/skinmodel/TvelSkinReader.h"

#include "Pictures.h"
#include "SkinPackageBuilder.h"

#include "core/base/Exception.h"
#include "core/skinmodel/SkinKeys.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;
using test::SkinPackageBuilder;

constexpr Color Transparent = '#';
constexpr Color Form = '.';

TEST(SkinKeys, GroupsSitInOneTableAndIndexesUseTheirLowSevenBits)
{
    EXPECT_EQ(SkinKeyNames.size(), 84u);
    EXPECT_EQ(SkinKeyName(SkinKeyGroup::Colors, SKIN2_TRANSCOLOR), "SKIN2_TRANSCOLOR");
    EXPECT_EQ(SkinKeyName(SkinKeyGroup::Images, SKIN2_TITLEBAR1), SkinKeyNames[32]);
    EXPECT_EQ(SkinKeyName(SkinKeyGroup::Images, SKIN2_SCROLLBUTTON), SkinKeyNames[65]);
    EXPECT_EQ(SkinKeyName(SkinKeyGroup::Integers, SKIN2_TITLEBARICONPOSX), SkinKeyNames[66]);
    EXPECT_EQ(SkinKeyName(SkinKeyGroup::Flags, SKIN2_TABCONTROLTRANS), SkinKeyNames[83]);
    EXPECT_EQ(SkinKeyName(SkinKeyGroup::Flags, 128 + SKIN2_TITLEFIVESECT), "SKIN2_TITLEFIVESECT");
    // Beyond its group an index names no key, not a key of the next group.
    EXPECT_EQ(SkinKeyName(SkinKeyGroup::Colors, 32), "");
    EXPECT_EQ(SkinKeyName(SkinKeyGroup::Flags, 9), "");
}

TEST(TvelSkinReader, WithoutAPackageEveryKeyReadsAsMissing)
{
    TvelSkinReader reader;
    int loaded = 0;
    reader.OnLoaded = [&] { ++loaded; };
    reader.Load("/no/such/skin.ssk", "");
    EXPECT_FALSE(reader.Ready());
    EXPECT_EQ(loaded, 1); // a missing file is no error: OnLoaded still runs
    EXPECT_EQ(reader.GetBitmap(SKIN2_TITLEBAR1), nullptr);
    EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), TvelSkinReader::MissingColor);
    EXPECT_EQ(reader.GetInt(SKIN2_TITLEBARICONPOSX), -1);
    EXPECT_FALSE(reader.GetFlag(SKIN2_TITLEFIVESECT));
}

TEST(TvelSkinReader, ReadsTypedValuesByGroupAndIndex)
{
    SkinPackageBuilder package;
    package.Integer("SKIN2_TRANSCOLOR", Transparent)
        .Integer("SKIN2_FORMCOLOR", 0x00F1F4F8)
        .Integer("SKIN2_TITLEBARCAPTIONTOP", 8)
        .Flag("SKIN2_TITLEBTNTRANS", true)
        .Image("SKIN2_TITLEBAR1", Picture({"a#", "bc"}));
    TvelSkinReader reader(package.Write(), "");
    ASSERT_TRUE(reader.Ready());

    EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), 0x00F1F4F8u);
    EXPECT_EQ(reader.GetColor(128 + SKIN2_FORMCOLOR), 0x00F1F4F8u);
    EXPECT_EQ(reader.GetColor(SKIN2_MENUBARSTARTCOLOR), TvelSkinReader::MissingColor);
    EXPECT_EQ(reader.GetInt(SKIN2_TITLEBARCAPTIONTOP), 8);
    EXPECT_EQ(reader.GetInt(SKIN2_TITLEBARICONPOSX), -1);
    EXPECT_TRUE(reader.GetFlag(SKIN2_TITLEBTNTRANS));
    EXPECT_FALSE(reader.GetFlag(SKIN2_BUTTONTRANS));
    EXPECT_EQ(reader.GetBitmap(SKIN2_TITLEBAR2), nullptr);

    const Bitmap* title = reader.GetBitmap(SKIN2_TITLEBAR1);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(Rows(*title), (std::vector<std::string>{"a#", "bc"}));
    EXPECT_TRUE(title->Transparent);
    EXPECT_EQ(title->TransparentColor, Transparent);
}

TEST(TvelSkinReader, TheTrackBarChannelStandsOnTheFormColour)
{
    SkinPackageBuilder package;
    package.Integer("SKIN2_TRANSCOLOR", Transparent)
        .Integer("SKIN2_FORMCOLOR", Form)
        .Image("SKIN2_TRACKBAR", Picture({"#ab#"}))
        .Image("SKIN2_TRACKBARSLIDER", Picture({"#s#"}));
    TvelSkinReader reader(package.Write(), "");
    EXPECT_EQ(Rows(*reader.GetBitmap(SKIN2_TRACKBAR)), (std::vector<std::string>{".ab."}));
    EXPECT_EQ(reader.GetBitmap(SKIN2_TRACKBAR)->BitsPerPixel, 24);
    // Other images keep their transparent colour for masked drawing.
    EXPECT_EQ(Rows(*reader.GetBitmap(SKIN2_TRACKBARSLIDER)), (std::vector<std::string>{"#s#"}));

    SkinPackageBuilder withoutTrackBar;
    withoutTrackBar.Integer("SKIN2_TRANSCOLOR", Transparent);
    EXPECT_TRUE(TvelSkinReader(withoutTrackBar.Write(), "").Ready());
}

TEST(TvelSkinReader, AFailedLoadLeavesNoSkinAndDoesNotReportLoaded)
{
    SkinPackageBuilder good;
    good.Integer("SKIN2_FORMCOLOR", Form);
    SkinPackageBuilder locked;
    locked.Integer("SKIN2_FORMCOLOR", Form);

    TvelSkinReader reader(good.Write(), "");
    ASSERT_TRUE(reader.Ready());
    int loaded = 0;
    reader.OnLoaded = [&] { ++loaded; };
    const auto lockedPath = locked.Write("secret");
    for (const char* password : {"", "wrong"}) {
        try {
            reader.Load(lockedPath, password);
            ADD_FAILURE() << "no exception for password '" << password << "'";
        } catch (const Exception& error) {
            EXPECT_STREQ(error.what(), "Wrong password!");
        }
        EXPECT_FALSE(reader.Ready());
        EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), TvelSkinReader::MissingColor);
    }
    EXPECT_EQ(loaded, 0);

    reader.Load(lockedPath, "secret");
    EXPECT_TRUE(reader.Ready());
    EXPECT_EQ(loaded, 1);
}

} // namespace
} // namespace orvane
