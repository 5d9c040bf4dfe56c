#include "framework/TGraphicControl.h"

namespace orvane::framework {

const TClassInfo TGraphicControl::ClassInfo{L"TGraphicControl", &TControl::ClassInfo, {}};

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::PaintTo(HDC dc) { Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); }

void TGraphicControl::WndProc(TMessage& message)
{
    if (message.Msg == WM_PAINT && message.WParam) {
        controlCanvas.Font().Assign(Font());
        const TCanvasOnDC onDc(controlCanvas, reinterpret_cast<HDC>(message.WParam));
        Paint();
        message.Result = 0;
        return;
    }
    TControl::WndProc(message);
}

} // namespace orvane::framework
