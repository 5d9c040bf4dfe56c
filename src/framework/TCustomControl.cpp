#include "framework/TCustomControl.h"

namespace orvane::framework {

const TClassInfo TCustomControl::ClassInfo{L"TCustomControl", &TWinControl::ClassInfo, {}};

void TCustomControl::WndProc(TMessage& message)
{
    if (message.Msg != WM_PAINT || IsSystemControl()) {
        TWinControl::WndProc(message);
        return;
    }
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(WindowHandle(), &paint);
    controlCanvas.Font().Assign(Font());
    controlCanvas.SetHandle(dc);
    Paint();
    controlCanvas.SetHandle(nullptr);
    EndPaint(WindowHandle(), &paint);
}

} // namespace orvane::framework
