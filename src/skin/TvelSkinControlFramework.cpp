#include "skin/TvelSkinControlFramework.h"

#include "framework/TControl.h"
#include "framework/TWinControl.h"
#include "skin/TvelSkinEngine.h"

namespace orvane::skin {

using namespace framework;

TvelSkinControlFramework::TvelSkinControlFramework(TControl& skinnedControl, TvelSkinWindow& window)
    : TvelSkinControl(window), control(skinnedControl)
{
}

TvelSkinControlFramework::~TvelSkinControlFramework() = default;

void TvelSkinControlFramework::Attach()
{
    previousHandler = control.HookWindowProc(
        [this](TMessage& message, const TMessageLayers::TNext& next) { Hook(message, next); });
    Init();
}

void TvelSkinControlFramework::RestoreWindowProc() { previousHandler = TMessageLayerHandle(); }

void TvelSkinControlFramework::Hook(TMessage& message, const TMessageLayers::TNext& next)
{
    TvelSkinEngine& engine = Engine();
    const bool engineGoing = engine.IsDestroying();
    if (engineGoing && message.Msg == CM_INVALIDATE)
        return;
    if (engineGoing || !engine.Skinning() || control.Tag() == engine.DisabledTag()) {
        next(message);
        return;
    }
    // A click run from here may free this object (its form closing at once).
    const std::shared_ptr<bool> stillAlive = Alive();
    const TMessageLayers::TNext* outerNext = currentNext;
    currentNext = &next;
    if (message.Msg == WM_NCLBUTTONDOWN || message.Msg == WM_VSCROLL || message.Msg == WM_HSCROLL)
        TrackThumb(message);
    if (*stillAlive && BeforeMessage(message))
        next(message);
    if (*stillAlive && !released)
        AfterMessage(message);
    if (*stillAlive)
        currentNext = outerNext;
}

void TvelSkinControlFramework::CallPrevious(TMessage& message)
{
    if (currentNext)
        (*currentNext)(message);
}

RECT TvelSkinControlFramework::GetBounds() const { return control.ClientRect(); }

HWND TvelSkinControlFramework::GetHandle()
{
    if (auto* windowed = As<TWinControl>(&control))
        return windowed->Handle();
    if (TWinControl* parent = control.Parent())
        return parent->Handle();
    return nullptr;
}

HWND TvelSkinControlFramework::Handle() const
{
    if (auto* windowed = As<TWinControl>(&control))
        return windowed->WindowHandle();
    return nullptr;
}

bool TvelSkinControlFramework::IsEnabled() const { return control.Enabled(); }

POINT TvelSkinControlFramework::DrawingOrigin() const
{
    if (As<TWinControl>(&control))
        return POINT{0, 0};
    return POINT{control.Left(), control.Top()};
}

} // namespace orvane::skin
