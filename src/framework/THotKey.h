#pragma once

#include "framework/TWinControl.h"

namespace orvane::framework {

// A box that takes a key combination, over the system's hot-key control.
class TCustomHotKey : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomHotKey(TComponent* owner);

    // The virtual key in the low byte, the HOTKEYF_* modifiers in the next.
    WORD HotKey() const;
    void SetHotKey(WORD value);

    TBorderStyle BorderStyle() const { return borderStyle; }
    void SetBorderStyle(TBorderStyle value) { borderStyle = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    WORD hotKey = 0;
    TBorderStyle borderStyle = TBorderStyle::bsSingle;
};

class THotKey : public TCustomHotKey {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomHotKey::TCustomHotKey;
};

} // namespace orvane::framework
