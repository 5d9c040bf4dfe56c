#pragma once

#include "framework/TWinControl.h"

namespace orvane::framework {

enum class TTrackBarOrientation { trHorizontal, trVertical };
// Sides of the channel that carry tick marks.
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
// No ticks, ticks every Frequency values, or only the ends.
enum class TTickStyle { tsNone, tsAuto, tsManual };

// A slider over the system's track-bar window. It watches its own position
// after every message that may move the thumb, so it needs no notification
// from its parent.
class TTrackBar : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TTrackBar(TComponent* owner);

    int Min() const { return minimum; }
    int Max() const { return maximum; }
    void SetRange(int newMin, int newMax);
    int Position() const;
    void SetPosition(int value);
    int Frequency() const { return frequency; }
    void SetFrequency(int value);
    int SelStart() const { return selStart; }
    int SelEnd() const { return selEnd; }
    void SetSelection(int start, int end);

    TTrackBarOrientation Orientation() const { return orientation; }
    void SetOrientation(TTrackBarOrientation value) { orientation = value; }
    TTickMark TickMarks() const { return tickMarks; }
    void SetTickMarks(TTickMark value) { tickMarks = value; }
    TTickStyle TickStyle() const { return tickStyle; }
    void SetTickStyle(TTickStyle value) { tickStyle = value; }

    // The position changed, by the hand or by the program.
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    int minimum = 0;
    int maximum = 10;
    int position = 0;
    // The position OnChange last reported.
    int reported = 0;
    int frequency = 1;
    int selStart = 0;
    int selEnd = 0;
    TTrackBarOrientation orientation = TTrackBarOrientation::trHorizontal;
    TTickMark tickMarks = TTickMark::tmBottomRight;
    TTickStyle tickStyle = TTickStyle::tsAuto;
};

} // namespace orvane::framework
