#pragma once

#include "framework/TWinControl.h"

namespace orvane::framework {

// A radio button over the system's BUTTON window (automatic: checking one
// unchecks the others of its group).
class TRadioButton : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TRadioButton(TComponent* owner);

    bool Checked() const;
    void SetChecked(bool value);
    TAlignment Alignment() const { return alignment; }
    void SetAlignment(TAlignment value) { alignment = value; }

    TNotifyEvent OnDblClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    bool checked = false;
    TAlignment alignment = TAlignment::taRightJustify;
};

} // namespace orvane::framework
