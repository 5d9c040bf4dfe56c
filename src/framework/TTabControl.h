#pragma once

#include "framework/TWinControl.h"

#include <string>
#include <vector>

namespace orvane::framework {

class TCustomImageList;

// Where the tabs stand around the page.
enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// A row of tabs over a page, over the system's tab window. The page is the
// client area less the tabs; child controls go on it. Choosing a tab (by
// mouse or keyboard) runs OnChange.
class TCustomTabControl : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomTabControl(TComponent* owner);

    const std::vector<std::wstring>& Tabs() const { return tabs; }
    void SetTabs(std::vector<std::wstring> captions);
    int TabIndex() const;
    void SetTabIndex(int value);
    // The caption of tab n (empty when there is none).
    std::wstring TabText(int index) const;

    TTabPosition TabPosition() const { return tabPosition; }
    void SetTabPosition(TTabPosition value) { tabPosition = value; }
    TCustomImageList* Images() const { return images; }
    void SetImages(TCustomImageList* value);
    // The image of each tab in Images, by tab; -1 none.
    void SetImageIndexes(std::vector<int> indexes);

    // The client area less the tabs and the page's border.
    RECT DisplayRect();
    void AdjustClientRect(RECT& rect) const override;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void FillTabs();

    std::vector<std::wstring> tabs;
    std::vector<int> imageIndexes;
    int tabIndex = -1;
    TTabPosition tabPosition = TTabPosition::tpTop;
    TCustomImageList* images = nullptr;
};

class TTabControl : public TCustomTabControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomTabControl::TCustomTabControl;
};

} // namespace orvane::framework
