#include "skin/controls/TvelSkinListView.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "skin/look/TSkinLook.h"

#include <commctrl.h>

namespace orvane::skin {

using namespace framework;

namespace {

constexpr int HeaderTextIndent = 6;

} // namespace

void TvelSkinListView::Init()
{
    TvelSkinScrollWinControl::Init();
    HWND window = GetHandle();
    header = window ? reinterpret_cast<HWND>(SendMessageW(window, LVM_GETHEADER, 0, 0)) : nullptr;
    if (header)
        headerSubclass = TWindowSubclass(
            header, [this](TMessage& message, const TMessageLayers::TNext& next) { HeaderMessage(message, next); });
}

void TvelSkinListView::Release()
{
    headerSubclass.Remove();
    TvelSkinScrollWinControl::Release();
}

void TvelSkinListView::HeaderMessage(TMessage& message, const TMessageLayers::TNext& next)
{
    if (released || !Skinning()) {
        next(message);
        return;
    }
    switch (message.Msg) {
    case WM_PAINT: {
        const TPaintDC paint(header);
        PaintHeader(paint.Handle());
        message.Result = 0;
        return;
    }
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case HDM_SETITEMW:
    case HDM_SETITEMA:
        next(message);
        InvalidateRect(header, nullptr, FALSE);
        return;
    default:
        next(message);
        return;
    }
}

void TvelSkinListView::PaintHeader(HDC dc)
{
    RECT client{};
    GetClientRect(header, &client);
    const TSkinLook& look = Look();
    const TBrushHandle face(CreateSolidBrush(look.GetSkinColor(SKIN2_CONTROLCOLOR)));
    const TBrushHandle line(CreateSolidBrush(look.GetSkinColor(SKIN2_CONTROLBORDERCOLOR)));
    FillRect(dc, &client, face.Get());
    RECT bottom{client.left, client.bottom - 1, client.right, client.bottom};
    FillRect(dc, &bottom, line.Get());

    TSelectedObject font;
    font.Select(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(header, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const int count = int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        RECT item{};
        SendMessageW(header, HDM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item));
        wchar_t text[260] = L"";
        HDITEMW info{};
        info.mask = HDI_TEXT;
        info.pszText = text;
        info.cchTextMax = int(std::size(text));
        SendMessageW(header, HDM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&info));
        RECT divider{item.right - 1, item.top + 2, item.right, item.bottom - 3};
        FillRect(dc, &divider, line.Get());
        RECT textRect{item.left + HeaderTextIndent, item.top, item.right - HeaderTextIndent, item.bottom - 1};
        DrawTextW(dc, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
}

} // namespace orvane::skin
