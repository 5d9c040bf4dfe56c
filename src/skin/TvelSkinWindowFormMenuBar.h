#pragma once

#include "framework/Messages.h"
#include "framework/TApplication.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace orvane::framework {
class TCustomForm;
class TMainMenu;
class TMenuItem;
class TToolBar;
class TToolButton;
} // namespace orvane::framework

namespace orvane::skin {

class TvelSkinMenuBar;
class TvelSkinWindowForm;

// The menu bar of a skinned form. While the skin look is on, the form's menu
// leaves the form and its top-level items (merged with the active child's
// for an MDI frame) stand as buttons on a TvelSkinMenuBar at the top of the
// client area, drawn in the skin's menu colours. The form has no menu of its
// own then, so the keys that reach a menu come here: short-cuts while the
// form is active, Alt with a letter, F10 and Alt alone.
class TvelSkinWindowFormMenuBar {
public:
    // Makes the bar, hidden, on the form.
    explicit TvelSkinWindowFormMenuBar(TvelSkinWindowForm& formBinding);
    ~TvelSkinWindowFormMenuBar();
    TvelSkinWindowFormMenuBar(const TvelSkinWindowFormMenuBar&) = delete;
    TvelSkinWindowFormMenuBar& operator=(const TvelSkinWindowFormMenuBar&) = delete;

    // The keys stop coming and the bar leaves the form (its window goes);
    // the bar is freed with this object.
    void Release();

    TvelSkinMenuBar* Bar() const { return bar.get(); }
    // The bar's height while it shows, else 0.
    int Height() const;
    // The form's menu, taken when the binding captures the form's geometry.
    framework::TMainMenu* Menu() const { return menu; }
    void TakeMenu(framework::TMainMenu* formMenu) { menu = formMenu; }
    // The top-level items the bar shows.
    const std::vector<framework::TMenuItem*>& Items() const { return items; }

    // The bar goes above every other top-aligned control, in the skin's
    // colour, shown unless the form is an MDI child (whose menu its frame
    // shows).
    void Show();
    void Hide();
    // Fills the bar again when forced, or when the menus it shows changed:
    // the form's, with `childMenu` merged into it (an MDI frame's active
    // child's). An empty menu hides the bar.
    void Rebuild(bool forced, framework::TMainMenu* childMenu);
    // The keyboard's way into the menu (Alt with a letter, F10, Alt alone)
    // as the form's WM_SYSCOMMAND brings it: the system would look for a
    // menu bar the form no longer has. True when the bar took the message.
    bool TakeKeyMenu(const framework::TMessage& message);

private:
    void CollectItems(framework::TMainMenu* childMenu);
    void Fill();
    void DrawButton(framework::TToolBar& toolBar, framework::TToolButton& button, unsigned state, bool& defaultDraw);
    void DrawBackground(framework::TToolBar& toolBar, const RECT& rect);
    void HandleAppMessage(MSG& message, bool& handled);
    // Alt with a letter typed while a child window has the focus: opens the
    // bar's menu of that letter. True when it did.
    bool KeyMenuFromChild(const MSG& charMessage);
    // Runs the menu item of the key's short-cut when the form is active.
    bool CheckShortCut(const MSG& keyMessage);

    TvelSkinWindowForm& binding;
    framework::TCustomForm& form;
    std::unique_ptr<TvelSkinMenuBar> bar;
    // The bar's buttons, one per item; after the bar, so that they leave it
    // before it goes.
    std::vector<std::unique_ptr<framework::TToolButton>> buttons;
    framework::TMainMenu* menu = nullptr;
    framework::TMainMenu* shownMenu = nullptr;
    framework::TMainMenu* shownChildMenu = nullptr;
    std::vector<framework::TMenuItem*> items;
    bool itemsHaveImages = false;
    framework::TApplication::THandlerToken appEvents = 0;
};

} // namespace orvane::skin
