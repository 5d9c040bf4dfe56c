#include "framework/TSpeedButton.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/CutFrame.h"
#include "framework/GdiOwners.h"
#include "framework/PublishedProperties.h"
#include "framework/TWinControl.h"

#include <algorithm>

namespace orvane::framework {

namespace {

constexpr int DefaultSpeedButtonSize = 23;
constexpr int UpFrame = 1, DisabledFrame = 2, ClickedFrame = 3, DownFrame = 4;

constexpr TPropertyInfo SpeedButtonProperties[] = {
    PublishedValue<TSpeedButton, &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs>(L"NumGlyphs",
                                                                                         TPropertyKind::Integer),
    PublishedValue<TSpeedButton, &TSpeedButton::Margin, &TSpeedButton::SetMargin>(L"Margin", TPropertyKind::Integer),
    PublishedValue<TSpeedButton, &TSpeedButton::Spacing, &TSpeedButton::SetSpacing>(L"Spacing",
                                                                                     TPropertyKind::Integer),
    PublishedValue<TSpeedButton, &TSpeedButton::Flat, &TSpeedButton::SetFlat>(L"Flat", TPropertyKind::Boolean),
    PublishedValue<TSpeedButton, &TSpeedButton::Down, &TSpeedButton::SetDown>(L"Down", TPropertyKind::Boolean),
};

// The colour a glyph leaves out: its bottom-left pixel's.
Color GlyphBackground(const Bitmap& frame)
{
    return frame.Empty() ? NoTransparentColor : frame.ColorAt(0, frame.Height() - 1);
}

} // namespace

const TClassInfo TSpeedButton::ClassInfo{L"TSpeedButton", &TGraphicControl::ClassInfo, SpeedButtonProperties};

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, DefaultSpeedButtonSize, DefaultSpeedButtonSize);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetNumGlyphs(int value)
{
    numGlyphs = std::clamp(value, 1, DownFrame);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value)
{
    layout = value;
    Invalidate();
}

void TSpeedButton::SetMargin(int value)
{
    margin = value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int value)
{
    spacing = value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool value)
{
    flat = value;
    Invalidate();
}

void TSpeedButton::SetDown(bool value)
{
    if (groupIndex == 0)
        value = false;
    if (value == down)
        return;
    down = value;
    Invalidate();
    if (!down || !Parent())
        return;
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* other = As<TSpeedButton>(parent->Controls(i)); other && other != this &&
                                                                   other->groupIndex == groupIndex && other->down) {
            other->down = false;
            other->Invalidate();
        }
}

void TSpeedButton::Click()
{
    if (groupIndex != 0) {
        if (!down)
            SetDown(true);
        else if (allowAllUp)
            SetDown(false);
    }
    TGraphicControl::Click();
}

void TSpeedButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        mouseInside = true;
        if (flat)
            Invalidate();
        break;
    case CM_MOUSELEAVE:
        mouseInside = false;
        if (flat)
            Invalidate();
        break;
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
}

void TSpeedButton::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && Enabled()) {
        mousePressed = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && mousePressed) {
        mousePressed = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

Bitmap TSpeedButton::GlyphFrame(bool enabled, bool pressed, bool isDown) const
{
    if (glyph->Empty())
        return Bitmap();
    int frame = !enabled ? DisabledFrame : isDown ? DownFrame : pressed ? ClickedFrame : UpFrame;
    if (frame > numGlyphs)
        frame = frame == DownFrame && numGlyphs >= ClickedFrame ? ClickedFrame : UpFrame;
    Bitmap cut;
    CutFrame(&const_cast<TBitmap&>(*glyph).CoreBitmap(), cut, numGlyphs, frame);
    return cut;
}

ButtonLayoutResult TSpeedButton::LayOut(HDC dc, int glyphWidth, int glyphHeight) const
{
    const RECT client = ClientRect();
    ButtonLayoutInput input;
    input.area = Rect{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    input.glyphWidth = glyphWidth;
    input.glyphHeight = glyphHeight;
    const std::wstring caption = Caption();
    input.captionEmpty = caption.empty();
    if (!caption.empty()) {
        RECT measured{0, 0, input.area.Width(), 0};
        std::wstring text = caption;
        DrawTextW(dc, text.data(), int(text.size()), &measured, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
        input.captionWidth = std::min(int(measured.right - measured.left), input.area.Width());
        input.captionHeight = measured.bottom - measured.top;
    }
    input.layout = ButtonGlyphLayout(int(layout));
    input.margin = margin;
    input.spacing = spacing;
    if (glyphWidth == 0 || glyphHeight == 0) {
        // Without a picture the caption is centred in the whole button.
        ButtonLayoutResult result;
        result.caption = Rect{client.left, client.top, client.right, client.bottom};
        return result;
    }
    return LayOutButton(input);
}

void TSpeedButton::Paint()
{
    TCanvas& canvas = Canvas();
    HDC dc = canvas.Handle();
    RECT face = ClientRect();
    const bool pushed = down || (mousePressed && mouseInside);
    canvas.Brush.Color = Color();
    canvas.FillRect(face);
    if (pushed)
        DrawEdge(dc, &face, BDR_SUNKENOUTER | BDR_SUNKENINNER, BF_RECT);
    else if (!flat || (mouseInside && Enabled()))
        DrawEdge(dc, &face, flat ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);

    const Bitmap frame = GlyphFrame(Enabled(), pushed, down);
    TSelectedObject font;
    font.Select(dc, Font().Handle());
    const ButtonLayoutResult place = LayOut(dc, frame.Width(), frame.Height());
    const int shift = pushed ? 1 : 0;
    if (!frame.Empty()) {
        TBitmap picture(frame.Width(), frame.Height());
        {
            orvane::Canvas pictureCanvas(picture.CoreBitmap());
            CopyRect(pictureCanvas, 0, 0, frame, orvane::Rect{0, 0, frame.Width(), frame.Height()});
        }
        picture.SetTransparent(true);
        picture.SetTransparentColor(TColor(GlyphBackground(frame)));
        canvas.Draw(place.glyphX + shift, place.glyphY + shift, picture);
    }
    std::wstring caption = Caption();
    if (caption.empty())
        return;
    RECT text{place.caption.left + shift, place.caption.top + shift, place.caption.right + shift,
              place.caption.bottom + shift};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ColorToRGB(Font().Color()) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, caption.data(), int(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace orvane::framework
