#include "skin/TvelSkinControlWnd.h"

#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

TvelSkinControlWnd::TvelSkinControlWnd(HWND child, TSkinControlHost& window)
    : TvelSkinControl(window), handle(child)
{
}

TvelSkinControlWnd::~TvelSkinControlWnd() = default;

void TvelSkinControlWnd::Attach()
{
    subclass = TWindowSubclass(
        handle, [this](TMessage& message, const TMessageLayers::TNext& next) { Procedure(message, next); });
    Init();
}

void TvelSkinControlWnd::RestoreWindowProc() { subclass.Remove(); }

void TvelSkinControlWnd::Procedure(TMessage& message, const TMessageLayers::TNext& next)
{
    if (Context().Going() || !Skinning()) {
        next(message);
        return;
    }
    // A click run from here may free this object (its dialog ending at once).
    const std::shared_ptr<bool> stillAlive = Alive();
    const TMessageLayers::TNext* outerNext = currentNext;
    currentNext = &next;
    if (BeforeMessage(message) && *stillAlive)
        next(message);
    if (*stillAlive && !released)
        AfterMessage(message);
    if (*stillAlive)
        currentNext = outerNext;
}

void TvelSkinControlWnd::CallPrevious(TMessage& message)
{
    if (currentNext)
        (*currentNext)(message);
}

RECT TvelSkinControlWnd::GetBounds() const
{
    RECT place{};
    GetWindowRect(handle, &place);
    return RECT{0, 0, place.right - place.left, place.bottom - place.top};
}

bool TvelSkinControlWnd::IsEnabled() const { return IsWindowEnabled(handle) != FALSE; }

} // namespace orvane::skin
