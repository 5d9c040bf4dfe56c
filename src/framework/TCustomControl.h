#pragma once

#include "framework/TCanvas.h"
#include "framework/TWinControl.h"

namespace orvane::framework {

// A windowed control that draws itself: WM_PAINT hands a canvas on the
// window to Paint.
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
    TCanvas controlCanvas;
};

} // namespace orvane::framework
