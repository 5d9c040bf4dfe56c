#pragma once

#include "skin/controls/TvelSkinBorderWinControl.h"
#include "skin/controls/TvelSkinInternalScrollBar.h"

#include <memory>

namespace orvane::skin {

// A control with scroll bars of its own (a memo, a list, a tree view, a
// scroll box, a grid): besides the sunken border, a skinned face is laid
// over each of its scroll bars while the system shows it and the engine
// draws scroll bars. The faces are siblings of the control, in front of it;
// clicks on them reach the control's own scroll bars.
class TvelSkinScrollWinControl : public TvelSkinBorderWinControl {
public:
    using TvelSkinBorderWinControl::TvelSkinBorderWinControl;
    ~TvelSkinScrollWinControl() override;

    void Init() override;
    void AfterMessage(framework::TMessage& message) override;
    void Paint() override;
    void SkinChanged() override;
    void Release() override;

    // The faces (null where the control has none).
    const TvelSkinInternalScrollBar* VerticalOverlay() const { return Live(vertical); }
    const TvelSkinInternalScrollBar* HorizontalOverlay() const { return Live(horizontal); }

protected:
    void TrackThumb(framework::TMessage& message) override;

private:
    static const TvelSkinInternalScrollBar* Live(const std::unique_ptr<TvelSkinInternalScrollBar>& overlay)
    {
        return overlay && overlay->Exists() ? overlay.get() : nullptr;
    }
    // Whether the control gets faces at all.
    bool WantsOverlays() const;
    // Whether the thumb follows the tracked drag rather than the system.
    bool TracksThumb() const;
    HWND OverlayParent() const;
    // Places and draws one face; false when it stays hidden.
    bool PlaceOverlay(TvelSkinInternalScrollBar& overlay, RECT& placed);
    void HideOverlays();

    std::unique_ptr<TvelSkinInternalScrollBar> vertical;
    std::unique_ptr<TvelSkinInternalScrollBar> horizontal;
};

} // namespace orvane::skin
