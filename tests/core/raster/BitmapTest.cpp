#include "core/raster/Bitmap.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/Canvas.h"
#include "core/raster/ReplaceColor.h"
#include "core/raster/Rotate.h"
#include "core/raster/StretchHalftone.h"

#include "Pictures.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::Picture;
using test::Rows;

constexpr Pixel Padding = 0xEEEEEEEE;

// Memory laid out as a DIB section might be, but with two pixels of padding
// after every row, so that drawing that ignores the stride shows.
struct PaddedMemory {
    PaddedMemory(const std::vector<std::string>& rows)
        : width(int(rows[0].size())), height(int(rows.size())), stride(width + 2),
          pixels(std::size_t(stride) * std::size_t(height), Padding)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[std::size_t(y * stride + x)] = PixelFromColor(Color(rows[std::size_t(y)][std::size_t(x)]));
    }
    PixelView View() { return PixelView{pixels.data(), width, height, stride}; }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int y = 0; y < height; ++y) {
            std::string row;
            for (int x = 0; x < width; ++x)
                row += char(ColorFromPixel(pixels[std::size_t(y * stride + x)]));
            rows.push_back(row);
        }
        return rows;
    }
    bool PaddingIntact() const
    {
        for (int y = 0; y < height; ++y)
            for (int x = width; x < stride; ++x)
                if (pixels[std::size_t(y * stride + x)] != Padding)
                    return false;
        return true;
    }

    int width;
    int height;
    int stride;
    std::vector<Pixel> pixels;
};

TEST(Bitmap, PrimitivesDrawIntoMemoryTheBitmapDoesNotOwn)
{
    const struct {
        const char* name;
        std::function<void(Bitmap&)> draw;
        std::vector<std::string> expected;
    } cases[] = {
        {"fill", [](Bitmap& b) { Canvas(b).FillRect(Rect{1, 0, 9, 2}, 'x'); }, {"axx", "dxx"}},
        {"copy", [](Bitmap& b) { Canvas canvas(b); CopyRect(canvas, 1, 1, Picture({"pq"}), Rect{0, 0, 2, 1}); },
         {"abc", "dpq"}},
        {"halftone", [](Bitmap& b) { Canvas canvas(b); StretchHalftone(Picture({"zz"}), canvas, Rect{0, 0, 1, 2}); },
         {"zbc", "zef"}},
        {"half turn", Rotate180, {"fed", "cba"}},
        {"replace colour", [](Bitmap& b) { ReplaceColor(b, 'e', 'k'); }, {"abc", "dkf"}},
    };
    for (const auto& c : cases) {
        PaddedMemory memory({"abc", "def"});
        Bitmap bitmap;
        bitmap.UseMemory(memory.View());
        ASSERT_FALSE(bitmap.OwnsPixels());
        c.draw(bitmap);
        EXPECT_EQ(memory.Rows(), c.expected) << c.name;
        EXPECT_TRUE(memory.PaddingIntact()) << c.name;
        EXPECT_EQ(bitmap.Pixels().data(), memory.pixels.data()) << c.name << ": drew somewhere else";
    }
}

TEST(Bitmap, CopiesAndResizesGetPixelsOfTheirOwnAndMovesKeepTheMemory)
{
    PaddedMemory memory({"ab", "cd"});
    Bitmap shared;
    shared.UseMemory(memory.View());
    shared.Transparent = true;

    Bitmap copy = shared;
    EXPECT_TRUE(copy.OwnsPixels());
    EXPECT_EQ(copy, shared);
    EXPECT_TRUE(copy.Transparent);
    copy.SetColorAt(0, 0, 'z');
    EXPECT_EQ(memory.Rows(), (std::vector<std::string>{"ab", "cd"}));

    Bitmap moved = std::move(shared);
    EXPECT_FALSE(moved.OwnsPixels());
    moved.SetColorAt(1, 1, 'y');
    EXPECT_EQ(memory.Rows(), (std::vector<std::string>{"ab", "cy"}));

    moved.SetSize(3, 1, PixelFromColor('n'));
    EXPECT_TRUE(moved.OwnsPixels());
    moved.SetColorAt(0, 0, 'w');
    EXPECT_EQ(Rows(moved), (std::vector<std::string>{"wnn"}));
    EXPECT_EQ(memory.Rows(), (std::vector<std::string>{"ab", "cy"}));
}

TEST(Bitmap, AdoptsAVectorWithoutCopyingAndRefusesOneOfTheWrongLength)
{
    std::vector<Pixel> pixels(6, PixelFromColor('a'));
    const Pixel* buffer = pixels.data();
    Bitmap bitmap;
    bitmap.AdoptPixels(std::move(pixels), 3, 2);
    EXPECT_EQ(bitmap.Pixels().data(), buffer);
    EXPECT_EQ(Rows(bitmap), (std::vector<std::string>{"aaa", "aaa"}));

    bitmap.AdoptPixels(std::vector<Pixel>(5), 3, 2);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_TRUE(bitmap.Pixels().empty());
}

TEST(Bitmap, PixelCountsThatCannotBeHeldAreRefusedBeforeAllocating)
{
    EXPECT_EQ(Bitmap::PixelCount(3, 2), 6u);
    EXPECT_EQ(Bitmap::PixelCount(0, 5), 0u);
    EXPECT_EQ(Bitmap::PixelCount(-4, 5), 0u);

    // 2^16 x 2^16 is 2^32 pixels: a 32-bit size_t product wraps to 0, and a
    // buffer of that size would take every row written into it out of bounds.
    const auto wrapping = Bitmap::PixelCount(65536, 65536);
    if (sizeof(std::size_t) < 8)
        EXPECT_FALSE(wrapping);
    else
        EXPECT_EQ(wrapping, std::uint64_t(1) << 32);

    // Past what a pixel vector holds on any platform; in 32 bits the product
    // wraps to 1.
    EXPECT_FALSE(Bitmap::PixelCount(INT_MAX, INT_MAX));
    EXPECT_THROW(Bitmap(INT_MAX, INT_MAX), std::length_error);
    Bitmap bitmap(2, 2, 7);
    EXPECT_THROW(bitmap.SetSize(INT_MAX, INT_MAX), std::length_error);
    EXPECT_EQ(bitmap, Bitmap(2, 2, 7)); // a refused size leaves the bitmap as it was
}

} // namespace
} // namespace orvane
