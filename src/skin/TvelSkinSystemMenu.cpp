#include "skin/TvelSkinSystemMenu.h"

#include "framework/TApplication.h"
#include "skin/TvelSkinWindow.h"

namespace orvane::skin {

using namespace framework;

TvelSkinSystemMenu::TvelSkinSystemMenu(const std::wstring& minimizeCaption, const std::wstring& maximizeCaption,
                                       const std::wstring& closeCaption)
    : menu(framework::Create<framework::TMenu>(nullptr))
{
    const std::wstring captions[] = {minimizeCaption, maximizeCaption, L"-", closeCaption};
    const TNotifyEvent actions[] = {
        [this](TObject*) {
            if (target)
                target->MinimizeOrRestore();
        },
        [this](TObject*) {
            if (target)
                target->MaximizeOrRestore();
        },
        nullptr,
        [this](TObject*) {
            if (target)
                target->CloseWindow();
        },
    };
    for (int index = 0; index < 4; ++index) {
        TMenuItem* item = Create<TMenuItem>(menu.get());
        item->SetCaption(captions[index]);
        item->OnClick = actions[index];
        menu->Items().Add(item);
    }
}

TvelSkinSystemMenu::~TvelSkinSystemMenu() = default;

void TvelSkinSystemMenu::SetCaption(ItemIndex index, const std::wstring& caption)
{
    if (menu->Items().Count() > index)
        menu->Items().Items(index)->SetCaption(caption);
}

bool TvelSkinSystemMenu::Popup(TvelSkinWindow& window, POINT screen)
{
    // A message during the menu may close the window or unskin it: its
    // object stays until the menu is over.
    const TSkinHostInUse use(window);
    target = &window;
    TMenuItem& items = menu->Items();
    if (items.Count() > CloseItem)
        items.Items(CloseItem)->SetEnabled(window.CloseItemEnabled());
    if (items.Count() > MaximizeItem)
        items.Items(MaximizeItem)->SetEnabled(window.MaxItemEnabled());
    if (items.Count() > MinimizeItem)
        items.Items(MinimizeItem)->SetEnabled(window.MinItemEnabled());

    HWND owner = window.Handle();
    // The owner must be the foreground window for the menu to close when the
    // user clicks elsewhere.
    SetForegroundWindow(owner);
    const int command = TrackPopupMenuEx(menu->Handle(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                         screen.x, screen.y, owner, nullptr);
    if (Application)
        Application->UpdateMouseControl();
    if (command != 0 && !window.Released())
        menu->DispatchCommand(command);
    target = nullptr;
    return command != 0;
}

} // namespace orvane::skin
