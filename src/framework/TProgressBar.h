#pragma once

#include "framework/TWinControl.h"

namespace orvane::framework {

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

// A progress bar over the system's progress window.
class TProgressBar : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TProgressBar(TComponent* owner);

    int Min() const { return minimum; }
    int Max() const { return maximum; }
    void SetRange(int newMin, int newMax);
    int Position() const;
    void SetPosition(int value);
    TProgressBarOrientation Orientation() const { return orientation; }
    void SetOrientation(TProgressBarOrientation value) { orientation = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    int minimum = 0;
    int maximum = 100;
    int position = 0;
    TProgressBarOrientation orientation = TProgressBarOrientation::pbHorizontal;
};

} // namespace orvane::framework
