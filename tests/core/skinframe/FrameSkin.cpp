#include "FrameSkin.h"

#include "Pictures.h"

#include "core/skinmodel/SkinKeys.h"

namespace orvane::test {
namespace {

Bitmap Solid(int width, int height, char letter) { return Picture(std::vector<std::string>(
    std::size_t(height), std::string(std::size_t(width), letter))); }

Bitmap ButtonStrip(int frameWidth, int height)
{
    Bitmap strip(18 * frameWidth, height);
    for (int frame = 0; frame < 18; ++frame)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < frameWidth; ++x)
                strip.SetColorAt(frame * frameWidth + x, y,
                                 x == 0 && y == 0 ? TransparentColor : Color('a' + frame));
    return strip;
}

} // namespace

FrameSkin::FrameSkin(const FrameSkinOptions& options)
{
    Bitmap left = Solid(5, 6, 'A');
    left.SetColorAt(0, 0, TransparentColor);
    Bitmap capOfFive = Solid(4, 6, 'E');
    capOfFive.SetColorAt(3, 0, TransparentColor);
    package.Integer("SKIN2_TRANSCOLOR", TransparentColor)
        .Integer("SKIN2_FORMCOLOR", FormColor)
        .Integer("SKIN2_TITLEFONTCOLOR", CaptionColor)
        .Integer("SKIN2_MENUBARSTARTCOLOR", MenuStartColor)
        .Integer("SKIN2_MENUBARENDCOLOR", options.menuBarEndColor)
        .Integer("SKIN2_TITLEBARICONPOSX", 3)
        .Integer("SKIN2_TITLEBARICONPOSY", 1)
        .Integer("SKIN2_TITLEBARCAPTIONTOP", 2)
        .Integer("SKIN2_TITLEBARBUTTONPOSX", 2)
        .Integer("SKIN2_TITLEBARBUTTONPOSY", 2)
        .Flag("SKIN2_TITLEFIVESECT", options.fiveSections)
        .Flag("SKIN2_TITLEBTNTRANS", options.transparentButtons)
        .Flag("SKIN2_BOTTOMBORDERTHREESECT", options.bottomThreeSections)
        .Image("SKIN2_TITLEBAR1", left)
        .Image("SKIN2_TITLEBAR2", Solid(2, 6, 'B'))
        .Image("SKIN2_TITLEBAR3", Picture(std::vector<std::string>(6, "CGK")))
        .Image("SKIN2_TITLEBAR4", Solid(2, 6, 'D'))
        .Image("SKIN2_TITLEBAR5", capOfFive)
        .Image("SKIN2_MINIMIZEDTITLE", Solid(2, 2, 'Z'))
        .Image("SKIN2_FORMLEFTBORDER", Solid(2, 3, 'L'))
        .Image("SKIN2_FORMRIGHTBORDER", Solid(3, 3, 'R'))
        .Image("SKIN2_TITLEBUTTONS", ButtonStrip(3, options.buttonHeight));
    if (options.bottomThreeSections)
        package.Image("SKIN2_FORMBOTTOMBORDER1", Picture({"#X", "XX"}))
            .Image("SKIN2_FORMBOTTOMBORDER2", Solid(2, 2, 'V'))
            .Image("SKIN2_FORMBOTTOMBORDER3", Solid(2, 2, 'W'));
    else
        package.Image("SKIN2_FORMBOTTOMBORDER1", Picture({"#XYYWW", "XXYYWW"}));
    if (options.menuBarImage)
        package.Image("SKIN2_MENUBAR", Solid(1, 2, 'S'));
    reader.Load(package.Write(), "");
    metrics = FrameMetricsFromSkin(reader, InactiveCaptionColor);
}

FrameWindow TestWindow(int width)
{
    FrameWindow window;
    window.width = width;
    window.height = 30;
    window.titleHeight = 6;
    window.origTopHeight = 6;
    window.hasCloseButton = true;
    window.hasMinimizeButton = true;
    return window;
}

std::string RowText(const Bitmap& bitmap, int y) { return Rows(bitmap)[std::size_t(y)]; }

std::vector<std::string> AreaRows(const Bitmap& bitmap, int left, int top, int width, int height)
{
    std::vector<std::string> rows;
    const std::vector<std::string> all = Rows(bitmap);
    for (int y = top; y < top + height; ++y)
        rows.push_back(all[std::size_t(y)].substr(std::size_t(left), std::size_t(width)));
    return rows;
}

} // namespace orvane::test
