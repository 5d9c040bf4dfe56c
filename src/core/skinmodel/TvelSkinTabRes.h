#pragma once

#include "core/skinmodel/TvelSkinRes.h"

#include <array>

namespace orvane {

// The tab-control images in the four orientations that tabs at the top,
// bottom, left and right need.
class TvelSkinTabRes : public TvelSkinRes {
public:
    // As stored (tabs at the top), then turned 90° anticlockwise, 180°, 90° clockwise.
    enum class Orientation { AsStored = 0, AntiClockwise = 1, HalfTurn = 2, Clockwise = 3 };
    static constexpr int OrientationCount = 4;
    static constexpr int BitmapCount = 3 * OrientationCount;

    // Needs only a reader, not a ready one: without a loaded package the
    // bitmaps are simply empty.
    void Reload() override;

    // 1-based, in the set's order: the line under the tabs in its four
    // orientations, then the other tabs' image (frame 2), then the selected
    // tab's image (frame 1).
    const Bitmap& Bitmaps(int index) const;

    const Bitmap& Line(Orientation orientation) const { return Bitmaps(1 + int(orientation)); }
    const Bitmap& InactiveTab(Orientation orientation) const { return Bitmaps(5 + int(orientation)); }
    const Bitmap& ActiveTab(Orientation orientation) const { return Bitmaps(9 + int(orientation)); }

private:
    std::array<Bitmap, BitmapCount> bitmaps;
};

} // namespace orvane
