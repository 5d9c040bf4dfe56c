#include "skin/controls/TvelSkinButton.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/CutFrame.h"
#include "core/raster/NineSlice.h"
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
#include "skin/painters/SkinPainting.h"

#include <algorithm>

namespace orvane::skin {

using namespace framework;

TvelSkinButton::TvelSkinButton(TControl& control, TSkinControlHost& window)
    : TvelSkinControlFramework(control, window), button(static_cast<TButton&>(control))
{
}

void TvelSkinButton::Init()
{
    mouseArmed = false;
    spaceArmed = false;
}

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
            activatingPress = !IsFormActive(*form);
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
    case WM_SETFOCUS:
        Paint();
        break;
    case WM_CHAR:
        if (message.WParam == VK_RETURN) {
            SetState(StatePressed, false);
            Paint();
            ClickButton();
        }
        break;
    case WM_UPDATEUISTATE:
        if (IsWinXP())
            Paint();
        break;
    case WM_LBUTTONDBLCLK:
        mouseArmed = false;
        ClickButton();
        break;
    default:
        break;
    }
}

void TvelSkinButton::MouseDown()
{
    const bool activating = activatingPress;
    activatingPress = false;
    TCustomForm* form = GetParentForm(button);
    if (activating || !form || !IsFormActive(*form))
        return;
    if (button.Visible() && button.EnabledWithParents()) {
        try {
            button.SetFocus();
        } catch (...) {
            ReportCaughtException(TCallbackFailure::Log);
        }
    }
    mouseArmed = true;
}

void TvelSkinButton::MouseUp()
{
    // The button-up message comes only while the pointer is over the
    // button: a press released elsewhere does not click.
    const bool armed = mouseArmed;
    mouseArmed = false;
    if (armed)
        ClickButton();
}

void TvelSkinButton::KeyDown(WPARAM) { spaceArmed = true; }

void TvelSkinButton::KeyUp(WPARAM key)
{
    const bool armed = spaceArmed;
    spaceArmed = false;
    if (key == VK_SPACE && armed && button.Focused() && button.Enabled() && Skinning()) {
        SetState(StatePressed, false);
        Paint();
        ClickButton();
    }
}

void TvelSkinButton::ClickButton() { button.Click(); }

void TvelSkinButton::Paint()
{
    const RECT client = GetBounds();
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (width <= 0 || height <= 0 || !GetHandle())
        return;
    const TSkinLook& look = Look();
    TBitmap image(width, height);
    {
        Canvas canvas(image.CoreBitmap());
        const TWinControl* parent = button.Parent();
        canvas.FillRect(Rect{0, 0, width, height},
                        parent ? Color(ColorToRGB(parent->Color())) : look.GetSkinColor(SKIN2_FORMCOLOR));
        const int frame = Pressed() ? 3 : Hot() ? 2 : 1;
        DrawButtonFrame(look, canvas, Rect{0, 0, width, height}, frame);
    }

    HDC dc = image.Canvas().Handle();
    if (button.Focused()) {
        RECT focus{5, 5, width - 5, height - 5};
        if (Pressed())
            OffsetRect(&focus, 1, 1);
        DrawFocusRect(dc, &focus);
    }

    // The picture: the glyph, else the image of the image list.
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

    if (!Context().NoChangeButtonsFontColor()) {
        const TColor fontColor(look.GetSkinColor(SKIN2_BUTTONFONTCOLOR));
        if (button.Font().Color() != fontColor)
            button.Font().SetColor(fontColor);
    }
    const std::wstring caption = button.Caption();

    RECT captionRect = client;
    if (glyphWidth > 0 && glyphHeight > 0) {
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
        captionRect = RECT{layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom};
    }

    DrawCaption(image, caption, button.WordWrap(), captionRect, &button.Font());
}

} // namespace orvane::skin
