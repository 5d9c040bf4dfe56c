#pragma once

#include "framework/TWinControl.h"

namespace orvane::framework {

enum class TUDOrientation { udVertical, udHorizontal };

// A pair of arrow buttons over the system's up-down window.
class TCustomUpDown : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomUpDown(TComponent* owner);

    int Min() const { return minimum; }
    int Max() const { return maximum; }
    void SetRange(int newMin, int newMax);
    int Position() const;
    void SetPosition(int value);
    TUDOrientation Orientation() const { return orientation; }
    void SetOrientation(TUDOrientation value) { orientation = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    int minimum = 0;
    int maximum = 100;
    int position = 0;
    TUDOrientation orientation = TUDOrientation::udVertical;
};

class TUpDown : public TCustomUpDown {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }
    using TCustomUpDown::TCustomUpDown;
};

} // namespace orvane::framework
