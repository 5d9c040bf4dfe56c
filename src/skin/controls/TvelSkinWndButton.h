#pragma once

#include "skin/TvelSkinControlWnd.h"

namespace orvane::skin {

// A push button of a system dialog (a message box, a file dialog) drawn
// from the skin's button frames. Plain windows send no enter and leave
// notifications: a pointer move makes the button hot, and a timer notices
// when the pointer has gone. The press is kept from the system button and
// the click is sent to the dialog as the button itself would send it.
class TvelSkinWndButton : public TvelSkinControlWnd {
public:
    static constexpr UINT HoverTimerMilliseconds = 138;

    TvelSkinWndButton(HWND button, TSkinControlHost& window);
    ~TvelSkinWndButton() override;

    bool BeforeMessage(framework::TMessage& message) override;
    void AfterMessage(framework::TMessage& message) override;
    void Paint() override;
    void MouseDown() override;
    void MouseUp() override;
    void Init() override;
    void Release() override;

private:
    void HoverTick();
    void StopTimer();

    bool mouseArmed = false;
    bool firstPaintDone = false;
    bool timerRunning = false;
};

} // namespace orvane::skin
