#include "framework/TPanel.h"

#include "framework/PublishedProperties.h"

namespace orvane::framework {

namespace {

constexpr int DefaultPanelWidth = 185;
constexpr int DefaultPanelHeight = 41;

constexpr TPropertyInfo PanelProperties[] = {
    PublishedValue<TCustomPanel, &TCustomPanel::Alignment, &TCustomPanel::SetAlignment>(L"Alignment",
                                                                                          TPropertyKind::Enumeration),
    PublishedValue<TCustomPanel, &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner>(
        L"BevelInner", TPropertyKind::Enumeration),
    PublishedValue<TCustomPanel, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter>(
        L"BevelOuter", TPropertyKind::Enumeration),
    PublishedValue<TCustomPanel, &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth>(L"BevelWidth",
                                                                                            TPropertyKind::Integer),
    PublishedValue<TCustomPanel, &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle>(
        L"BorderStyle", TPropertyKind::Enumeration),
    PublishedValue<TCustomPanel, &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth>(L"BorderWidth",
                                                                                              TPropertyKind::Integer),
    PublishedValue<TCustomPanel, &TControl::Caption, &TControl::SetCaption>(L"Caption", TPropertyKind::String),
};

// The colours of a bevel's top-left and bottom-right edges. A "space" bevel
// is a ring in the panel's own colour.
void BevelColors(TPanelBevel bevel, TColor panelColor, TColor& topLeft, TColor& bottomRight)
{
    switch (bevel) {
    case TPanelBevel::bvLowered:
        topLeft = clBtnShadow;
        bottomRight = clBtnHighlight;
        return;
    case TPanelBevel::bvRaised:
        topLeft = clBtnHighlight;
        bottomRight = clBtnShadow;
        return;
    case TPanelBevel::bvSpace:
    case TPanelBevel::bvNone:
        topLeft = bottomRight = panelColor;
        return;
    }
}

} // namespace

const TClassInfo TCustomPanel::ClassInfo{L"TCustomPanel", &TCustomControl::ClassInfo, PanelProperties};
const TClassInfo TPanel::ClassInfo{L"TPanel", &TCustomPanel::ClassInfo, {}};

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, DefaultPanelWidth, DefaultPanelHeight);
}

void TCustomPanel::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle == TBorderStyle::bsSingle)
        params.Style |= WS_BORDER;
}

void TCustomPanel::SetBevelInner(TPanelBevel value)
{
    bevelInner = value;
    BevelsChanged();
}

void TCustomPanel::SetBevelOuter(TPanelBevel value)
{
    bevelOuter = value;
    BevelsChanged();
}

void TCustomPanel::SetBevelWidth(int value)
{
    bevelWidth = value;
    BevelsChanged();
}

void TCustomPanel::SetBorderWidth(int value)
{
    borderWidth = value;
    BevelsChanged();
}

void TCustomPanel::BevelsChanged()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle)
        return;
    borderStyle = value;
    HWND window = WindowHandle();
    if (!window)
        return;
    // The border is part of the window's frame: change the style and let the
    // system lay out the frame again, without making a new window.
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    style = value == TBorderStyle::bsSingle ? (style | WS_BORDER) : (style & ~LONG_PTR(WS_BORDER));
    SetWindowLongPtrW(window, GWL_STYLE, style);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_DRAWFRAME);
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value)
{
    alignment = value;
    Invalidate();
}

void TCustomPanel::AdjustClientRect(RECT& rect) const
{
    int inset = borderWidth;
    if (bevelOuter != TPanelBevel::bvNone)
        inset += bevelWidth;
    if (bevelInner != TPanelBevel::bvNone)
        inset += bevelWidth;
    InflateRect(&rect, -inset, -inset);
}

void TCustomPanel::Paint()
{
    TCanvas& canvas = Canvas();
    RECT rect = ClientRect();
    TColor topLeft = Color();
    TColor bottomRight = Color();
    if (bevelOuter != TPanelBevel::bvNone) {
        BevelColors(bevelOuter, Color(), topLeft, bottomRight);
        canvas.Frame3D(rect, topLeft, bottomRight, bevelWidth);
    }
    canvas.Frame3D(rect, Color(), Color(), borderWidth);
    if (bevelInner != TPanelBevel::bvNone) {
        BevelColors(bevelInner, Color(), topLeft, bottomRight);
        canvas.Frame3D(rect, topLeft, bottomRight, bevelWidth);
    }
    canvas.Brush.Color = Color();
    canvas.FillRect(rect);

    const std::wstring caption = Caption();
    if (caption.empty())
        return;
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    switch (alignment) {
    case TAlignment::taLeftJustify:
        format |= DT_LEFT;
        break;
    case TAlignment::taRightJustify:
        format |= DT_RIGHT;
        break;
    case TAlignment::taCenter:
        format |= DT_CENTER;
        break;
    }
    canvas.TextRect(caption, rect, format);
}

} // namespace orvane::framework
