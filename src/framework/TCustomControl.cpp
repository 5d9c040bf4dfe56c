#include "framework/TCustomControl.h"

namespace orvane::framework {

const TClassInfo TCustomControl::ClassInfo{L"TCustomControl", &TWinControl::ClassInfo, {}};

void TCustomControl::WndProc(TMessage& message)
{
    if (message.Msg != WM_PAINT || IsSystemControl()) {
        TWinControl::WndProc(message);
        return;
    }
    // The paint ends, and the canvas lets go of its device context, even when
    // Paint throws: otherwise the window stays invalid and is painted again
    // and again, and the canvas keeps a dead context.
    class TPaintScope {
    public:
        TPaintScope(HWND paintedWindow, TCanvas& paintCanvas) : window(paintedWindow), canvas(paintCanvas)
        {
            canvas.SetHandle(BeginPaint(window, &paint));
        }
        ~TPaintScope()
        {
            canvas.SetHandle(nullptr);
            EndPaint(window, &paint);
        }
        TPaintScope(const TPaintScope&) = delete;
        TPaintScope& operator=(const TPaintScope&) = delete;

    private:
        HWND window;
        TCanvas& canvas;
        PAINTSTRUCT paint{};
    };
    controlCanvas.Font().Assign(Font());
    TPaintScope scope(WindowHandle(), controlCanvas);
    Paint();
    // The canvas may have moved the context's objects; the children get the
    // context as the paint began.
    const HDC dc = controlCanvas.Handle();
    controlCanvas.SetHandle(nullptr);
    PaintControls(dc, nullptr);
    controlCanvas.SetHandle(dc);
}

} // namespace orvane::framework
