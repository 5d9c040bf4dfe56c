#pragma once

#include "framework/TMessageLayers.h"
#include "skin/TvelSkinControl.h"

#include <memory>

namespace orvane::framework {
class TControl;
}

namespace orvane::skin {

// The control skin of a framework control. Its hook sits in front of the
// control's message handling: while the engine skins and the control does
// not carry the engine's DisabledTag, each message goes through
// BeforeMessage, to the control's previous handler when that allows it, and
// through AfterMessage; otherwise the control gets it untouched.
class TvelSkinControlFramework : public TvelSkinControl {
public:
    TvelSkinControlFramework(framework::TControl& target, TSkinControlHost& window);
    ~TvelSkinControlFramework() override;

    // Makes a control skin of kind T for a control and puts its hook in
    // place: the registry's factory for T.
    template <class T>
    static std::unique_ptr<TvelSkinControl> Create(framework::TControl& control, TSkinControlHost& window)
    {
        auto skin = std::make_unique<T>(control, window);
        skin->Attach();
        return skin;
    }

    RECT GetBounds() const override;
    HWND GetHandle() override;
    bool IsEnabled() const override;
    HWND Handle() const override;
    void RestoreWindowProc() override;

    framework::TControl& Control() const { return hookedControl; }

protected:
    // Puts the hook in front of the control's handler, then Init.
    void Attach();
    // Hands a message to the control's previous handler, from inside
    // BeforeMessage or AfterMessage (the hook's own `next`).
    void CallPrevious(framework::TMessage& message);
    // Scroll-thumb tracking of the controls with scroll bars, run before
    // BeforeMessage on WM_NCLBUTTONDOWN, WM_VSCROLL and WM_HSCROLL.
    virtual void TrackThumb(framework::TMessage& /*message*/) {}
    // A windowless control paints on its parent, at its place there.
    POINT DrawingOrigin() const override;

private:
    void Hook(framework::TMessage& message, const framework::TMessageLayers::TNext& next);

    framework::TMessageLayerHandle previousHandler;
    const framework::TMessageLayers::TNext* currentNext = nullptr;
    framework::TControl& hookedControl;
};

} // namespace orvane::skin
