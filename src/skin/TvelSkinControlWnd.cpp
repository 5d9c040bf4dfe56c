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
    // A click run from here may release the skinned window (its dialog ending
    // at once); the window and its control skins stay until the message is
    // over.
    const TSkinHostInUse use(Window());
    if (Context().Going() || !Skinning()) {
        next(message);
        return;
    }
    const TMessageLayers::TNext* outerNext = currentNext;
    currentNext = &next;
    if (BeforeMessage(message))
        next(message);
    if (!released)
        AfterMessage(message);
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
