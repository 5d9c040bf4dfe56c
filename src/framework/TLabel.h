#pragma once

#include "framework/TGraphicControl.h"

namespace orvane::framework {

// Text drawn on its parent: in its font, aligned, wrapped when asked, over
// its colour unless it is transparent.
class TCustomLabel : public TGraphicControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment; }
    void SetAlignment(TAlignment value);
    bool WordWrap() const { return wordWrap; }
    void SetWordWrap(bool value);
    bool Transparent() const { return transparent; }
    void SetTransparent(bool value);

protected:
    void Paint() override;

private:
    TAlignment alignment = TAlignment::taLeftJustify;
    bool wordWrap = false;
    bool transparent = false;
};

class TLabel : public TCustomLabel {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomLabel::TCustomLabel;
};

} // namespace orvane::framework
