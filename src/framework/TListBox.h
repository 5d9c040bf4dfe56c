#pragma once

#include "framework/TWinControl.h"

#include <string>
#include <vector>

namespace orvane::framework {

// A control that shows a list of texts, one of which may be selected.
class TCustomListControl : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TWinControl::TWinControl;
};

// A list of texts over the system's LISTBOX window.
class TCustomListBox : public TCustomListControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomListBox(TComponent* owner);

    void AddItem(const std::wstring& text);
    int Count() const { return int(items.size()); }
    int ItemIndex() const;
    void SetItemIndex(int index);

    TBorderStyle BorderStyle() const { return borderStyle; }
    void SetBorderStyle(TBorderStyle value) { borderStyle = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    std::vector<std::wstring> items;
    int itemIndex = -1;
    TBorderStyle borderStyle = TBorderStyle::bsSingle;
};

class TListBox : public TCustomListBox {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomListBox::TCustomListBox;
};

} // namespace orvane::framework
