#pragma once

#include "framework/TComboBox.h"

namespace orvane::framework {

// A combo box over the system's extended combo box (ComboBoxEx32), which
// holds a plain combo box inside it.
class TCustomComboBoxEx : public TCustomComboBox {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    explicit TCustomComboBoxEx(TComponent* owner);

    // The inner combo box.
    HWND ComboWindow() const;

protected:
    const wchar_t* SystemClassName() const override;
    HWND ItemsWindow() const override { return ComboWindow(); }
    // Items of an extended combo box go through the extended box itself.
    void InsertItem(const std::wstring& text) override;
};

class TComboBoxEx : public TCustomComboBoxEx {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomComboBoxEx::TCustomComboBoxEx;
};

} // namespace orvane::framework
