#pragma once

#include "framework/TWinControl.h"

namespace orvane::framework {

// A status bar over the system's status window, aligned to its parent's
// bottom; SizeGrip gives it the resizing grip at its right end. A change of
// width repaints the whole bar: the grip and the text move with its right
// end, and the system repaints only the strip a wider bar gains.
class TCustomStatusBar : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomStatusBar(TComponent* owner);

    bool SizeGrip() const { return sizeGrip; }
    void SetSizeGrip(bool value) { sizeGrip = value; }
    const std::wstring& SimpleText() const { return simpleText; }
    void SetSimpleText(const std::wstring& value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    bool sizeGrip = true;
    std::wstring simpleText;
};

class TStatusBar : public TCustomStatusBar {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomStatusBar::TCustomStatusBar;
};

} // namespace orvane::framework
