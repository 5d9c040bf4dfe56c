#include "core/skinframe/TitleBand.h"

#include "FrameSkin.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using test::AreaRows;
using test::FixedWidthFont;
using test::FrameSkin;
using test::FrameSkinOptions;
using test::RowText;
using test::TestWindow;

// Pixels that no step paints stay '~'.
constexpr Color Unpainted = '~';

struct Composed {
    Bitmap band;
    TitleLayout layout;
    CaptionPlacement caption;
};

// The band as the frame composes it: laid out first, then drawn.
Composed Compose(const FrameSkin& skin, const FrameWindow& window)
{
    Composed composed{Bitmap(window.width, TitleBandHeight(window), PixelFromColor(Unpainted)),
                      LayOutTitle(skin.Reader(), skin.Metrics(), window), {}};
    Canvas canvas(composed.band);
    composed.caption =
        ComposeTitleBand(skin.Reader(), skin.Metrics(), window, composed.layout, FixedWidthFont{}, canvas);
    return composed;
}

std::string Repeat(char c, int n) { return std::string(std::size_t(n), c); }

TEST(TitleBand, ThreeSectionsWithCloseAndMinimize)
{
    // W 40: TITLEBAR1 at 0, the right cap at 37, TITLEBAR2 stretched between;
    // close at 40 - 2 - 3 = 35 and minimize 5 further left, at y 2, each
    // frame with its transparent corner copied as it is.
    const FrameSkin skin;
    const Composed composed = Compose(skin, TestWindow(40));
    EXPECT_EQ(AreaRows(composed.band, 0, 0, 40, 6), (std::vector<std::string>{
                                                        "#AAAA" + Repeat('B', 32) + "CGK",
                                                        "AAAAA" + Repeat('B', 32) + "CGK",
                                                        "AAAAA" + Repeat('B', 25) + "#mmBB#ppGK",
                                                        "AAAAA" + Repeat('B', 25) + "mmmBBpppGK",
                                                        "AAAAA" + Repeat('B', 25) + "mmmBBpppGK",
                                                        "AAAAA" + Repeat('B', 25) + "mmmBBpppGK",
                                                    }));
    const TitleLayout& layout = composed.layout;
    EXPECT_TRUE(layout.closeItemEnabled);
    EXPECT_TRUE(layout.minItemEnabled);
    EXPECT_FALSE(layout.maxButtonShown);
    EXPECT_FALSE(layout.maxItemEnabled);
    EXPECT_EQ(layout.buttonsLeft, 28);
    EXPECT_FALSE(layout.hasIcon);
}

TEST(TitleBand, TransparentButtonsLetTheTitleThrough)
{
    const FrameSkin skin({.transparentButtons = true});
    const Composed composed = Compose(skin, TestWindow(40));
    EXPECT_EQ(RowText(composed.band, 2), "AAAAA" + Repeat('B', 25) + "BmmBBBppGK");
}

TEST(TitleBand, ButtonReserveCountsCloseMaximizeAndMinimizeOnly)
{
    struct Case {
        bool close, maximize, minimize, help;
        int frameWidth;
        int reserve;
    };
    for (const Case& c : {Case{false, false, false, false, 3, 13}, Case{false, false, false, true, 3, 13},
                          Case{true, false, false, false, 3, 18}, Case{true, false, true, true, 3, 23},
                          Case{true, true, true, false, 3, 3 * 3 + 19},
                          Case{true, true, true, true, 25, 3 * 25 + 19}}) {
        FrameWindow window;
        window.hasCloseButton = c.close;
        window.hasMaximizeButton = c.maximize;
        window.hasMinimizeButton = c.minimize;
        window.hasHelpButton = c.help;
        EXPECT_EQ(TitleButtonReserve(window, c.frameWidth), c.reserve)
            << c.close << c.maximize << c.minimize << c.help << " bw " << c.frameWidth;
    }
}

