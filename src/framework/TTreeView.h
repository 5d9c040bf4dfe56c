#pragma once

#include "framework/TWinControl.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace orvane::framework {

// A tree of texts over the system's tree view, with lines and buttons.
class TCustomTreeView : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomTreeView(TComponent* owner);

    // Adds a node under the node of the given number (-1: at the top level)
    // and gives its number.
    int AddNode(int parent, const std::wstring& text);
    // Opens every node (now, or when the window is made).
    void FullExpand();

    TBorderStyle BorderStyle() const { return borderStyle; }
    void SetBorderStyle(TBorderStyle value) { borderStyle = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    struct TNode {
        int parent;
        std::wstring text;
        HTREEITEM item = nullptr;
    };
    void InsertNode(TNode& node);

    std::vector<TNode> nodes;
    bool expanded = false;
    TBorderStyle borderStyle = TBorderStyle::bsSingle;
};

class TTreeView : public TCustomTreeView {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomTreeView::TCustomTreeView;
};

} // namespace orvane::framework
