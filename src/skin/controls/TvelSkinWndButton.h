#pragma once

#include "core/skincontrols/PushButtonClicks.h"
#include "skin/TWindowTimer.h"
#include "skin/TvelSkinControlWnd.h"

namespace orvane::skin {

// A push button of a system dialog (a message box, a file dialog) drawn
// from the skin's button frames. Plain windows send no enter and leave
// notifications: a pointer move makes the button hot, and a timer notices
// when the pointer has gone. The press is kept from the system button and
// the click is sent to the dialog as the button itself would send it. The
// face and the clicks are those of every skinned push button
// (ButtonPainting, PushButtonClicks); the hover timer, the caption in the
// menu font and the click sent to the dialog are this branch's own.
class TvelSkinWndButton : public TvelSkinControlWnd {
public:
    static constexpr UINT HoverTimerMilliseconds = 138;

    TvelSkinWndButton(HWND button, TSkinControlHost& window);

    bool BeforeMessage(framework::TMessage& message) override;
    bool RedrawsAfter(UINT message) const override;
    void Paint() override;
    void MouseDown() override;
    void MouseUp() override;
    void Init() override;
    void Release() override;

private:
    void HoverTick();

    PushButtonClicks clicks;
    bool firstPaintDone = false;
    // Notices that the pointer has left; killed with the button skin.
    TWindowTimer hoverTimer;
};

} // namespace orvane::skin
