#pragma once

#include "framework/TMessageLayers.h"
#include "framework/TWindowSubclass.h"
#include "skin/TvelSkinWindow.h"


namespace orvane::skin {

// The skinned frame of a window the framework does not own: a message box or
// a system dialog such as the common file dialogs. It subclasses the window,
// grows it so that its client area survives the skin's frame, paints dialog
// backgrounds in the skin's form colour, and turns the skinned close button
// into the dialog's Cancel. A message box that has no Cancel (Yes and No,
// Abort, Retry and Ignore) can only be answered: as the system keeps such a
// box, its close button is disabled and Escape, Alt+F4 and Close do nothing.
// A box whose skinned caption would not fit is widened for it.
class TvelSkinWindowWnd : public TvelSkinWindow {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    TvelSkinWindowWnd(framework::TComponent* owner, TvelSkinEngine& owningEngine, bool byHook);
    ~TvelSkinWindowWnd() override;

    std::wstring GetWideCaption() const override;
    void ApplySkin() override;
    void CallDefault(framework::TMessage& message) override;
    void CaptureGeometry() override;
    void SkinControls() override;
    void UnskinControls() override;
    HWND Handle() const override { return window; }
    bool CloseButtonEnabled() const override { return !answersOnly; }
    bool BeforeDefault(framework::TMessage& message) override;
    void AfterDefault(framework::TMessage& message) override;
    void Attach(HWND handle) override;
    void Detach() override;

    bool IsFileDialog() const { return isFileDialog; }
    bool IsBrowseDialog() const { return isBrowseDialog; }
    HWND DialogChild() const { return dialogChild; }

private:
    void InspectDialog();
    void DialogChildProc(framework::TMessage& message, const framework::TMessageLayers::TNext& next);
    bool ColorDialogControl(framework::TMessage& message);
    // Moves the push buttons for a window `growth` wider than the skin's
    // frame alone makes it, and gives the left edge of a window `width` wide
    // centred where the system placed it (`place`), on the work area.
    int WidenedLeft(const RECT& place, int width, int growth);

    HWND window = nullptr;
    framework::TWindowSubclass subclass;
    const framework::TMessageLayers::TNext* defaultProc = nullptr;
    LONG origStyle = 0;
    LONG eraseStyle = 0;
    bool eraseStyleTaken = false;
    bool grown = false;
    bool isFileDialog = false;
    bool isBrowseDialog = false;
    // A message box without Cancel: it closes only through its answers.
    bool answersOnly = false;
    HWND dialogChild = nullptr;
    framework::TWindowSubclass dialogChildSubclass;
};

} // namespace orvane::skin
