#pragma once

#include "framework/TWinControl.h"

namespace orvane::framework {

// A box whose children may reach beyond it: scroll bars appear when the
// scrolled area (the range) is larger than the box, and scrolling moves the
// children.
class TScrollBox : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TScrollBox(TComponent* owner);

    // The size of the scrolled area; 0 leaves that direction without a bar.
    void SetRange(int horizontal, int vertical);
    POINT ScrollPosition() const { return offset; }

    TBorderStyle BorderStyle() const { return borderStyle; }
    void SetBorderStyle(TBorderStyle value) { borderStyle = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void UpdateScrollBars();
    void Scroll(int bar, int request);
    void ScrollTo(int x, int y);

    SIZE range{0, 0};
    POINT offset{0, 0};
    TBorderStyle borderStyle = TBorderStyle::bsSingle;
};

} // namespace orvane::framework
