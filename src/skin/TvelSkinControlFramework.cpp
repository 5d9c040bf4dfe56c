#include "skin/TvelSkinControlFramework.h"

#include "framework/TControl.h"
#include "framework/TWinControl.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

TvelSkinControlFramework::TvelSkinControlFramework(TControl& target, TSkinControlHost& window)
    : TvelSkinControl(window), hookedControl(target)
{
}

TvelSkinControlFramework::~TvelSkinControlFramework() = default;

void TvelSkinControlFramework::Attach()
{
    previousHandler = hookedControl.HookWindowProc(
        [this](TMessage& message, const TMessageLayers::TNext& next) { Hook(message, next); });
    Init();
}

void TvelSkinControlFramework::RestoreWindowProc() { previousHandler = TMessageLayerHandle(); }

void TvelSkinControlFramework::Hook(TMessage& message, const TMessageLayers::TNext& next)
{
    // A click run from here may release the skinned window (its form closing
    // at once); the window and its control skins stay until the message is
    // over. A released control skin only passes the message on.
    const TSkinHostInUse use(Window());
    const bool engineGoing = Context().Going();
    if (engineGoing && message.Msg == CM_INVALIDATE)
        return;
    if (engineGoing || !Skinning() || hookedControl.Tag() == Context().DisabledTag()) {
        next(message);
        return;
    }
    const TMessageLayers::TNext* outerNext = currentNext;
    currentNext = &next;
    if (message.Msg == WM_NCLBUTTONDOWN || message.Msg == WM_VSCROLL || message.Msg == WM_HSCROLL)
        TrackThumb(message);
    if (BeforeMessage(message))
        next(message);
    if (!released)
        AfterMessage(message);
    currentNext = outerNext;
}

void TvelSkinControlFramework::CallPrevious(TMessage& message)
{
    if (currentNext)
        (*currentNext)(message);
}

RECT TvelSkinControlFramework::GetBounds() const { return hookedControl.ClientRect(); }

HWND TvelSkinControlFramework::GetHandle()
{
    if (auto* windowed = As<TWinControl>(&hookedControl))
        return windowed->Handle();
    if (TWinControl* parent = hookedControl.Parent())
        return parent->Handle();
    return nullptr;
}

HWND TvelSkinControlFramework::Handle() const
{
    if (auto* windowed = As<TWinControl>(&hookedControl))
        return windowed->WindowHandle();
    return nullptr;
}

bool TvelSkinControlFramework::IsEnabled() const { return hookedControl.Enabled(); }

POINT TvelSkinControlFramework::DrawingOrigin() const
{
    if (As<TWinControl>(&hookedControl))
        return POINT{0, 0};
    return POINT{hookedControl.Left(), hookedControl.Top()};
}

} // namespace orvane::skin
