#pragma once

#include "framework/TCustomControl.h"

namespace orvane::framework {

// A reusable group of controls placed on a form as one control.
class TCustomFrame : public TCustomControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    explicit TCustomFrame(TComponent* owner);
};

class TFrame : public TCustomFrame {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomFrame::TCustomFrame;
};

// A band container for tool bars; laid out as a panel would be.
class TCoolBar : public TCustomControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    explicit TCoolBar(TComponent* owner);
};

} // namespace orvane::framework
