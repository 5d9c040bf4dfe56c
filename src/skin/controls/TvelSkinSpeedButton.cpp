#include "skin/controls/TvelSkinSpeedButton.h"

#include "core/raster/BitmapCopy.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/TBitmap.h"
#include "framework/TSpeedButton.h"
#include "framework/TWinControl.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/SkinPainting.h"

namespace orvane::skin {

using namespace framework;

namespace {

constexpr COLORREF DisabledTextColor = 0x808080;

} // namespace

TvelSkinSpeedButton::TvelSkinSpeedButton(TControl& control, TSkinControlHost& window)
    : TvelSkinControlFramework(control, window), button(static_cast<TSpeedButton&>(control))
{
}

bool TvelSkinSpeedButton::PaintsItself() const { return button.Tag() == OwnPaintTag; }

bool TvelSkinSpeedButton::BeforeMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT: {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        if (PaintsItself()) {
            // A plain background from the skin, and the button draws on it.
            if (dc) {
                const RECT client = GetBounds();
                FillRect(dc, &client, Look().FormBrush());
            }
            return true;
        }
        if (dc) {
            const RECT client = GetBounds();
            TBitmap image(client.right, client.bottom);
            if (image.Empty())
                return false;
            Compose(image);
            BitBlt(dc, 0, 0, image.Width(), image.Height(), image.Canvas().Handle(), 0, 0, SRCCOPY);
        } else {
            Paint();
        }
        message.Result = 0;
        return false;
    }
    case WM_ERASEBKGND:
        message.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetState(StatePressed, true);
        return true;
    default:
        return true;
    }
}

void TvelSkinSpeedButton::Paint()
{
    if (PaintsItself())
        return;
    const RECT client = GetBounds();
    if (client.right <= 0 || client.bottom <= 0 || !GetHandle())
        return;
    TBitmap image(client.right, client.bottom);
    Compose(image);
    DrawImageAt(image, POINT{0, 0});
}

void TvelSkinSpeedButton::Compose(TBitmap& image)
{
    const TSkinLook& look = Look();
    const int width = image.Width(), height = image.Height();
    const bool enabled = button.Enabled();
    const bool pushed = enabled && (Pressed() || button.Down());
    const Color border = look.GetSkinColor(SKIN2_TOOLBARBORDERCOLOR);
    const Bitmap glyph = button.GlyphFrame(enabled, Pressed(), button.Down());
    {
        Canvas canvas(image.CoreBitmap());
        const Rect whole{0, 0, width, height};
        const TWinControl* parent = button.Parent();
        canvas.FillRect(whole, parent ? Color(ColorToRGB(parent->Color())) : look.GetSkinColor(SKIN2_FORMCOLOR));
        if (pushed)
            canvas.FillRect(whole, look.GetSkinColor(SKIN2_TOOLBARDOWNCOLOR));
        else if (enabled && Hot())
            canvas.FillRect(whole, look.GetSkinColor(SKIN2_TOOLBARONCOLOR));
        canvas.FrameRect(whole, border);
    }

    HDC dc = image.Canvas().Handle();
    TSelectedObject font;
    font.Select(dc, button.Font().Handle());
    const ButtonLayoutResult place = button.LayOut(dc, glyph.Width(), glyph.Height());
    const int shift = pushed ? 1 : 0;
    if (!glyph.Empty()) {
        Canvas canvas(image.CoreBitmap());
        CopyRectMasked(canvas, place.glyphX + shift, place.glyphY + shift, glyph,
                       Rect{0, 0, glyph.Width(), glyph.Height()}, GlyphTransparentColor(glyph));
    }
    std::wstring caption = button.Caption();
    if (caption.empty())
        return;
    RECT text{place.caption.left + shift, place.caption.top + shift, place.caption.right + shift,
              place.caption.bottom + shift};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? ColorToRGB(button.Font().Color()) : DisabledTextColor);
    DrawTextW(dc, caption.data(), int(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace orvane::skin