TEST(TitleBand, ButtonsStandRightToLeftWithHelpLeftOfTheOthers)
{
    // Row 3 from x 15 on: frames 'd' help, 'g' maximize, 'j' restore,
    // 'm' minimize, 'p' close.
    struct Case {
        const char* name;
        bool close, maximize, minimize, help;
        FrameWindowShow show;
        const char* row;
        int buttonsLeft;
    };
    const FrameSkin skin;
    for (const Case& c : {
             Case{"all four", true, true, true, true, FrameWindowShow::Normal, "BBBBBdddBBmmmBBgggBBpppGK", 23},
             Case{"maximized", true, true, true, true, FrameWindowShow::Maximized, "BBBBBdddBBmmmBBjjjBBpppGK", 23},
             Case{"close and help", true, false, false, true, FrameWindowShow::Normal, "BBBBBBBBBBBBBBBdddBBpppGK",
                  33},
             Case{"help alone", false, false, false, true, FrameWindowShow::Normal, "BBBBBBBBBBBBBBBBBBBBdddGK", 38},
             Case{"none", false, false, false, false, FrameWindowShow::Normal, "BBBBBBBBBBBBBBBBBBBBBBCGK", 38},
         }) {
        FrameWindow window = TestWindow(40);
        window.hasCloseButton = c.close;
        window.hasMaximizeButton = c.maximize;
        window.hasMinimizeButton = c.minimize;
        window.hasHelpButton = c.help;
        window.show = c.show;
        const Composed composed = Compose(skin, window);
        EXPECT_EQ(RowText(composed.band, 3).substr(15), c.row) << c.name;
        EXPECT_EQ(composed.layout.buttonsLeft, c.buttonsLeft) << c.name;
        EXPECT_EQ(composed.layout.maxButtonShown, c.maximize) << c.name;
        EXPECT_EQ(composed.layout.maxItemEnabled, c.maximize) << c.name;
        EXPECT_EQ(composed.layout.minItemEnabled, c.minimize) << c.name;
        EXPECT_EQ(composed.layout.closeItemEnabled, c.close) << c.name;
    }
}

TEST(TitleBand, ThePartUnderThePointerIsHotAndPressedWhileTheButtonIsDown)
{
    // Drawn at y 2..6 (edges inclusive): help x 20, minimize 25, maximize 30,
    // close 35, each 3 wide; the icon at (3, 4) 16 x 16. The pointer is
    // compared with these moved left by the left border (2); the part found
    // there is drawn hot, or pressed while the button is down.
    struct Case {
        int x, y;
        bool down;
        FrameWindowShow show;
        int hot;
        const char* frames; // help, minimize, maximize, close
    };
    const FrameSkin skin;
    for (const Case& c : {
             Case{33, 2, false, FrameWindowShow::Normal, ClosePart, "dmgq"},
             Case{36, 6, false, FrameWindowShow::Normal, ClosePart, "dmgq"},
             Case{33, 2, true, FrameWindowShow::Normal, ClosePart, "dmgr"},
             Case{37, 4, false, FrameWindowShow::Normal, NoTitlePart, "dmgp"},
             Case{33, 7, true, FrameWindowShow::Normal, NoTitlePart, "dmgp"},
             Case{32, 4, true, FrameWindowShow::Normal, NoTitlePart, "dmgp"},
             Case{28, 4, true, FrameWindowShow::Normal, MaximizePart, "dmip"},
             Case{28, 4, false, FrameWindowShow::Maximized, MaximizePart, "dmkp"},
             Case{23, 4, false, FrameWindowShow::Normal, MinimizePart, "dngp"},
             Case{18, 2, true, FrameWindowShow::Normal, HelpPart, "fmgp"},
             Case{1, 4, false, FrameWindowShow::Normal, IconPart, "dmgp"},
             Case{17, 20, true, FrameWindowShow::Normal, IconPart, "dmgp"},
             Case{0, 4, false, FrameWindowShow::Normal, NoTitlePart, "dmgp"},
         }) {
        FrameWindow window = TestWindow(40);
        window.hasMaximizeButton = true;
        window.hasHelpButton = true;
        window.hasSystemIcon = true;
        window.show = c.show;
        window.buttonDown = c.down;
        const TitleHit hit = TitlePartAt(LayOutTitle(skin.Reader(), skin.Metrics(), window), c.x, c.y);
        EXPECT_EQ(hit.part, c.hot) << c.x << "," << c.y;
        EXPECT_FALSE(hit.overDisabledButton) << c.x << "," << c.y;
        window.hotPart = hit.part;
        const Composed composed = Compose(skin, window);
        const std::string row = RowText(composed.band, 3);
        const std::string frames{row[21], row[26], row[31], row[36]};
        EXPECT_EQ(frames, c.frames) << c.x << "," << c.y;
    }
}

