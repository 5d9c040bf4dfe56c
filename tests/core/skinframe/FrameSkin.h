#pragma once

#include "SkinPackageBuilder.h"

#include "core/raster/Bitmap.h"
#include "core/raster/TextMeasurer.h"
#include "core/skinframe/FrameMetrics.h"
#include "core/skinframe/FrameWindow.h"
#include "core/skinmodel/TvelSkinReader.h"

#include <string>
#include <vector>

namespace orvane::test {

// A small skin for frame tests. Every image is one solid colour per section
// (a letter, see Pictures.h), so each pixel of a composed band tells which
// image and which part of it it came from:
//
//   TITLEBAR1 5 x 6 'A', its top-left pixel transparent   TITLEBAR2 2 x 6 'B'
//   TITLEBAR3 3 x 6 "CGK" (columns differ)                 TITLEBAR4 2 x 6 'D'
//   TITLEBAR5 4 x 6 'E', its top-right pixel transparent   MINIMIZEDTITLE 'Z'
//   FORMLEFTBORDER 2 wide 'L', FORMRIGHTBORDER 3 wide 'R'
//   FORMBOTTOMBORDER1 2 high: "#XYYWW" / "XXYYWW" (three parts), or with
//     three sections "#X" / "XX", FORMBOTTOMBORDER2 'V', FORMBOTTOMBORDER3 "WW"
//   TITLEBUTTONS 18 frames of 3 x buttonHeight: frame n is the letter 'a' + n - 1
//     with its top-left pixel transparent
//
// Colours: transparent '#', form '.', caption 'F', menu bar 'M' to 'N'.
// Integers: icon (3, 1), caption top 2, buttons 2 from the right at y 2.
struct FrameSkinOptions {
    bool fiveSections = false;
    bool transparentButtons = false;
    bool bottomThreeSections = false;
    bool menuBarImage = false;
    Color menuBarEndColor = 'N';
    int buttonHeight = 4;
};

inline constexpr Color TransparentColor = '#';
inline constexpr Color FormColor = '.';
inline constexpr Color CaptionColor = 'F';
inline constexpr Color InactiveCaptionColor = 'f';
inline constexpr Color MenuStartColor = 'M';

class FrameSkin {
public:
    explicit FrameSkin(const FrameSkinOptions& options = {});

    const TvelSkinReader& Reader() const { return reader; }
    const FrameMetrics& Metrics() const { return metrics; }

private:
    SkinPackageBuilder package;
    TvelSkinReader reader;
    FrameMetrics metrics;
};

// A W x 30 window with the test skin's title, a close and a minimize button
// and no icon, like the game's main window.
FrameWindow TestWindow(int width);

// Two pixels per character.
class FixedWidthFont : public TextMeasurer {
public:
    static constexpr int CharWidth = 2;
    int TextWidth(std::string_view text) const override { return CharWidth * int(text.size()); }
    int TextWidth(std::wstring_view text) const override { return CharWidth * int(text.size()); }
};

// One row of a bitmap as text (Pictures.h), and a rectangle of it.
std::string RowText(const Bitmap& bitmap, int y);
std::vector<std::string> AreaRows(const Bitmap& bitmap, int left, int top, int width, int height);

} // namespace orvane::test
