#pragma once

#include "core/raster/Bitmap.h"
#include "core/skinframe/FrameWindow.h"
#include "core/skinframe/TitleLayout.h"
#include "framework/TBitmap.h"

#include <windows.h>

#include <memory>
#include <string>

namespace orvane::skin {

class TSkinLook;

// Which of a frame's bands the window region is cut from: those bands are
// put on the window over the form colour, which shows through their
// transparent corners while the region changes.
struct TBandRegions {
    bool title = false;
    bool bottom = false;
};

// The skinned frame of one window as pictures: the title band, the two side
// strips and the bottom band, composed off screen from the look and the
// window's state and kept. A band is composed again only when the state it
// shows changes (size, activation, caption, the title button under the
// pointer and its press, the skin); painting a frame whose state is
// unchanged copies the kept bands to the window, one copy each.
class TFramePainter {
public:
    // Brings the bands up to the window's state, composing those whose state
    // changed since they were composed and no other. `icon` is drawn at the
    // title's icon place when the layout has one.
    void Prepare(const TSkinLook& look, const FrameWindow& frame, const TitleLayout& layout, HICON icon,
                 TBandRegions regions);
    // Whether the title on the window shows something else than this state
    // would: another state, or a band composed since it was put there.
    bool TitleChanged(const TSkinLook& look, const FrameWindow& frame, HICON icon) const;
    // Copies the prepared bands of this state onto the whole-window device
    // context (and fills the gap above a low bottom border).
    void Paint(HDC windowDc, const TSkinLook& look, const FrameWindow& frame);
    // Forgets what the bands show, so that the next Prepare composes them
    // all: the skin, or how its bands meet the region, changed.
    void Forget();

    // The composed bands' pixels, null where there is none; the window region
    // is cut from them.
    const Bitmap* TitlePixels();
    const Bitmap* BottomPixels();
    // The caption as the title band shows it, shortened or whole.
    const std::wstring& ShownCaption() const { return shownCaption; }

    long Paints() const { return paints; }
    long TitleCompositions() const { return titleCompositions; }
    long BorderCompositions() const { return borderCompositions; }

private:
    void ComposeTitle(const TSkinLook& look, const FrameWindow& frame, const TitleLayout& layout, HICON icon);
    void ComposeBorders(const TSkinLook& look, const FrameWindow& frame);
    // The band as it goes on the screen: itself, or over the form colour
    // when the region is cut from it.
    static void ComposeOut(const TSkinLook& look, framework::TBitmap& band, std::unique_ptr<framework::TBitmap>& out,
                           bool cut);

    // What each band was composed from; unset (false) until it was.
    bool titleKnown = false;
    FrameWindow titleState;
    const TSkinLook* titleLook = nullptr;
    HICON titleIcon = nullptr;
    bool titleOnWindow = false; // the composed title band is what the window shows
    bool bordersKnown = false;
    FrameWindow bordersState;
    const TSkinLook* bordersLook = nullptr;
    TBandRegions regions;

    framework::TBitmap titleBand;
    std::unique_ptr<framework::TBitmap> titleBandOut;
    framework::TBitmap bottomBand;
    std::unique_ptr<framework::TBitmap> bottomBandOut;
    framework::TBitmap leftStrip;
    framework::TBitmap rightStrip;
    std::wstring shownCaption;

    long paints = 0;
    long titleCompositions = 0;
    long borderCompositions = 0;
};

} // namespace orvane::skin
