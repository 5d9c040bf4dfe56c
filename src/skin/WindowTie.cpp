#include "skin/WindowTie.h"

#include <utility>

namespace orvane::skin {

TWindowTie::TWindowTie(HWND target, const wchar_t* name, void* tied)
{
    if (!target || !SetPropW(target, name, tied))
        return;
    window = target;
    property = name;
    object = tied;
}

TWindowTie::TWindowTie(TWindowTie&& other) noexcept
    : window(std::exchange(other.window, nullptr)), property(other.property), object(other.object)
{
}

TWindowTie& TWindowTie::operator=(TWindowTie&& other) noexcept
{
    if (this != &other) {
        Remove();
        window = std::exchange(other.window, nullptr);
        property = other.property;
        object = other.object;
    }
    return *this;
}

void TWindowTie::Remove()
{
    HWND tied = std::exchange(window, nullptr);
    // A handle may have been given to another window since: only this
    // object's property comes off.
    if (tied && IsWindow(tied) && GetPropW(tied, property) == object)
        RemovePropW(tied, property);
}

void* TWindowTie::Find(HWND window, const wchar_t* property)
{
    return window ? GetPropW(window, property) : nullptr;
}

} // namespace orvane::skin
