#pragma once

#include "framework/TForm.h"
#include "framework/TMemo.h"
#include "framework/TMenu.h"
#include "framework/TPanel.h"
#include "skin/TvelSkinEngine.h"

#include "HandInput.h"
#include "WindowTesting.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace orvane::skin::test {

// A form as a program lays one out with the skin engine on it: a panel with
// a memo, a panel carrying the engine's disabled tag with a memo of its own,
// a panel anchored to the bottom, and the engine last, storing the default
// skin.
class TSkinTestForm : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    struct TLook {
        framework::TFormBorderStyle borderStyle = framework::TFormBorderStyle::bsSingle;
        unsigned borderIcons = framework::biSystemMenu | framework::biMinimize;
        bool withEngine = true;
        // A main menu: "&File" (group 0: "&Open" with Ctrl+K, a line, a
        // checked item, a disabled item), "&Edit" (group 1), "&Help" (group 9).
        bool withMenu = false;
        framework::TFormStyle formStyle = framework::TFormStyle::fsNormal;
    };

    // The look of the next form made (the application makes forms with
    // their owner alone).
    static TLook NextLook;

    explicit TSkinTestForm(framework::TComponent* owner);

    framework::TPanel* Panel = nullptr;
    framework::TMemo* Memo = nullptr;
    framework::TPanel* PlainPanel = nullptr;
    framework::TMemo* PlainMemo = nullptr;
    framework::TPanel* BottomPanel = nullptr;
    framework::TMainMenu* MainMenu = nullptr;
    framework::TMenuItem* FileItem = nullptr;
    framework::TMenuItem* OpenItem = nullptr;
    framework::TMenuItem* LineItem = nullptr;
    framework::TMenuItem* CheckedItem = nullptr;
    framework::TMenuItem* DisabledItem = nullptr;
    framework::TMenuItem* EditItem = nullptr;
    framework::TMenuItem* HelpItem = nullptr;
    // Menu items clicked, by caption, in order.
    std::vector<std::wstring> clickedItems;
    TvelSkinEngine* Engine = nullptr;
    // How often the form was asked to close; it refuses, so that a test can
    // press the close button and keep its form.
    int closeRequests = 0;
};

// The skinned form shown as the application's main form.
class Skin : public testing::Test {
protected:
    void SetUp() override { Open(TSkinTestForm::TLook{}); }
    void TearDown() override;
    void Open(const TSkinTestForm::TLook& look);

    HWND Window() const { return form->Handle(); }
    RECT WindowRect() const;
    // Where a title part lies, in screen coordinates, from the skin's numbers.
    POINT TitleButtonCentre(int indexFromRight) const;
    POINT IconCentre() const;
    POINT EmptyTitlePoint() const;

    TSkinTestForm* form = nullptr;
};

// The close button of a skinned window: its centre on the screen, and a
// pixel of it whose normal and hot frames differ, with those two colours.
struct CloseButtonProbe {
    POINT centre{};
    POINT probe{-1, -1};
    COLORREF normal = 0;
    COLORREF hot = 0;
};
CloseButtonProbe FindCloseButton(const TvelSkinEngine& engine, HWND window);
// The colour of a screen pixel as the display shows it.
COLORREF ScreenColour(POINT screen);

// The skin package the program stores, and the hostile packages made from it.
std::vector<std::uint8_t> StoredSkin();
std::wstring HostileSkinPath(const std::wstring& name);
// The ".ssk" files in the temporary folder.
std::vector<std::wstring> TemporarySkinFiles();

// Real input, as the hand gives it.
using orvane::test::Button;
using orvane::test::ClickAtScreen;
using orvane::test::MoveTo;
using orvane::test::PressKey;
using orvane::test::WaitForWindow;

} // namespace orvane::skin::test
