#include "core/skinmodel/TvelSkinScrollBtnRes.h"

#include "Pictures.h"
#include "SkinPackageBuilder.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;
using test::SkinPackageBuilder;
using Lines = std::vector<std::string>;

constexpr Color Transparent = '#';
constexpr Color Track = '=';

// Buttons of 2 x 2 frames; one pixel of the first up frame is transparent.
SkinPackageBuilder& WithButtons(SkinPackageBuilder& package, Color track = Track)
{
    return package.Integer("SKIN2_TRANSCOLOR", Transparent)
        .Integer("SKIN2_SCROLLBARCOLOR", std::int32_t(track))
        .Image("SKIN2_SCROLLBARUPBUTTON", Picture({"abcdef", "#BCDEF"}))
        .Image("SKIN2_SCROLLBARDOWNBUTTON", Picture({"ghijkl", "GHIJKL"}));
}

// A thumb whose row r is the letter 'a' + r, `width` wide; row 7 (the second
// row of the grip for a 12-row thumb) may be given.
Bitmap Thumb(int width, int height, const std::string& row7 = "")
{
    Lines rows;
    for (int r = 0; r < height; ++r)
        rows.push_back(r == 7 && !row7.empty() ? row7 : std::string(std::size_t(width), char('a' + r)));
    return Picture(rows);
}

Lines Repeat(const std::string& row, int count) { return Lines(std::size_t(count), row); }

TEST(TvelSkinScrollBtnRes, CutsTheThumbIntoFiveSections)
{
    SkinPackageBuilder package;
    WithButtons(package).Image("SKIN2_SCROLLBAR", Thumb(7, 12, "hXhXhXh"));
    TvelSkinReader reader(package.Write(), "");
    TvelSkinScrollBtnRes set;
    set.SetReader(&reader);

    // f = (12 - 6) div 3 = 2: caps of 3 rows, row 3 unused, the grip follows
    // the upper body and shares its last row with the lower body.
    EXPECT_EQ(Rows(set.VertThumb(1)), (Lines{"aaaaaaa", "bbbbbbb", "ccccccc"}));
    EXPECT_EQ(Rows(set.VertThumb(2)), (Lines{"eeeeeee", "fffffff"}));
    EXPECT_EQ(Rows(set.VertThumb(3)), (Lines{"ggggggg", "hXhXhXh"}));
    EXPECT_EQ(Rows(set.VertThumb(4)), (Lines{"hXhXhXh", "iiiiiii"}));
    EXPECT_EQ(Rows(set.VertThumb(5)), (Lines{"jjjjjjj", "kkkkkkk", "lllllll"}));
    EXPECT_EQ(set.BarWidth(), 7);
    EXPECT_EQ(set.VertThumb(1).BitsPerPixel, 24);

    EXPECT_EQ(Rows(set.VertButtons(1)), (Lines{"ab", "=B"})); // transparent colour -> track colour
    EXPECT_EQ(Rows(set.VertButtons(6)), (Lines{"kl", "KL"}));
}

TEST(TvelSkinScrollBtnRes, TurnsForHorizontalBarsByTheLookOfTheGrip)
{
    const struct {
        const char* name;
        Bitmap thumb;
        Lines firstHorizontalSection;
        Lines firstLeftButton;
    } cases[] = {
        // At most 7 pixels wide: uniform whatever the grip shows; anticlockwise, same order.
        {"narrow", Thumb(7, 12, "hXhXhXh"), Repeat("abc", 7), {"bB", "a="}},
        // One colour from x = 4 to width - 4 on the grip's second row: uniform.
        {"uniform grip", Thumb(9, 12), Repeat("abc", 9), {"bB", "a="}},
        // Otherwise clockwise in reverse order, and the left button is the
        // down button turned the same way.
        {"grip with a direction", Thumb(9, 12, "hhhhXhhhh"), Repeat("lkj", 9), {"Gg", "Hh"}},
    };
    for (const auto& c : cases) {
        SkinPackageBuilder package;
        WithButtons(package).Image("SKIN2_SCROLLBAR", c.thumb);
        TvelSkinReader reader(package.Write(), "");
        TvelSkinScrollBtnRes set;
        set.SetReader(&reader);
        EXPECT_EQ(Rows(set.HorzThumb(1)), c.firstHorizontalSection) << c.name;
        EXPECT_EQ(Rows(set.HorzButtons(1)), c.firstLeftButton) << c.name;
    }
}

TEST(TvelSkinScrollBtnRes, AThumbSixRowsHighHasEmptyOneRowBodies)
{
    SkinPackageBuilder package;
    WithButtons(package).Image("SKIN2_SCROLLBAR", Thumb(5, 6));
    TvelSkinReader reader(package.Write(), "");
    TvelSkinScrollBtnRes set;
    set.SetReader(&reader);
    EXPECT_EQ(Rows(set.VertThumb(1)), (Lines{"aaaaa", "bbbbb", "ccccc"}));
    EXPECT_EQ(Rows(set.VertThumb(5)), (Lines{"ddddd", "eeeee", "fffff"}));
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(set.VertThumb(i).Width(), 5);
        EXPECT_EQ(set.VertThumb(i).Height(), 1);
    }
}

TEST(TvelSkinScrollBtnRes, RecognisesSkinsThatDrawTheThumbInOnePiece)
{
    const struct {
        const char* name;
        Color track;
        int height;
        Color mark;
        bool expected;
    } cases[] = {
        {"marked", 0xCBCBCB, 33, 0xB23901, true},
        {"other track colour", 0xCBCBCA, 33, 0xB23901, false},
        {"other height", 0xCBCBCB, 32, 0xB23901, false},
        {"other mark", 0xCBCBCB, 33, 0xB23902, false},
    };
    for (const auto& c : cases) {
        Bitmap thumb(6, c.height, PixelFromColor(0x123456));
        thumb.SetColorAt(1, 10, c.mark);
        SkinPackageBuilder package;
        WithButtons(package, c.track).Image("SKIN2_SCROLLBAR", thumb);
        TvelSkinReader reader(package.Write(), "");
        TvelSkinScrollBtnRes set;
        set.SetReader(&reader);
        EXPECT_EQ(set.ThreePartThumb(), c.expected) << c.name;
        EXPECT_EQ(set.WholeBar() != nullptr, c.expected) << c.name;
        if (c.expected) {
            EXPECT_EQ(set.WholeBar()->Height(), 33);
            EXPECT_EQ(set.WholeBarRotated()->Width(), 33);
        }
    }
}

TEST(TvelSkinScrollBtnRes, WithoutAThumbImageOnlyTheButtonsArePrepared)
{
    SkinPackageBuilder package;
    WithButtons(package);
    TvelSkinReader reader(package.Write(), "");
    TvelSkinScrollBtnRes set;
    set.SetReader(&reader);
    EXPECT_EQ(Rows(set.VertButtons(1)), (Lines{"ab", "=B"}));
    EXPECT_TRUE(set.VertThumb(1).Empty());
    EXPECT_EQ(set.BarWidth(), 0);
}

TEST(TvelSkinScrollBtnRes, StaysEmptyWithoutAReadyReader)
{
    TvelSkinReader notLoaded;
    TvelSkinScrollBtnRes set;
    for (const TvelSkinReader* reader : std::initializer_list<const TvelSkinReader*>{nullptr, &notLoaded}) {
        set.SetReader(reader);
        EXPECT_TRUE(set.VertButtons(1).Empty());
        EXPECT_TRUE(set.HorzThumb(5).Empty());
        EXPECT_FALSE(set.ThreePartThumb());
    }
}

} // namespace
} // namespace orvane
