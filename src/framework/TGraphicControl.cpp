#include "framework/TGraphicControl.h"

namespace orvane::framework {

const TClassInfo TGraphicControl::ClassInfo{L"TGraphicControl", &TControl::ClassInfo, {}};

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::PaintTo(HDC dc)
{
    // The canvas lets go of the context however Paint ends.
    struct TCanvasScope {
        TCanvas& canvas;
        ~TCanvasScope() { canvas.SetHandle(nullptr); }
    } scope{controlCanvas};
    controlCanvas.Font().Assign(Font());
    controlCanvas.SetHandle(dc);
    Paint();
}

} // namespace orvane::framework
