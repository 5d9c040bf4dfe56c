#pragma once

#include <windows.h>

namespace orvane::skin {

// Ties an object to a window through a named window property: the one way
// the skin finds its objects from a window handle, as the framework finds
// its controls. A property suits every window the skin meets, also the
// system's dialogs and controls, whose user data belongs to their owners.
// The property comes off when the tie goes, if the window still carries it
// for this object.
class TWindowTie {
public:
    TWindowTie() = default;
    // `property` names the kind of object; it must outlive the tie.
    TWindowTie(HWND window, const wchar_t* property, void* object);
    ~TWindowTie() { Remove(); }
    TWindowTie(TWindowTie&& other) noexcept;
    TWindowTie& operator=(TWindowTie&& other) noexcept;
    TWindowTie(const TWindowTie&) = delete;
    TWindowTie& operator=(const TWindowTie&) = delete;

    void Remove();
    HWND Window() const { return window; }

    // The object tied to the window under that name, or null.
    static void* Find(HWND window, const wchar_t* property);

private:
    HWND window = nullptr;
    const wchar_t* property = nullptr;
    void* object = nullptr;
};

} // namespace orvane::skin
