#include "skin/TvelSkinMenuBar.h"

#include "framework/TMenuItem.h"

namespace orvane::skin {

using namespace framework;

const TClassInfo TvelSkinMenuBar::ClassInfo{L"TvelSkinMenuBar", &TToolBar::ClassInfo, {}};

namespace {

bool HasSubItems(const TToolButton* button)
{
    return button && button->MenuItem() && button->MenuItem()->Count() > 0;
}

} // namespace

TvelSkinMenuBar::TvelSkinMenuBar(TComponent* owner, TSkinControlHost& formBinding)
    : TToolBar(owner), host(formBinding)
{
    SetFlat(true);
    SetShowCaptions(true);
    SetParentColor(false);
    SetAutoSize(true);
    SetVisible(false);
}

bool TvelSkinMenuBar::AnyButtonMarked() const
{
    for (int index = 0; index < ButtonCount(); ++index)
        if (Buttons(index)->Tag() == MarkedTag)
            return true;
    return false;
}

bool TvelSkinMenuBar::DialogChar(wchar_t letter, bool altHeld)
{
    if (!altHeld && !AnyButtonMarked())
        return false;
    TToolButton* button = FindAccelerator(letter);
    if (!button || !button->Enabled())
        return false;
    TrackMenu(*button, true);
    return true;
}

TToolButton* TvelSkinMenuBar::ButtonAt(POINT client) const
{
    const int index = int(SendMessageW(WindowHandle(), TB_HITTEST, 0, reinterpret_cast<LPARAM>(&client)));
    return index >= 0 && index < ButtonCount() ? Buttons(index) : nullptr;
}

void TvelSkinMenuBar::WndProc(TMessage& message)
{
    const TSkinHostInUse use(host);
    switch (message.Msg) {
    case WM_LBUTTONDOWN: {
        // A press made up at a button's very corner (as programs press a
        // bar's button to start its menu) on an item without sub-items
        // would click it a second time.
        const POINT at{short(LOWORD(message.LParam)), short(HIWORD(message.LParam))};
        TToolButton* button = ButtonAt(at);
        if (button && !HasSubItems(button) && button->MenuItem()) {
            const RECT place = ButtonRect(*button);
            if (at.x == place.left && at.y == place.top)
                return;
        }
        break;
    }
    case WM_LBUTTONUP: {
        // Items without sub-items were clicked on the press already.
        const POINT at{short(LOWORD(message.LParam)), short(HIWORD(message.LParam))};
        TToolButton* button = ButtonAt(at);
        if (button && button->MenuItem() && !HasSubItems(button) && button->MenuItem()->OnClick)
            return;
        break;
    }
    case WM_KEYUP:
        if (message.WParam == VK_RETURN)
            for (int index = 0; index < ButtonCount(); ++index) {
                TToolButton* button = Buttons(index);
                if (button->Tag() == MarkedTag && button->MenuItem() && !HasSubItems(button))
                    button->MenuItem()->Click();
            }
        break;
    default:
        break;
    }
    TToolBar::WndProc(message);
}

} // namespace orvane::skin
