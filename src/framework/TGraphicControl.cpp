#include "framework/TGraphicControl.h"

namespace orvane::framework {

const TClassInfo TGraphicControl::ClassInfo{L"TGraphicControl", &TControl::ClassInfo, {}};

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::PaintTo(HDC dc)
{
    controlCanvas.Font().Assign(Font());
    const TCanvasOnDC onDc(controlCanvas, dc);
    Paint();
}

} // namespace orvane::framework
