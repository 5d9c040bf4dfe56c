#pragma once

#include "framework/TWinControl.h"

namespace orvane::framework {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box over the system's BUTTON window (an automatic check box, or a
// three-state one when AllowGrayed). The state lives in the window while it
// exists. Alignment says on which side of the box the caption stands:
// right-justified (the default) puts it right of the box.
class TCustomCheckBox : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomCheckBox(TComponent* owner);

    TCheckBoxState State() const;
    void SetState(TCheckBoxState value);
    bool Checked() const { return State() == TCheckBoxState::cbChecked; }
    void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed; }
    void SetAllowGrayed(bool value) { allowGrayed = value; }
    TAlignment Alignment() const { return alignment; }
    void SetAlignment(TAlignment value) { alignment = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    TCheckBoxState state = TCheckBoxState::cbUnchecked;
    bool allowGrayed = false;
    TAlignment alignment = TAlignment::taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomCheckBox::TCustomCheckBox;
};

} // namespace orvane::framework
