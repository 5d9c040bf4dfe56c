#pragma once

#include "framework/TWinControl.h"

#include <string>
#include <vector>

namespace orvane::framework {

// A list of rows under a column header, over the system's list view in its
// report view.
class TCustomListView : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomListView(TComponent* owner);

    void AddColumn(const std::wstring& caption, int width);
    // A row: its texts, one for each column.
    void AddItem(const std::vector<std::wstring>& texts);
    int ItemCount() const { return int(rows.size()); }
    // The column header's window (null before the list view's window).
    HWND HeaderWindow() const;

    TBorderStyle BorderStyle() const { return borderStyle; }
    void SetBorderStyle(TBorderStyle value) { borderStyle = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    struct TColumn {
        std::wstring caption;
        int width;
    };
    void InsertColumn(int index);
    void InsertRow(int index);

    std::vector<TColumn> columns;
    std::vector<std::vector<std::wstring>> rows;
    TBorderStyle borderStyle = TBorderStyle::bsSingle;
};

class TListView : public TCustomListView {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomListView::TCustomListView;
};

} // namespace orvane::framework