TEST(TitleBand, ADisabledCloseButtonIsFadedToGreyNeverHotAndTurnsItsMenuItemOff)
{
    // Close drawn at x 35..37, y 2..5; the pointer is compared with it moved
    // left by the left border (2). Minimize at 30 stays as it was.
    struct Case {
        const char* name;
        int x, y;
        bool down;
        bool transparentButtons;
        int hot;
        bool overDisabled;
    };
    for (const Case& c : {
             Case{"pointer away", 0, 20, false, false, NoTitlePart, false},
             Case{"pointer on it", 34, 4, false, false, NoTitlePart, true},
             Case{"pressed on it", 34, 4, true, true, NoTitlePart, true},
             Case{"pointer on minimize", 29, 4, false, false, MinimizePart, false},
         }) {
        const FrameSkin skin({.transparentButtons = c.transparentButtons});
        FrameWindow window = TestWindow(40);
        window.closeButtonEnabled = false;
        window.buttonDown = c.down;
        const TitleHit hit = TitlePartAt(LayOutTitle(skin.Reader(), skin.Metrics(), window), c.x, c.y);
        EXPECT_EQ(hit.part, c.hot) << c.name;
        EXPECT_EQ(hit.overDisabledButton, c.overDisabled) << c.name;
        window.hotPart = hit.part;
        const Composed composed = Compose(skin, window);
        EXPECT_FALSE(composed.layout.closeItemEnabled) << c.name;
        EXPECT_TRUE(composed.layout.minItemEnabled) << c.name;
        for (int y = 3; y <= 5; ++y)
            for (int x = 35; x <= 37; ++x) {
                const Color pixel = composed.band.ColorAt(x, y);
                const int red = int(pixel & 0xFF), green = int((pixel >> 8) & 0xFF), blue = int(pixel >> 16);
                EXPECT_TRUE(red == green && green == blue) << c.name << " a grey at " << x << "," << y;
                EXPECT_TRUE(pixel != 'p' && pixel != 'q' && pixel != 'r') << c.name;
            }
        // The frame's transparent corner: left out when the buttons are
        // drawn masked, copied as it is otherwise.
        EXPECT_EQ(composed.band.ColorAt(35, 2), c.transparentButtons ? Color('B') : test::TransparentColor) << c.name;
        EXPECT_EQ(composed.band.ColorAt(31, 3), Color(c.hot == MinimizePart ? 'n' : 'm')) << c.name;
    }
}

TEST(TitleBand, TheWidthForTheCaptionIsTheLeastThatShowsItWholeBesideTheButtons)
{
    // Three sections, no icon, "Hello" (10 pixels): caption room starts at
    // icon x + 20 = 23 whether an icon is drawn or not, the reserve of close
    // and minimize is 23, and 4 pixels stay free: 23 + 10 + 23 + 4 = 60.
    const FrameSkin threeSections;
    FrameWindow hello = TestWindow(0);
    hello.ansiCaption = "Hello";
    EXPECT_EQ(TitleWidthForCaption(threeSections.Reader(), threeSections.Metrics(), hello, FixedWidthFont{}), 60);

    struct Case {
        const char* name;
        bool fiveSections;
        bool icon;
        bool maximize;
        std::string ansi;
        std::wstring wide;
    };
    for (const Case& c : {
             Case{"three sections", false, false, false, "Orvane Sudoku 1.0", L""},
             Case{"five sections", true, false, false, "Orvane Sudoku 1.0", L""},
             Case{"icon and three buttons", true, true, true, "Orvane Sudoku 1.0", L""},
             Case{"wide caption longer", true, false, false, "Short", L"A longer wide caption"},
             Case{"ansi caption longer", false, false, false, "A longer ansi caption", L"Short"},
             Case{"empty caption", true, false, false, "", L""},
             Case{"one character", false, false, false, "A", L""},
         }) {
        const FrameSkin skin({.fiveSections = c.fiveSections});
        FrameWindow window = TestWindow(0);
        window.hasSystemIcon = c.icon;
        window.hasMaximizeButton = c.maximize;
        window.ansiCaption = c.ansi;
        window.wideCaption = c.wide;
        const int least = TitleWidthForCaption(skin.Reader(), skin.Metrics(), window, FixedWidthFont{});
        window.width = least;
        const CaptionPlacement whole = Compose(skin, window).caption;
        EXPECT_EQ(whole.ansiText, c.ansi) << c.name;
        EXPECT_TRUE(whole.wideText == c.wide) << c.name;
        EXPECT_EQ(RowText(Compose(skin, window).band, 0).substr(0, 6), "#AAAAB") << c.name << ": not squeezed";
        // One pixel less shortens a caption, or squeezes the title's left
        // section when the caption is shorter than the buttons' room.
        window.width = least - 1;
        const Composed narrower = Compose(skin, window);
        const bool shortened = narrower.caption.ansiText != c.ansi || narrower.caption.wideText != c.wide;
        const bool squeezed = RowText(narrower.band, 0).substr(0, 6) != "#AAAAB";
        EXPECT_TRUE(shortened || squeezed) << c.name;
    }
}

