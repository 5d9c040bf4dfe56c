// Measures, in one run, what one paint of a skinned frame costs against the
// cheapest thing a paint could be: one copy of the window's whole area. The
// frame is the game's main window (about 523 x 528) with the default skin:
// the title band with its buttons, the bottom band and the two side strips;
// the region is one BuildWindowRegion over the composed bands.
#include "SecondsPerCall.h"
#include "core/raster/BitmapCopy.h"
#include "core/raster/TextMeasurer.h"
#include "core/skinframe/FrameBorders.h"
#include "core/skinframe/FrameMetrics.h"
#include "core/skinframe/TitleBand.h"
#include "core/skinframe/WindowRegion.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/skinmodel/TvelSkinReader.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

using namespace orvane;

constexpr int WindowWidth = 523;
constexpr int WindowHeight = 528;
constexpr int MenuBarHeight = 20;
constexpr double RoundSeconds = 0.05;
constexpr int Rounds = 15;
constexpr Color InactiveCaption = 0x808080;

// A caption font of 7 pixels per character, about the system's.
class FixedWidthFont : public TextMeasurer {
public:
    int TextWidth(std::string_view text) const override { return 7 * int(text.size()); }
    int TextWidth(std::wstring_view text) const override { return 7 * int(text.size()); }
};

// Seconds per call of one round: calls repeated until the round is long
// enough to time.

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Run(const std::filesystem::path& package)
{
    const TvelSkinReader skin(package, "");
    if (!skin.Ready()) {
        std::fprintf(stderr, "orvane-frame-bench: no skin at %s\n", package.string().c_str());
        return 1;
    }
    const FrameMetrics metrics = FrameMetricsFromSkin(skin, InactiveCaption);

    FrameWindow window;
    window.width = WindowWidth;
    window.height = WindowHeight;
    window.titleHeight = metrics.titleHeight;
    window.origTopHeight = metrics.titleHeight;
    window.menuBarHeight = MenuBarHeight;
    window.hasSystemIcon = true;
    window.hasMinimizeButton = true;
    window.ansiCaption = "Orvane Sudoku 1.0 - Normal";
    window.hotPart = ClosePart; // the pointer over the close button

    const FixedWidthFont font;
    Bitmap titleBand(window.width, TitleBandHeight(window));
    Bitmap bottomBand(window.width, metrics.bottomBorderHeight);
    const Rect leftRect = SideStripRect(metrics, window, FrameSide::Left);
    const Rect rightRect = SideStripRect(metrics, window, FrameSide::Right);
    Bitmap leftStrip(leftRect.Width(), leftRect.Height());
    Bitmap rightStrip(rightRect.Width(), rightRect.Height());
    const auto composeFrame = [&] {
        Canvas title(titleBand), bottom(bottomBand), left(leftStrip), right(rightStrip);
        ComposeTitleBand(skin, metrics, window, LayOutTitle(skin, metrics, window), font, title);
        ComposeBottomBand(skin, window, bottom);
        ComposeSideStrip(skin, metrics, window, FrameSide::Left, left);
        ComposeSideStrip(skin, metrics, window, FrameSide::Right, right);
    };
    composeFrame();

    // The region scans the bands the skin marks; a skin that marks none is
    // measured as if it marked both, the most a region can cost.
    const bool titleRegion = skin.GetFlag(SKIN2_TITLEBARNEEDREGION);
    const bool bottomRegion = skin.GetFlag(SKIN2_BOTTOMBORDERNEEDREGION);
    const bool both = !titleRegion && !bottomRegion;
    const Bitmap* regionTitle = titleRegion || both ? &titleBand : nullptr;
    const Bitmap* regionBottom = bottomRegion || both ? &bottomBand : nullptr;
    std::size_t rectangles = 0;
    const auto buildRegion = [&] {
        rectangles = BuildWindowRegion(regionTitle, regionBottom, window.width, window.height, metrics).size();
    };

    // Two references: one copy of the window's whole area, and one copy of a
    // rectangle as wide as the window holding as many pixels as the frame.
    const long framePixels = long(titleBand.Width()) * titleBand.Height() +
                             long(bottomBand.Width()) * bottomBand.Height() +
                             long(leftStrip.Width()) * leftStrip.Height() +
                             long(rightStrip.Width()) * rightStrip.Height();
    const int frameRows = int((framePixels + window.width - 1) / window.width);
    const Bitmap source(window.width, window.height, 0x00336699);
    Bitmap target(window.width, window.height);
    const auto copyRows = [&](int rows) {
        return [&, rows] {
            Canvas canvas(target);
            CopyRect(canvas, 0, 0, source, Rect{0, 0, window.width, rows});
        };
    };
    const std::function<void()> copyWindow = copyRows(window.height);
    const std::function<void()> copyFrameArea = copyRows(frameRows);

    // Rounds alternate between the four, so that a busy moment of the machine
    // hits all of them alike; each ratio is the median of the rounds' ratios.
    struct Figure {
        const char* name;
        std::function<void()> call;
        std::vector<double> seconds, overWindow, overFrameArea;
    };
    std::vector<Figure> figures = {{"copy of the window's area", copyWindow, {}, {}, {}},
                                   {"copy of the frame's area", copyFrameArea, {}, {}, {}},
                                   {"compose title, bottom, two sides", composeFrame, {}, {}, {}},
                                   {"build window region", buildRegion, {}, {}, {}}};
    for (int round = 0; round < Rounds; ++round) {
        for (Figure& figure : figures)
            figure.seconds.push_back(orvane::bench::SecondsPerCall(figure.call, RoundSeconds));
        for (Figure& figure : figures) {
            figure.overWindow.push_back(figure.seconds.back() / figures[0].seconds.back());
            figure.overFrameArea.push_back(figure.seconds.back() / figures[1].seconds.back());
        }
    }

    std::printf("window %d x %d, title %d, borders %d/%d/%d; frame %ld pixels of %ld (copied as %d x %d)\n",
                window.width, window.height, metrics.titleHeight, metrics.leftBorderWidth, metrics.rightBorderWidth,
                metrics.bottomBorderHeight, framePixels, long(window.width) * window.height, window.width, frameRows);
    std::printf("  %-34s %10s %14s %18s\n", "", "us/call", "time / window", "time / frame area");
    for (const Figure& figure : figures)
        std::printf("  %-34s %10.2f %14.3f %18.3f\n", figure.name, Median(figure.seconds) * 1e6,
                    Median(figure.overWindow), Median(figure.overFrameArea));
    std::printf("  region: %zu rectangles, title rows %d..%d, bottom rows %d..%d%s\n", rectangles,
                metrics.titleRegionMinY, metrics.titleRegionMaxY, metrics.bottomRegionMinY, metrics.bottomRegionMaxY,
                both ? " (skin marks no band: both scanned)" : "");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc > 1 ? std::filesystem::path(argv[1])
                            : std::filesystem::path(ORVANE_BINARY_DIR "/skins/default.ssk"));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvane-frame-bench: %s\n", error.what());
        return 1;
    }
}
