#pragma once

#include "framework/TWinControl.h"

namespace orvane::framework {

enum class TScrollBarKind { sbHorizontal, sbVertical };

// A scroll bar of its own over the system's SCROLLBAR window. It moves its
// thumb itself on the scroll requests it reflects from its parent.
class TScrollBar : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TScrollBar(TComponent* owner);

    TScrollBarKind Kind() const { return kind; }
    void SetKind(TScrollBarKind value) { kind = value; }
    int Min() const { return minimum; }
    int Max() const { return maximum; }
    int PageSize() const { return pageSize; }
    void SetParams(int newPosition, int newMin, int newMax, int newPageSize);
    int Position() const;
    void SetPosition(int value);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void ApplyScrollInfo();
    void Scroll(int request);

    TScrollBarKind kind = TScrollBarKind::sbHorizontal;
    int minimum = 0;
    int maximum = 100;
    int pageSize = 0;
    int position = 0;
};

} // namespace orvane::framework