TEST(TitleBand, IconPlaceAndCaptionPlacement)
{
    // Caption x is the icon x + 20, and 20 less without an icon. Its room is
    // W - (icon x + 20) - reserve - 4 = 61 - 23 - 23 - 4 = 11 pixels, 2 per
    // character: a caption that does not fit becomes the first "..."
    // candidate at least that wide, one character more than the room here.
    struct Case {
        const char* name;
        bool icon;
        bool active;
        FrameWindowShow show;
        std::string ansi;
        std::wstring wide;
        int x, top;
        Color color;
        std::string ansiShown;
        std::wstring wideShown;
    };
    const FrameSkin skin;
    for (const Case& c : {
             Case{"fits", false, true, FrameWindowShow::Normal, "Hello", L"", 3, 2, 'F', "Hello", L""},
             Case{"too long", true, true, FrameWindowShow::Normal, "Hello!", L"", 23, 2, 'F', "Hel...", L""},
             Case{"wide and ansi apart", false, false, FrameWindowShow::Normal, "Hello", L"Wide text!", 3, 2, 'f',
                  "Hello", L"Wid..."},
             Case{"minimized", false, true, FrameWindowShow::Minimized, "Hello!", L"", 3, 4, 'F', "Hel...", L""},
         }) {
        FrameWindow window = TestWindow(61);
        window.hasSystemIcon = c.icon;
        window.isActive = c.active;
        window.show = c.show;
        window.ansiCaption = c.ansi;
        window.wideCaption = c.wide;
        const Composed composed = Compose(skin, window);
        const CaptionPlacement& caption = composed.caption;
        EXPECT_EQ(caption.x, c.x) << c.name;
        EXPECT_EQ(caption.top, c.top) << c.name;
        EXPECT_EQ(caption.color, c.color) << c.name;
        EXPECT_EQ(caption.ansiText, c.ansiShown) << c.name;
        EXPECT_TRUE(caption.wideText == c.wideShown) << c.name;
        EXPECT_EQ(composed.layout.hasIcon, c.icon) << c.name;
        if (c.icon) { // y 1 of the skin is raised to 4
            EXPECT_EQ(composed.layout.iconRect, (Rect{3, 4, 19, 20})) << c.name;
        }
    }
}

TEST(TitleBand, FiveSectionPlateEndsJustPastTheShortenedAnsiCaption)
{
    // W 60, reserve 23 + width(TITLEBAR3) 3 = 26, caption room 60 - 23 - 26 -
    // 4 = 7. The plate (TITLEBAR2) runs from 5 to e + 2 with e = the ANSI
    // caption's width + 23, TITLEBAR3 follows, TITLEBAR4 fills up to the
    // right cap TITLEBAR5 (whose transparent pixel stays in the band).
    struct Case {
        std::string ansi;
        std::wstring wide;
        std::string row0;
    };
    const FrameSkin skin({.fiveSections = true});
    for (const Case& c : {
             Case{"Hi", L"", "#AAAA" + Repeat('B', 24) + "CGK" + Repeat('D', 24) + "EEE#"},
             Case{"Hello", L"", "#AAAA" + Repeat('B', 28) + "CGK" + Repeat('D', 20) + "EEE#"}, // "H..."
             Case{"Hi", L"A much longer wide caption", "#AAAA" + Repeat('B', 24) + "CGK" + Repeat('D', 24) + "EEE#"},
         }) {
        FrameWindow window = TestWindow(60);
        window.ansiCaption = c.ansi;
        window.wideCaption = c.wide;
        const Composed composed = Compose(skin, window);
        EXPECT_EQ(RowText(composed.band, 0), c.row0) << c.ansi;
    }
}

