#pragma once

#include "framework/TCanvas.h"
#include "framework/TWinControl.h"

namespace orvane::framework {

// A windowed control that draws itself: WM_PAINT hands a canvas on the
// window to Paint. A device context given with the message (WM_PAINT with a
// context in wParam, WM_PRINTCLIENT) is painted into instead, so that a
// control can be composed off screen.
class TCustomControl : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}

    TCanvas& Canvas() { return controlCanvas; }

protected:
    void WndProc(TMessage& message) override;
    virtual void Paint() {}

private:
    // Runs Paint on a canvas over the context; the canvas lets the context go
    // afterwards, also when Paint throws.
    void PaintTo(HDC dc);

    TCanvas controlCanvas;
};

} // namespace orvane::framework
