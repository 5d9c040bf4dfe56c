#pragma once

#include "framework/TCanvas.h"
#include "framework/TImageList.h"
#include "framework/TToolBarMenuTracker.h"
#include "framework/TToolButton.h"
#include "framework/TWinControl.h"

#include <functional>
#include <vector>

namespace orvane::framework {

// The state of a button being drawn by a custom-draw handler.
enum TCustomDrawStateFlag : unsigned {
    cdsSelected = 1u << 0,
    cdsDisabled = 1u << 1,
    cdsChecked = 1u << 2,
    cdsFocused = 1u << 3,
    cdsHot = 1u << 4,
};

class TToolBar;
// The bar's background, before the buttons; defaultDraw off keeps the
// system's own drawing away.
using TToolBarCustomDrawEvent = std::function<void(TToolBar& bar, const RECT& rect, bool& defaultDraw)>;
using TToolBarCustomDrawButtonEvent =
    std::function<void(TToolBar& bar, TToolButton& button, unsigned state, bool& defaultDraw)>;

// A tool bar over the system tool bar control ("ToolbarWindow32"). Its
// buttons are the TToolButton controls placed on it, in order; the images
// come from an image list; hints show as tool tips when ShowHint is on.
// Buttons bound to menu items drop their items' menus down and make the bar
// behave as a menu bar (see TToolBarMenuTracker).
class TToolBar : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TToolBar(TComponent* owner);

    TCustomImageList* Images() const { return images; }
    void SetImages(TCustomImageList* value);
    bool Flat() const { return flat; }
    void SetFlat(bool value) { flat = value; }
    int ButtonWidth() const { return buttonWidth; }
    void SetButtonWidth(int value);
    int ButtonHeight() const { return buttonHeight; }
    void SetButtonHeight(int value);
    bool ShowCaptions() const { return showCaptions; }
    void SetShowCaptions(bool value) { showCaptions = value; }
    // Captions beside the images instead of below them.
    bool List() const { return list; }
    void SetList(bool value);
    // Space before the first button.
    int Indent() const { return indent; }
    void SetIndent(int value);
    bool Transparent() const { return transparent; }
    void SetTransparent(bool value) { transparent = value; }
    // The bar's height follows its rows of buttons.
    bool AutoSize() const { return autoSize; }
    void SetAutoSize(bool value);

    // Drawing of the bar and its buttons by the program; Canvas draws on the
    // bar while one of the handlers runs.
    TToolBarCustomDrawEvent OnCustomDraw;
    TToolBarCustomDrawButtonEvent OnCustomDrawButton;
    TCanvas& Canvas() { return canvas; }

    // Drops down the menu of a menu-bound button (see TToolBarMenuTracker).
    void TrackMenu(TToolButton& button, bool selectFirst = false);
    // The button whose menu is dropped down now, or null.
    TToolButton* MenuOpenButton() const { return menuTracker.OpenButton(); }
    // The menu-bound button whose caption has this access letter ("&N"),
    // else the first whose caption without one starts with it; or null.
    TToolButton* FindAccelerator(wchar_t letter) const;
    // Drawn pressed (a dropped-down menu's button).
    void SetButtonPressed(const TToolButton& button, bool pressed);

    // The keyboard's menu mode (F10, or Alt pressed alone): a menu-bound
    // button is highlighted (the given one, else the first) and the bar
    // takes the keys: the left and right arrows move the highlight, Down or
    // Return drops its menu down with the first item highlighted, a letter
    // drops down the item it is the access letter of, and Escape, Alt, F10
    // or a click elsewhere leave the mode.
    void EnterMenuMode(const TToolButton* hot = nullptr);
    void LeaveMenuMode();
    bool InMenuMode() const { return menuMode; }

    int ButtonCount() const { return int(buttons.size()); }
    TToolButton* Buttons(int index) const { return buttons[std::size_t(index)]; }
    TToolButton* FindButton(int command) const;
    // The button's rectangle in the tool bar's client area, as the system
    // control lays it out.
    RECT ButtonRect(const TToolButton& button);

    void Notification(TComponent* component, TOperation operation) override;

    void InsertControl(TControl* control) override;
    void RemoveControl(TControl* control) override;
    // Kept in step by the buttons.
    bool ButtonDown(const TToolButton& button) const;
    void CheckButton(const TToolButton& button, bool down);
    void UpdateButtonState(const TToolButton& button);
    void UpdateButtonImage(const TToolButton& button);
    // Makes the native button again, for changes of style, group or wrap.
    void ReplaceButton(const TToolButton& button);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // The buttons' size and the indent scale with the bar.
    void ChangeScale(unsigned toDpi, unsigned fromDpi) override;
    void WndProc(TMessage& message) override;

private:
    void AddNativeButton(const TToolButton& button, int position);
    void ApplySizes();
    void FitHeight();
    LRESULT CustomDraw(NMTBCUSTOMDRAW& draw);
    bool MenuModeKey(TMessage& message);
    int HotMenuButton() const;
    void SetHotMenuButton(int index);

    TCustomImageList* images = nullptr;
    bool list = false;
    int indent = 0;
    bool transparent = false;
    bool autoSize = false;
    TCanvas canvas;
    TToolBarMenuTracker menuTracker{*this};
    bool menuMode = false;
    HWND focusBeforeMenuMode = nullptr;
    bool flat = false;
    int buttonWidth = 23;
    int buttonHeight = 22;
    bool showCaptions = false;
    std::vector<TToolButton*> buttons;
};

} // namespace orvane::framework
