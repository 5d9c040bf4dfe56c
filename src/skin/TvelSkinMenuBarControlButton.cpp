#include "skin/TvelSkinMenuBarControlButton.h"

#include "core/raster/Canvas.h"
#include "core/raster/Gradient.h"
#include "framework/PublishedProperties.h"

namespace orvane::skin {

using namespace framework;

namespace {

constexpr TPropertyInfo ControlButtonProperties[] = {
    PublishedValue<TvelSkinMenuBarControlButton, &TvelSkinMenuBarControlButton::ToColor,
                   &TvelSkinMenuBarControlButton::SetToColor>(L"ToColor", TPropertyKind::Color),
};

} // namespace

const TClassInfo TvelSkinMenuBarControlButton::ClassInfo{L"TvelSkinMenuBarControlButton", &TCustomControl::ClassInfo,
                                                         ControlButtonProperties};

TvelSkinMenuBarControlButton::TvelSkinMenuBarControlButton(TComponent* owner, TSkinControlHost& frameBinding)
    : TCustomControl(owner), host(frameBinding)
{
    SetBounds(0, 0, Size, Size);
}

void TvelSkinMenuBarControlButton::SetToColor(TColor value)
{
    toColor = value;
    Invalidate();
}

void TvelSkinMenuBarControlButton::WndProc(TMessage& message)
{
    const TSkinHostInUse use(host);
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        hot = message.Msg == CM_MOUSEENTER;
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TvelSkinMenuBarControlButton::Paint()
{
    const int width = Width();
    const int height = Height();
    if (width <= 0 || height <= 0)
        return;
    TBitmap buffer(width, height);
    {
        orvane::Canvas pixels(buffer.CoreBitmap());
        const orvane::Color from = ColorToRGB(Color());
        const orvane::Color to = ColorToRGB(toColor);
        const Rect all{0, 0, width, height};
        if (from == to)
            pixels.FillRect(all, from);
        else
            FillGradientV(pixels, all, from, to);
        if (!glyph.Empty() && hot)
            pixels.FrameRect(all, 0x000000);
    }
    if (!glyph.Empty()) {
        glyph.SetTransparent(true);
        buffer.Canvas().Draw(1, 1, glyph);
    }
    Canvas().CopyRect(RECT{0, 0, width, height}, buffer, RECT{0, 0, width, height});
}

} // namespace orvane::skin
