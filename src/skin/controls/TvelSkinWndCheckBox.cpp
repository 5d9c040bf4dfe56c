#include "skin/controls/TvelSkinWndCheckBox.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TBitmap.h"
#include "skin/look/TSkinLook.h"

#include <algorithm>

namespace orvane::skin {

using namespace framework;

namespace {

// The box image is at least this wide, so that it covers the system's box.
constexpr int LeastBoxWidth = 14;

} // namespace

TvelSkinWndCheckBox::TvelSkinWndCheckBox(HWND checkBox, TSkinControlHost& window)
    : TvelSkinWndCheckBox(checkBox, window, CheckBoxKind)
{
}

TvelSkinWndCheckBox::TvelSkinWndCheckBox(HWND button, TSkinControlHost& window, const TSkinBoxKind& boxKind)
    : TvelSkinControlWnd(button, window), kind(boxKind)
{
}

void TvelSkinWndCheckBox::Paint()
{
    const TSkinLook& look = Look();
    const Bitmap frame = SkinBoxFrame(look, kind, Handle(), IsEnabled());
    if (frame.Empty())
        return;
    TBitmap image(std::max(frame.Width(), LeastBoxWidth), std::max(frame.Height(), int(GetBounds().bottom)));
    ComposeSkinBox(look, kind, frame, image, look.GetSkinColor(SKIN2_FORMCOLOR), 0, 0);
    DrawImageAt(image, POINT{0, 0});
}

} // namespace orvane::skin
