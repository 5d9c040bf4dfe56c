#pragma once

#include "framework/TImageList.h"
#include "framework/TToolButton.h"
#include "framework/TWinControl.h"

#include <vector>

namespace orvane::framework {

// A tool bar over the system tool bar control ("ToolbarWindow32"). Its
// buttons are the TToolButton controls placed on it, in order; the images
// come from an image list; hints show as tool tips when ShowHint is on.
class TToolBar : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TToolBar(TComponent* owner);

    TCustomImageList* Images() const { return images; }
    void SetImages(TCustomImageList* value);
    bool Flat() const { return flat; }
    void SetFlat(bool value) { flat = value; }
    int ButtonWidth() const { return buttonWidth; }
    void SetButtonWidth(int value);
    int ButtonHeight() const { return buttonHeight; }
    void SetButtonHeight(int value);
    bool ShowCaptions() const { return showCaptions; }
    void SetShowCaptions(bool value) { showCaptions = value; }

    int ButtonCount() const { return int(buttons.size()); }
    TToolButton* Buttons(int index) const { return buttons[std::size_t(index)]; }
    TToolButton* FindButton(int command) const;
    // The button's rectangle in the tool bar's client area, as the system
    // control lays it out.
    RECT ButtonRect(const TToolButton& button);

    void Notification(TComponent* component, TOperation operation) override;

    void InsertControl(TControl* control) override;
    void RemoveControl(TControl* control) override;
    // Kept in step by the buttons.
    bool ButtonDown(const TToolButton& button) const;
    void CheckButton(const TToolButton& button, bool down);
    void UpdateButtonState(const TToolButton& button);
    void UpdateButtonImage(const TToolButton& button);
    // Makes the native button again, for changes of style, group or wrap.
    void ReplaceButton(const TToolButton& button);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void AddNativeButton(const TToolButton& button, int position);
    void ApplySizes();

    TCustomImageList* images = nullptr;
    bool flat = false;
    int buttonWidth = 23;
    int buttonHeight = 22;
    bool showCaptions = false;
    std::vector<TToolButton*> buttons;
};

} // namespace orvane::framework
