#include "skin/controls/TvelSkinDateTimePicker.h"

#include "framework/TControl.h"

#include <commctrl.h>

#include <cwchar>

namespace orvane::skin {

using namespace framework;

TvelSkinDateTimePicker::~TvelSkinDateTimePicker() = default;

bool TvelSkinDateTimePicker::ShowsComboButton() const
{
    HWND window = Handle();
    if (!window)
        return false;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    return (style & DTS_UPDOWN) == 0 && (style & DTS_TIMEFORMAT) != DTS_TIMEFORMAT;
}

HWND TvelSkinDateTimePicker::OwnUpDown() const
{
    HWND window = Handle();
    for (HWND child = window ? GetWindow(window, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = L"";
        GetClassNameW(child, name, int(std::size(name)));
        if (_wcsicmp(name, UPDOWN_CLASSW) == 0)
            return child;
    }
    return nullptr;
}

void TvelSkinDateTimePicker::Init()
{
    TvelSkinExtComboboxLikeControl::Init();
    if (Control().IsDesigning() || Control().Tag() == KeepOwnUpDownTag)
        return;
    HWND window = GetHandle();
    auto made = std::make_unique<TvelSkinInternalUpDown>(
        Context(), [this] { return OwnUpDown(); }, [this] { return IsEnabled(); });
    if (made->Create(window))
        upDown = std::move(made);
}

void TvelSkinDateTimePicker::Release()
{
    upDown.reset();
    // The control may be on its way out: only its window is asked.
    if (hiddenUpDown && IsWindow(hiddenUpDown) && !IsWindowVisible(hiddenUpDown))
        ShowWindow(hiddenUpDown, SW_SHOWNA);
    hiddenUpDown = nullptr;
    TvelSkinExtComboboxLikeControl::Release();
}

void TvelSkinDateTimePicker::PlaceUpDown()
{
    HWND own = OwnUpDown();
    if (!UpDown() || !own)
        return;
    if (Skinning() && !ShowsComboButton() && Control().Visible()) {
        RECT area{};
        GetWindowRect(own, &area);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
        ShowWindow(own, SW_HIDE);
        hiddenUpDown = own;
        upDown->ShowAt(area);
        InvalidateRect(upDown->Handle(), nullptr, FALSE);
    } else {
        upDown->Hide();
        ShowWindow(own, SW_SHOWNA);
        hiddenUpDown = nullptr;
    }
}

void TvelSkinDateTimePicker::SkinChanged()
{
    TvelSkinExtComboboxLikeControl::SkinChanged();
    PlaceUpDown();
}

void TvelSkinDateTimePicker::AfterMessage(TMessage& message)
{
    TvelSkinExtComboboxLikeControl::AfterMessage(message);
    switch (message.Msg) {
    case CM_VISIBLECHANGED:
    case WM_SIZE:
        PlaceUpDown();
        break;
    case WM_PAINT:
    case CM_ENABLEDCHANGED:
        if (UpDown() && upDown->Visible())
            InvalidateRect(upDown->Handle(), nullptr, FALSE);
        break;
    default:
        break;
    }
}

} // namespace orvane::skin
