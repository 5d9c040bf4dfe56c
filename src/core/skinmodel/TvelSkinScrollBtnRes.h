#pragma once

#include "core/skinmodel/TvelSkinRes.h"

#include <array>
#include <optional>
#include <span>

namespace orvane {

// The scroll-bar images: arrow buttons in their three states and the thumb in
// five sections (cap, upper body, grip, lower body, cap), for vertical bars as
// the skin stores them and turned for horizontal ones. All 24 bits per pixel,
// the skin's transparent colour replaced by the scroll-bar colour.
class TvelSkinScrollBtnRes : public TvelSkinRes {
public:
    static constexpr int ButtonCount = 6;       // states 1-3 of the first button, 1-3 of the second
    static constexpr int ThumbSectionCount = 5;

    void Reload() override;

    // 1-based, as the painter counts them. Horizontal buttons 1-3 are the left
    // button, 4-6 the right one; vertical 1-3 up, 4-6 down.
    const Bitmap& HorzButtons(int index) const;
    const Bitmap& VertButtons(int index) const;
    const Bitmap& HorzThumb(int index) const;
    const Bitmap& VertThumb(int index) const;

    // All buttons or thumb sections of one direction, in the same order.
    std::span<const Bitmap> HorzButtonImages() const { return horzButtons; }
    std::span<const Bitmap> VertButtonImages() const { return vertButtons; }
    std::span<const Bitmap> HorzThumbImages() const { return horzThumb; }
    std::span<const Bitmap> VertThumbImages() const { return vertThumb; }

    // The whole thumb image and its anticlockwise turn, only for skins that
    // draw the thumb in one piece (ThreePartThumb).
    const Bitmap* WholeBar() const { return wholeBar ? &*wholeBar : nullptr; }
    const Bitmap* WholeBarRotated() const { return wholeBarRotated ? &*wholeBarRotated : nullptr; }

    bool ThreePartThumb() const { return threePartThumb; }
    // The thickness of a skinned scroll bar: the thumb image's width.
    int BarWidth() const { return barWidth; }

private:
    void Clear();
    void PrepareButtons();
    void PrepareThumb(const Bitmap& thumb);
    void TurnForHorizontalBars();
    void ReplaceTransparentColor();

    std::array<Bitmap, ButtonCount> horzButtons;
    std::array<Bitmap, ButtonCount> vertButtons;
    std::array<Bitmap, ThumbSectionCount> horzThumb;
    std::array<Bitmap, ThumbSectionCount> vertThumb;
    std::optional<Bitmap> wholeBar;
    std::optional<Bitmap> wholeBarRotated;
    bool threePartThumb = false;
    int barWidth = 0;
};

} // namespace orvane
