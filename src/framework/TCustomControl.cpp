#include "framework/TCustomControl.h"

#include "framework/GdiOwners.h"

namespace orvane::framework {

const TClassInfo TCustomControl::ClassInfo{L"TCustomControl", &TWinControl::ClassInfo, {}};

void TCustomControl::PaintTo(HDC dc)
{
    controlCanvas.Font().Assign(Font());
    {
        const TCanvasOnDC onDc(controlCanvas, dc);
        Paint();
    }
    // The windowless children get the context as the paint found it.
    PaintControls(dc, nullptr);
}

void TCustomControl::WndProc(TMessage& message)
{
    if (IsSystemControl() || (message.Msg != WM_PAINT && message.Msg != WM_PRINTCLIENT)) {
        TWinControl::WndProc(message);
        return;
    }
    HDC given = reinterpret_cast<HDC>(message.WParam);
    message.Result = 0;
    if (message.Msg == WM_PRINTCLIENT) {
        if (message.LParam & PRF_ERASEBKGND)
            EraseBackground(given);
        if (message.LParam & PRF_CLIENT)
            PaintTo(given);
        return;
    }
    if (given) {
        PaintTo(given);
        return;
    }
    const TPaintDC paint(WindowHandle());
    PaintTo(paint.Handle());
}

} // namespace orvane::framework
