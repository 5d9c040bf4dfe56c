#pragma once

#include "skin/controls/TvelSkinExtComboboxLikeControl.h"
#include "skin/controls/TvelSkinInternalUpDown.h"

namespace orvane::skin {

// A date-time picker: a date picker that drops down a calendar gets the
// skinned drop-down button; a time picker or a date picker that steps gets
// skinned arrow buttons in place of its own up-down, unless its Tag asks to
// keep the system's.
class TvelSkinDateTimePicker : public TvelSkinExtComboboxLikeControl {
public:
    // The Tag that keeps the picker's own up-down.
    static constexpr int KeepOwnUpDownTag = 9998;

    using TvelSkinExtComboboxLikeControl::TvelSkinExtComboboxLikeControl;
    ~TvelSkinDateTimePicker() override;

    void Init() override;
    void SkinChanged() override;
    void AfterMessage(framework::TMessage& message) override;
    void Release() override;

    const TvelSkinInternalUpDown* UpDown() const { return upDown && upDown->Exists() ? upDown.get() : nullptr; }

protected:
    bool ShowsComboButton() const override;

private:
    // The picker's own up-down child window, or null.
    HWND OwnUpDown() const;
    void PlaceUpDown();

    std::unique_ptr<TvelSkinInternalUpDown> upDown;
    // The picker's own up-down while hidden in favour of the skinned one.
    HWND hiddenUpDown = nullptr;
};

} // namespace orvane::skin
