#pragma once

#include "framework/TWinControl.h"
#include "framework/TWindowSubclass.h"

namespace orvane::framework {

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateMode { dmComboBox, dmUpDown };

// A date or time box over the system's date-and-time picker: a date opens a
// calendar from its drop-down button, or steps with an up-down; a time
// always steps with an up-down. The dropped-down calendar closes on Escape
// (the picker keeps the focus) and when another window is activated, such
// as by a click outside it, also where the system's picker leaves that to
// the program.
class TDateTimePicker : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TDateTimePicker(TComponent* owner);

    TDateTimeKind Kind() const { return kind; }
    void SetKind(TDateTimeKind value) { kind = value; }
    TDTDateMode DateMode() const { return dateMode; }
    void SetDateMode(TDTDateMode value) { dateMode = value; }
    // Whether the picker shows the drop-down button (not an up-down).
    bool HasDropDownButton() const { return kind == TDateTimeKind::dtkDate && dateMode == TDTDateMode::dmComboBox; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    enum class TCalendarFocus { Keep, BackToPicker };
    // Puts the closing rules in front of the calendar that has just dropped
    // down.
    void WatchCalendar();
    void CloseCalendar(TCalendarFocus focus);

    TDateTimeKind kind = TDateTimeKind::dtkDate;
    TDTDateMode dateMode = TDTDateMode::dmComboBox;
    HWND calendar = nullptr;
    TWindowSubclass calendarSubclass;
};

} // namespace orvane::framework
