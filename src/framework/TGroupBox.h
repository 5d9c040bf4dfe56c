#pragma once

#include "framework/TWinControl.h"

namespace orvane::framework {

// A captioned frame around other controls, over the system's group-box
// BUTTON window.
class TCustomGroupBox : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomGroupBox(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

class TGroupBox : public TCustomGroupBox {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomGroupBox::TCustomGroupBox;
};

} // namespace orvane::framework
