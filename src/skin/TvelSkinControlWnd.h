#pragma once

#include "framework/TWindowSubclass.h"
#include "skin/TvelSkinControl.h"

#include <memory>

namespace orvane::skin {

// The control skin of a plain system window (a dialog's button, tab or tool
// bar): a window procedure of its own goes in front of the window's, and the
// window's comes back when the control skin goes (if the window is still
// there). While the engine skins, each message goes through BeforeMessage,
// to the window's procedure when that allows it, and through AfterMessage.
class TvelSkinControlWnd : public TvelSkinControl {
public:
    TvelSkinControlWnd(HWND child, TSkinControlHost& window);
    ~TvelSkinControlWnd() override;

    // Makes a control skin of kind T for a window and puts its window
    // procedure in place: the registry's factory for T.
    template <class T>
    static std::unique_ptr<TvelSkinControl> Create(HWND child, TSkinControlHost& window)
    {
        auto skin = std::make_unique<T>(child, window);
        skin->Attach();
        return skin;
    }

    RECT GetBounds() const override;
    HWND GetHandle() override { return handle; }
    bool IsEnabled() const override;
    HWND Handle() const override { return handle; }
    void RestoreWindowProc() override;

protected:
    // Puts the window procedure in place, then Init.
    void Attach();
    // Hands a message to the window's own procedure, from inside
    // BeforeMessage or AfterMessage.
    void CallPrevious(framework::TMessage& message);

private:
    void Procedure(framework::TMessage& message, const framework::TMessageLayers::TNext& next);

    framework::TWindowSubclass subclass;
    const framework::TMessageLayers::TNext* currentNext = nullptr;
    HWND handle;
};

} // namespace orvane::skin
