#include "framework/TLabel.h"

#include "framework/PublishedProperties.h"

namespace orvane::framework {

namespace {

constexpr int DefaultLabelWidth = 65;
constexpr int DefaultLabelHeight = 13;

constexpr TPropertyInfo LabelProperties[] = {
    PublishedValue<TCustomLabel, &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap>(L"WordWrap",
                                                                                       TPropertyKind::Boolean),
    PublishedValue<TCustomLabel, &TCustomLabel::Transparent, &TCustomLabel::SetTransparent>(
        L"Transparent", TPropertyKind::Boolean),
};

} // namespace

const TClassInfo TCustomLabel::ClassInfo{L"TCustomLabel", &TGraphicControl::ClassInfo, LabelProperties};
const TClassInfo TLabel::ClassInfo{L"TLabel", &TCustomLabel::ClassInfo, {}};

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, DefaultLabelWidth, DefaultLabelHeight);
    SetParentColor(true);
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    alignment = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value)
{
    wordWrap = value;
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value)
{
    transparent = value;
    Invalidate();
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = Canvas();
    RECT area = ClientRect();
    if (!transparent) {
        canvas.Brush.Color = Color();
        canvas.FillRect(area);
    }
    UINT format = DT_EXPANDTABS | (wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    format |= alignment == TAlignment::taCenter ? DT_CENTER : alignment == TAlignment::taRightJustify ? DT_RIGHT : 0;
    if (!Enabled())
        canvas.Font().SetColor(TColor(GetSysColor(COLOR_GRAYTEXT)));
    canvas.TextRect(Caption(), area, format);
}

} // namespace orvane::framework
