#include "skin/SkinRegistries.h"

#include "framework/TControl.h"
#include "skin/TvelSkinControl.h"
#include "skin/controls/TvelSkinBorderWinControl.h"
#include "skin/controls/TvelSkinBorderWndControl.h"
#include "skin/controls/TvelSkinButton.h"
#include "skin/controls/TvelSkinCheckBox.h"
#include "skin/controls/TvelSkinComboBox.h"
#include "skin/controls/TvelSkinComboBoxEx.h"
#include "skin/controls/TvelSkinDateTimePicker.h"
#include "skin/controls/TvelSkinFrame.h"
#include "skin/controls/TvelSkinGrid.h"
#include "skin/controls/TvelSkinGroupBox.h"
#include "skin/controls/TvelSkinLabel.h"
#include "skin/controls/TvelSkinListView.h"
#include "skin/controls/TvelSkinPanel.h"
#include "skin/controls/TvelSkinProgressBar.h"
#include "skin/controls/TvelSkinRadioButton.h"
#include "skin/controls/TvelSkinScrollBar.h"
#include "skin/controls/TvelSkinScrollWinControl.h"
#include "skin/controls/TvelSkinSpeedButton.h"
#include "skin/controls/TvelSkinStatusBar.h"
#include "skin/controls/TvelSkinTabControl.h"
#include "skin/controls/TvelSkinToolBar.h"
#include "skin/controls/TvelSkinTrackBar.h"
#include "skin/controls/TvelSkinUpDown.h"
#include "skin/controls/TvelSkinWndButton.h"
#include "skin/controls/TvelSkinWndComboBox.h"
#include "skin/controls/TvelSkinWndRadioButton.h"
#include "skin/controls/TvelSkinWndTabControl.h"
#include "skin/controls/TvelSkinWndToolbarWindow32.h"

