#include "skin/controls/TvelSkinButton.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/CutFrame.h"
#include "core/skincontrols/ButtonLayout.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/GuardedCallback.h"
#include "framework/TButton.h"
#include "framework/TForm.h"
#include "framework/TImageList.h"
#include "skin/FormLookup.h"
#include "skin/PlatformVersion.h"
#include "skin/look/TSkinLook.h"
#include "skin/painters/ButtonPainting.h"
#include "skin/painters/SkinPainting.h"

#include <algorithm>

namespace orvane::skin {

using namespace framework;

TvelSkinButton::TvelSkinButton(TControl& control, TSkinControlHost& window)
    : TvelSkinControlFramework(control, window), button(static_cast<TButton&>(control))
{
}

void TvelSkinButton::Init() { clicks.Reset(); }

bool TvelSkinButton::BeforeMessage(TMessage& message)
{
    if (AnswerOwnPaintMessages(message))
        return false;
    switch (message.Msg) {
    case WM_KEYDOWN:
        return message.WParam != VK_RETURN && message.WParam != VK_SPACE;
    case WM_MOUSEACTIVATE:
        // Sent before the system activates the form for this press.
        if (TCustomForm* form = GetParentForm(button))
            clicks.Activating(!IsFormActive(*form));
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetState(StatePressed, true);
        Paint();
        return false;
    case WM_KILLFOCUS:
    case CM_GOTFOCUS:
    case CM_LOSTFOCUS:
        Paint();
        return false;
    default:
        return true;
    }
}

void TvelSkinButton::AfterMessage(TMessage& message)
{
    TvelSkinControlFramework::AfterMessage(message);
    switch (message.Msg) {
    case WM_CHAR:
        if (message.WParam == VK_RETURN) {
            SetState(StatePressed, false);
            Paint();
            ClickButton();
        }
        break;
    case WM_LBUTTONDBLCLK:
        if (clicks.DoubleClick())
            ClickButton();
        break;
    default:
        break;
    }
}

bool TvelSkinButton::RedrawsAfter(UINT message) const
{
    return ButtonFaceChangesOn(message) || (message == WM_UPDATEUISTATE && IsWinXP());
}

void TvelSkinButton::MouseDown()
{
    // On a form that is not active the press only activates the form.
    TCustomForm* form = GetParentForm(button);
    clicks.Press(form && IsFormActive(*form));
    if (!clicks.Armed())
        return;
    if (button.Visible() && button.EnabledWithParents()) {
        try {
            button.SetFocus();
        } catch (...) {
            ReportCaughtException(TCallbackFailure::Log);
        }
    }
}

void TvelSkinButton::MouseUp()
{
    if (clicks.Release())
        ClickButton();
}

void TvelSkinButton::KeyDown(WPARAM) { clicks.KeyDown(); }

void TvelSkinButton::KeyUp(WPARAM key)
{
    if (!clicks.KeyUp(key == VK_SPACE, button.Focused() && button.Enabled() && Skinning()))
        return;
    SetState(StatePressed, false);
    Paint();
    ClickButton();
}

void TvelSkinButton::ClickButton() { button.Click(); }

void TvelSkinButton::Paint()
{
    const RECT client = GetBounds();
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (width <= 0 || height <= 0 || !GetHandle())
        return;
    const TSkinLook& look = Look();
    const TWinControl* parent = button.Parent();
    TBitmap image(width, height);
    PaintButtonFace(look, image, parent ? Color(ColorToRGB(parent->Color())) : look.GetSkinColor(SKIN2_FORMCOLOR),
                    TButtonFaceState{Hot(), Pressed(), button.Focused()});

    if (!Context().NoChangeButtonsFontColor()) {
        const TColor fontColor(look.GetSkinColor(SKIN2_BUTTONFONTCOLOR));
        if (button.Font().Color() != fontColor)
            button.Font().SetColor(fontColor);
    }
    const std::wstring caption = button.Caption();
    const RECT captionRect = PaintPicture(image, caption);
    DrawCaption(image, caption, button.WordWrap(), captionRect, &button.Font());
}

RECT TvelSkinButton::PaintPicture(TBitmap& image, const std::wstring& caption)
{
    const int width = image.Width(), height = image.Height();
    const bool enabled = button.Enabled();
    int glyphWidth = 0, glyphHeight = 0;
    Bitmap glyph;
    bool greyGlyph = false;
    TCustomImageList* images = button.Images();
    const bool useImage = !button.HasGlyph() && images && button.ImageIndex() != -1 &&
                          button.ImageIndex() < images->Count();
    if (button.HasGlyph()) {
        const int count = std::max(button.NumGlyphs(), 1);
        const int index = std::min(enabled ? 1 : 2, count);
        CutFrame(&const_cast<TBitmap&>(button.Glyph()).CoreBitmap(), glyph, count, index);
        greyGlyph = !enabled && count == 1;
        glyphWidth = glyph.Width();
        glyphHeight = glyph.Height();
    } else if (useImage) {
        glyphWidth = images->Width();
        glyphHeight = images->Height();
    }
    if (glyphWidth <= 0 || glyphHeight <= 0)
        return RECT{0, 0, width, height};

    HDC dc = image.Canvas().Handle();
    const Rect area{1, 1, width - 1, height - 1};
    ButtonLayoutInput input;
    input.area = area;
    input.glyphWidth = glyphWidth;
    input.glyphHeight = glyphHeight;
    input.captionEmpty = caption.empty();
    if (!caption.empty()) {
        TSelectedObject font;
        font.Select(dc, button.Font().Handle());
        RECT measured{0, 0, area.Width(), 0};
        std::wstring text = caption;
        DrawTextW(dc, text.data(), int(text.size()), &measured,
                  DT_CALCRECT | DT_EXPANDTABS | (button.WordWrap() ? DT_WORDBREAK : 0));
        input.captionWidth = std::min(int(measured.right - measured.left), area.Width());
        input.captionHeight = measured.bottom - measured.top;
    }
    input.layout = ButtonGlyphLayout(int(button.Layout()));
    input.margin = button.Margin();
    input.spacing = button.Spacing();
    input.rightToLeft = (GetWindowLongW(GetHandle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const ButtonLayoutResult layout = LayOutButton(input);
    const int shift = Pressed() ? 1 : 0;
    if (button.HasGlyph()) {
        Canvas canvas(image.CoreBitmap());
        if (greyGlyph)
            DrawGreyedBitmap(canvas, layout.glyphX + shift, layout.glyphY + shift, glyph, glyph.ColorAt(0, 0));
        else
            CopyRectMasked(canvas, layout.glyphX + shift, layout.glyphY + shift, glyph,
                           Rect{0, 0, glyph.Width(), glyph.Height()}, GlyphTransparentColor(glyph));
    } else {
        images->Draw(image.Canvas(), layout.glyphX + shift, layout.glyphY + shift, button.ImageIndex(), enabled);
    }
    return RECT{layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom};
}

} // namespace orvane::skin
