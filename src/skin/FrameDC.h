#pragma once

#include <windows.h>

namespace orvane::skin {

// The device context of a whole window, frame included, for putting the
// skinned frame's bands on it: taken from the system's cache when made,
// given back when gone.
//
// It is asked for with DCX_NORESETATTRS, so that giving it back does not
// reset its attributes: under Wine that reset costs twice as much as
// copying the whole frame. The frame's painting changes none of them (it
// only copies pictures and fills with a brush it passes), so whoever takes
// the context next finds it as the system gave it. Clipping follows the
// window's styles, as GetWindowDC's does.
class TFrameDC {
public:
    explicit TFrameDC(HWND ofWindow);
    ~TFrameDC();
    TFrameDC(const TFrameDC&) = delete;
    TFrameDC& operator=(const TFrameDC&) = delete;

    HDC Handle() const { return dc; }

private:
    HWND window;
    HDC dc;
};

} // namespace orvane::skin
