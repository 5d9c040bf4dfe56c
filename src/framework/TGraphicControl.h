#pragma once

#include "framework/TCanvas.h"
#include "framework/TControl.h"

#include <windows.h>

namespace orvane::framework {

// A control without a window of its own (a label, a speed button): its parent
// paints it into the parent's device context, shifted to the control's place
// and clipped to its bounds, after the parent's own painting; the parent
// hands it the mouse messages over its bounds, in its own coordinates, and
// the application enters and leaves it like any control.
class TGraphicControl : public TControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TGraphicControl(TComponent* owner);

    TCanvas& Canvas() { return controlCanvas; }

    // Paints the control into a device context whose origin is the
    // control's top left corner; the parent calls it. The paint goes through
    // the control's message handling as WM_PAINT with the context in wParam,
    // so that whoever stands in front of it (a control skin) can take it.
    void PaintTo(HDC dc);

protected:
    virtual void Paint() {}
    void WndProc(TMessage& message) override;

private:
    TCanvas controlCanvas;
};

} // namespace orvane::framework