namespace orvane::skin {

namespace {

std::vector<TControlSkinClass>& ControlRegistry()
{
    static std::vector<TControlSkinClass> registry;
    return registry;
}

std::vector<TWindowSkinClass>& WindowRegistry()
{
    static std::vector<TWindowSkinClass> registry;
    return registry;
}

// Button styles (the low bits of BS_*) as the window registry tells them apart.
constexpr LONG GroupBoxBits = 7;
constexpr LONG CheckBoxBits = 3;
constexpr LONG AutoCheckBoxBit = 2; // bit 1
constexpr LONG ThreeStateBits = 5;
constexpr LONG RadioBits = 9;
constexpr LONG RadioBit = 4; // bit 2
constexpr LONG ComboKindBits = 3;
constexpr LONG SimpleComboKind = 1;

constexpr TControlSkinClass BuiltInControlSkins[] = {
    {L"TCustomControl", L"TvelSkinScrollWinControl", &TvelSkinControlFramework::Create<TvelSkinScrollWinControl>},
    {L"TCustomFrame", L"TvelSkinFrame", &TvelSkinControlFramework::Create<TvelSkinFrame>},
    {L"TScrollBox", L"TvelSkinScrollWinControl", &TvelSkinControlFramework::Create<TvelSkinScrollWinControl>},
    {L"TCoolBar", L"TvelSkinPanel", &TvelSkinControlFramework::Create<TvelSkinPanel>},
    {L"TToolBar", L"TvelSkinToolBar", &TvelSkinControlFramework::Create<TvelSkinToolBar>},
    {L"TCustomStatusBar", L"TvelSkinStatusBar", &TvelSkinControlFramework::Create<TvelSkinStatusBar>},
    {L"TDateTimePicker", L"TvelSkinDateTimePicker", &TvelSkinControlFramework::Create<TvelSkinDateTimePicker>},
    {L"TCustomTreeView", L"TvelSkinScrollWinControl", &TvelSkinControlFramework::Create<TvelSkinScrollWinControl>},
    {L"TCustomUpDown", L"TvelSkinUpDown", &TvelSkinControlFramework::Create<TvelSkinUpDown>},
    {L"TCustomHotKey", L"TvelSkinBorderWinControl", &TvelSkinControlFramework::Create<TvelSkinBorderWinControl>},
    {L"TProgressBar", L"TvelSkinProgressBar", &TvelSkinControlFramework::Create<TvelSkinProgressBar>},
    {L"TTrackBar", L"TvelSkinTrackBar", &TvelSkinControlFramework::Create<TvelSkinTrackBar>},
    {L"TCustomTabControl", L"TvelSkinTabControl", &TvelSkinControlFramework::Create<TvelSkinTabControl>},
    {L"TCustomGrid", L"TvelSkinGrid", &TvelSkinControlFramework::Create<TvelSkinGrid>},
    {L"TSpeedButton", L"TvelSkinSpeedButton", &TvelSkinControlFramework::Create<TvelSkinSpeedButton>},
    {L"TCustomPanel", L"TvelSkinPanel", &TvelSkinControlFramework::Create<TvelSkinPanel>},
    {L"TCustomGroupBox", L"TvelSkinGroupBox", &TvelSkinControlFramework::Create<TvelSkinGroupBox>},
    {L"TScrollBar", L"TvelSkinScrollBar", &TvelSkinControlFramework::Create<TvelSkinScrollBar>},
    {L"TCustomListControl", L"TvelSkinScrollWinControl", &TvelSkinControlFramework::Create<TvelSkinScrollWinControl>},
    {L"TCustomListView", L"TvelSkinListView", &TvelSkinControlFramework::Create<TvelSkinListView>},
    {L"TRadioButton", L"TvelSkinRadioButton", &TvelSkinControlFramework::Create<TvelSkinRadioButton>},
    {L"TCustomComboBox", L"TvelSkinComboBox", &TvelSkinControlFramework::Create<TvelSkinComboBox>},
    {L"TCustomComboBoxEx", L"TvelSkinComboBoxEx", &TvelSkinControlFramework::Create<TvelSkinComboBoxEx>},
    {L"TCustomCheckBox", L"TvelSkinCheckBox", &TvelSkinControlFramework::Create<TvelSkinCheckBox>},
    {L"TCustomEdit", L"TvelSkinScrollWinControl", &TvelSkinControlFramework::Create<TvelSkinScrollWinControl>},
    {L"TButton", L"TvelSkinButton", &TvelSkinControlFramework::Create<TvelSkinButton>},
    {L"TCustomLabel", L"TvelSkinLabel", &TvelSkinControlFramework::Create<TvelSkinLabel>},
};

constexpr TWindowSkinClass BuiltInWindowSkins[] = {
    {"COMBOBOX", L"TvelSkinWndComboBox", &TvelSkinControlWnd::Create<TvelSkinWndComboBox>},
    {"COMBOBOXEX32", L"TvelSkinWndComboBox", &TvelSkinControlWnd::Create<TvelSkinWndComboBox>},
    {"BUTTON", L"TvelSkinWndButton", &TvelSkinControlWnd::Create<TvelSkinWndButton>},
    {"BUTTON_CHECKBOX", L"TvelSkinWndCheckBox", &TvelSkinControlWnd::Create<TvelSkinWndCheckBox>},
    {"BUTTON_RADIOBUTTON", L"TvelSkinWndRadioButton", &TvelSkinControlWnd::Create<TvelSkinWndRadioButton>},
    {"SYSTABCONTROL32", L"TvelSkinWndTabControl", &TvelSkinControlWnd::Create<TvelSkinWndTabControl>},
    // Sunken borders of the system dialogs' own edit boxes and lists.
    {"EDIT", L"TvelSkinBorderWndControl", &TvelSkinControlWnd::Create<TvelSkinBorderWndControl>},
    {"LISTBOX", L"TvelSkinBorderWndControl", &TvelSkinControlWnd::Create<TvelSkinBorderWndControl>},
    {"SYSLISTVIEW32", L"TvelSkinBorderWndControl", &TvelSkinControlWnd::Create<TvelSkinBorderWndControl>},
    {"TOOLBARWINDOW32", L"TvelSkinWndToolbarWindow32", &TvelSkinControlWnd::Create<TvelSkinWndToolbarWindow32>},
};

} // namespace

void RegisterControlSkins(std::span<const TControlSkinClass> table)
{
    ControlRegistry().insert(ControlRegistry().end(), table.begin(), table.end());
}

void RegisterWindowSkins(std::span<const TWindowSkinClass> table)
{
    WindowRegistry().insert(WindowRegistry().end(), table.begin(), table.end());
}

void ClearSkinRegistries()
{
    ControlRegistry().clear();
    WindowRegistry().clear();
}

void RegisterBuiltInSkinClasses()
{
    if (ControlRegistry().empty())
        RegisterControlSkins(BuiltInControlSkins);
    if (WindowRegistry().empty())
        RegisterWindowSkins(BuiltInWindowSkins);
}

const TControlSkinClass* FindControlSkinClass(const framework::TControl& control)
{
    const auto& registry = ControlRegistry();
    for (auto pair = registry.rbegin(); pair != registry.rend(); ++pair)
        if (control.InheritsFrom(std::wstring_view(pair->FrameworkClass)))
            return &*pair;
    return nullptr;
}

const TWindowSkinClass* FindWindowSkinClass(std::string_view normalizedClassName)
{
    for (const auto& record : WindowRegistry())
        if (normalizedClassName == record.NormalizedClassName)
            return &record;
    return nullptr;
}

std::string NormalizedWindowClass(const std::string& upperClassName, LONG style)
{
    if (upperClassName == "BUTTON") {
        if ((style & GroupBoxBits) == GroupBoxBits)
            return {};
        if ((style & CheckBoxBits) == CheckBoxBits || (style & AutoCheckBoxBit) != 0 ||
            (style & ThreeStateBits) == ThreeStateBits)
            return "BUTTON_CHECKBOX";
        if ((style & RadioBits) == RadioBits || (style & RadioBit) != 0)
            return "BUTTON_RADIOBUTTON";
        return "BUTTON";
    }
    if (upperClassName == "COMBOBOX" && (style & ComboKindBits) == SimpleComboKind)
        return {};
    return upperClassName;
}

} // namespace orvane::skin
