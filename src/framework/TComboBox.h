#pragma once

#include "framework/TListBox.h"

namespace orvane::framework {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// A drop-down list over the system's COMBOBOX window. Its height is the
// height of the closed box; the list opens below it.
class TCustomComboBox : public TCustomListControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomComboBox(TComponent* owner);

    void AddItem(const std::wstring& text);
    int Count() const { return int(items.size()); }
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool DroppedDown() const;

    TComboBoxStyle Style() const { return style; }
    void SetStyle(TComboBoxStyle value) { style = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // The window's height includes the open list's.
    void ApplyBounds() override;

    // The system class the window is made from.
    virtual const wchar_t* SystemClassName() const { return L"COMBOBOX"; }
    // The window that takes the items (the inner combo box of an extended one).
    virtual HWND ItemsWindow() const { return WindowHandle(); }
    // Puts one item at the end of the window's list.
    virtual void InsertItem(const std::wstring& text);

private:
    std::vector<std::wstring> items;
    int itemIndex = -1;
    TComboBoxStyle style = TComboBoxStyle::csDropDown;
};

class TComboBox : public TCustomComboBox {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomComboBox::TCustomComboBox;
};

} // namespace orvane::framework
