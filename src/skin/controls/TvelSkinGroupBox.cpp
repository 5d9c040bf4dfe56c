#include "skin/controls/TvelSkinGroupBox.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/TControl.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

namespace {

constexpr int CaptionIndent = 8;

} // namespace

void TvelSkinGroupBox::Paint()
{
    HWND window = GetHandle();
    if (!window)
        return;
    const TClientDC dc(window);
    if (!dc.Handle())
        return;
    const TSkinLook& look = Look();
    TControl& control = Control();
    const RECT client = GetBounds();

    TSelectedObject font;
    font.Select(dc.Handle(), control.Font().Handle());
    SIZE zero{};
    GetTextExtentPoint32W(dc.Handle(), L"0", 1, &zero);

    const TBrushHandle border(CreateSolidBrush(look.GetSkinColor(SKIN2_CONTROLBORDERCOLOR)));
    const RECT frame{0, zero.cy / 2 - 1, client.right, client.bottom};
    FrameRect(dc.Handle(), &frame, border.Get());

    std::wstring caption = control.Caption();
    if (caption.empty())
        return;
    RECT text{0, 0, 0, 0};
    DrawTextW(dc.Handle(), caption.data(), int(caption.size()), &text, DT_CALCRECT | DT_SINGLELINE);
    const int width = text.right;
    const bool rightToLeft = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const int left = rightToLeft ? client.right - CaptionIndent - width : CaptionIndent;
    text = RECT{left, 0, left + width, text.bottom};
    SetBkMode(dc.Handle(), OPAQUE);
    SetBkColor(dc.Handle(), ColorToRGB(control.Color()));
    SetTextColor(dc.Handle(), look.GetSkinColor(SKIN2_CONTROLFONTCOLOR));
    DrawTextW(dc.Handle(), caption.data(), int(caption.size()), &text, DT_SINGLELINE);
}

} // namespace orvane::skin
