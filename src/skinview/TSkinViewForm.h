#pragma once

#include "framework/TButton.h"
#include "framework/TCheckBox.h"
#include "framework/TForm.h"
#include "framework/TGroupBox.h"
#include "framework/TImageList.h"
#include "framework/TLabel.h"
#include "framework/TMemo.h"
#include "framework/TMenu.h"
#include "framework/TPanel.h"
#include "framework/TProgressBar.h"
#include "framework/TRadioButton.h"
#include "framework/TSpeedButton.h"
#include "framework/TStatusBar.h"
#include "framework/TTabControl.h"
#include "framework/TToolBar.h"
#include "framework/TTrackBar.h"
#include "framework/TUpDown.h"
#include "skin/TvelSkinEngine.h"

#include <string>

namespace orvane::skinview {

// The skin gallery's window: every kind of control the skin engine dresses,
// in the states a skin must show (enabled, disabled, checked, focused, with
// pictures, scrolled), and a menu that loads another skin package, switches
// the skin and its scroll bars on and off, and opens a message box, the file
// dialogs, a plain system dialog and the MDI demonstration.
class TSkinViewForm : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TSkinViewForm(framework::TComponent* owner);

    // Loads a skin package; a package that does not load keeps the skin
    // shown and says why.
    void LoadPackage(const std::wstring& path);

    skin::TvelSkinEngine* Engine = nullptr;
    framework::TMainMenu* MainMenu = nullptr;
    framework::TMenuItem* ActiveItem = nullptr;
    framework::TMenuItem* ScrollBarsItem = nullptr;
    framework::TImageList* Images = nullptr;
    framework::TToolBar* ToolBar = nullptr;
    framework::TStatusBar* StatusBar = nullptr;
    framework::TPanel* ControlsPanel = nullptr;
    // The right-hand column kept for the controls with scroll bars and
    // sunken borders (edits, lists, trees, grids...).
    framework::TPanel* ScrollingColumn = nullptr;
    framework::TMemo* Memo = nullptr;
    framework::TPanel* PlainPanel = nullptr;
    framework::TButton* OkButton = nullptr;
    framework::TTabControl* Tabs = nullptr;
    framework::TPanel* TabPage = nullptr;
    framework::TTrackBar* Track = nullptr;
    framework::TProgressBar* Progress = nullptr;

private:
    void BuildMenu();
    void BuildControls();
    void BuildButtons(framework::TWinControl* parent);
    void BuildChoices(framework::TWinControl* parent);
    void BuildRanges(framework::TWinControl* parent);
    void BuildTabs(framework::TWinControl* parent);
    void BuildPlainAndText(framework::TWinControl* parent);
    void BuildScrollingColumn();
    template <class T>
    T* Place(framework::TWinControl* parent, int left, int top, int width, int height,
             const std::wstring& caption = {});
    void OpenPackageClick();
    void ActiveClick();
    void ScrollBarsClick();
    void ShowCaption();
};

} // namespace orvane::skinview
