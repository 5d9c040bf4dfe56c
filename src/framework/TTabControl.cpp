#include "framework/TTabControl.h"

#include "framework/TImageList.h"

#include <commctrl.h>

namespace orvane::framework {

namespace {

constexpr int DefaultTabControlWidth = 289;
constexpr int DefaultTabControlHeight = 193;

} // namespace

const TClassInfo TCustomTabControl::ClassInfo{L"TCustomTabControl", &TWinControl::ClassInfo, {}};
const TClassInfo TTabControl::ClassInfo{L"TTabControl", &TCustomTabControl::ClassInfo, {}};

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, DefaultTabControlWidth, DefaultTabControlHeight);
}

void TCustomTabControl::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = WC_TABCONTROLW;
    params.Style |= WS_TABSTOP | WS_CLIPCHILDREN;
    switch (tabPosition) {
    case TTabPosition::tpTop:
        break;
    case TTabPosition::tpBottom:
        params.Style |= TCS_BOTTOM;
        break;
    case TTabPosition::tpLeft:
        params.Style |= TCS_VERTICAL | TCS_MULTILINE;
        break;
    case TTabPosition::tpRight:
        params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
        break;
    }
}

void TCustomTabControl::CreateWnd()
{
    TWinControl::CreateWnd();
    if (images)
        SendMessageW(WindowHandle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images->Handle()));
    FillTabs();
    Realign();
}

void TCustomTabControl::FillTabs()
{
    HWND window = WindowHandle();
    if (!window)
        return;
    SendMessageW(window, TCM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        std::wstring caption = tabs[i];
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = caption.data();
        item.iImage = i < imageIndexes.size() ? imageIndexes[i] : -1;
        SendMessageW(window, TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
    if (tabIndex >= 0 && tabIndex < int(tabs.size()))
        SendMessageW(window, TCM_SETCURSEL, WPARAM(tabIndex), 0);
}

void TCustomTabControl::SetTabs(std::vector<std::wstring> captions)
{
    tabs = std::move(captions);
    if (tabIndex >= int(tabs.size()))
        tabIndex = tabs.empty() ? -1 : 0;
    if (tabIndex < 0 && !tabs.empty())
        tabIndex = 0;
    FillTabs();
    Realign();
}

int TCustomTabControl::TabIndex() const
{
    if (HWND window = WindowHandle())
        return int(SendMessageW(window, TCM_GETCURSEL, 0, 0));
    return tabIndex;
}

void TCustomTabControl::SetTabIndex(int value)
{
    tabIndex = value;
    if (HWND window = WindowHandle()) {
        SendMessageW(window, TCM_SETCURSEL, WPARAM(value), 0);
        InvalidateRect(window, nullptr, TRUE);
    }
}

std::wstring TCustomTabControl::TabText(int index) const
{
    return index >= 0 && index < int(tabs.size()) ? tabs[std::size_t(index)] : std::wstring();
}

void TCustomTabControl::SetImages(TCustomImageList* value)
{
    images = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

void TCustomTabControl::SetImageIndexes(std::vector<int> indexes)
{
    imageIndexes = std::move(indexes);
    FillTabs();
}

RECT TCustomTabControl::DisplayRect()
{
    RECT rect = TWinControl::ClientRect();
    if (HWND window = Handle())
        SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void TCustomTabControl::AdjustClientRect(RECT& rect) const
{
    if (HWND window = WindowHandle())
        SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
}

void TCustomTabControl::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (header->code == UINT(TCN_SELCHANGE)) {
            tabIndex = int(SendMessageW(WindowHandle(), TCM_GETCURSEL, 0, 0));
            if (OnChange)
                OnChange(this);
            message.Result = 0;
            return;
        }
    }
    TWinControl::WndProc(message);
}

} // namespace orvane::framework