TEST(TitleBand, NarrowWindowsSqueezeTheLeftSectionBeforeTheRightCap)
{
    // Reserve 23: from W < 5 + 23 the cap is drawn again at W - 3 and
    // TITLEBAR1 stretched from the left border (2) to it; its transparent
    // first column widens with it. A window no wider than the left border
    // plus the cap gets the cap's rightmost W - 2 columns after the border.
    struct Case {
        int width;
        std::string row0;
        std::string row1;
    };
    const FrameSkin skin;
    for (const Case& c : {
             Case{28, "#AAAA" + Repeat('B', 20) + "CGK", "AAAAA" + Repeat('B', 20) + "CGK"},
             Case{27, "#A####" + Repeat('A', 18) + "CGK", Repeat('A', 24) + "CGK"},
             Case{20, "#A###" + Repeat('A', 12) + "CGK", Repeat('A', 17) + "CGK"},
             Case{5, "#ACGK", "AACGK"},
             Case{4, "#AGK", "AAGK"},
             Case{2, "#A", "AA"},
         }) {
        const Composed composed = Compose(skin, TestWindow(c.width));
        EXPECT_EQ(RowText(composed.band, 0), c.row0) << c.width;
        EXPECT_EQ(RowText(composed.band, 1), c.row1) << c.width;
    }
}

TEST(TitleBand, BelowALowTitleTheMenuBarColourOrTheFormShows)
{
    // The unskinned top was 9 rows, the skin's title is 6: rows 6..8 take the
    // menu bar's colour when there is a menu bar, else the form's; without a
    // border the form colour covers them from the title's foot.
    struct Case {
        const char* name;
        int width;
        bool border;
        int menuBar;
        std::string row7;
    };
    const FrameSkin skin;
    for (const Case& c : {
             Case{"no menu", 40, true, 0, Repeat('.', 40)},
             Case{"menu", 40, true, 5, Repeat('M', 40)},
             Case{"no border", 40, false, 5, Repeat('.', 40)},
             Case{"narrow", 20, true, 5, "MM" + Repeat('A', 15) + "MMM"},
         }) {
        FrameWindow window = TestWindow(c.width);
        window.origTopHeight = 9;
        window.titleExtra = 3;
        window.hasBorder = c.border;
        window.menuBarHeight = c.menuBar;
        const Composed composed = Compose(skin, window);
        ASSERT_EQ(composed.band.Height(), 9);
        EXPECT_EQ(RowText(composed.band, 7), c.row7) << c.name;
    }
}

TEST(TitleBand, MinimizedWindowsCentreTheirButtonsInTheMinimizedTitle)
{
    // Close at W - 3 - 5 = 32, minimize (drawn as restore, 'j') at 27; the
    // top is (26 - frame height) div 2, at least 0, and 2 lower when the
    // buttons would end above row 22.
    struct Case {
        int buttonHeight;
        int top;
    };
    for (const Case& c : {Case{18, 4}, Case{16, 7}, Case{30, 0}, Case{17, 6}}) {
        const FrameSkin skin({.buttonHeight = c.buttonHeight});
        FrameWindow window = TestWindow(40);
        window.show = FrameWindowShow::Minimized;
        window.origTopHeight = 40;
        const Composed composed = Compose(skin, window);
        const Bitmap& band = composed.band;
        EXPECT_EQ(band.ColorAt(33, c.top), Color('p')) << c.buttonHeight;
        EXPECT_EQ(band.ColorAt(33, c.top + c.buttonHeight - 1), Color('p')) << c.buttonHeight;
        EXPECT_EQ(band.ColorAt(28, c.top + 1), Color('j')) << c.buttonHeight;
        if (c.top > 0) {
            EXPECT_EQ(band.ColorAt(33, c.top - 1), Color('Z')) << c.buttonHeight;
        }
        EXPECT_NE(band.ColorAt(33, c.top + c.buttonHeight), Color('p')) << c.buttonHeight;
        EXPECT_EQ(band.ColorAt(1, 1), Color('Z')) << c.buttonHeight; // no title sections
        EXPECT_EQ(composed.layout.buttonsLeft, 25) << c.buttonHeight;
    }
}

} // namespace
} // namespace orvane
