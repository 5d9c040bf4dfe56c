#pragma once

#include <windows.h>

#include "framework/HandleOwner.h"

#include <type_traits>
#include <utility>

namespace orvane::framework {

// Owners of GDI objects and device contexts: each gives back what it holds
// when it goes, also when an exception unwinds past it.
//
// They keep a count of what they hold, for tests on systems whose own count
// (GetGuiResources) answers 0.
struct TGdiOwnerCounts {
    long Objects = 0;  // GDI objects held now
    long DCs = 0;      // device contexts held now
    long FontsMade = 0; // fonts made since the start
};
const TGdiOwnerCounts& GdiOwnerCounts();

namespace detail {
void ObjectTaken(HGDIOBJ object, bool font);
void ObjectGiven();
void DCTaken(HDC dc);
void DCGiven();

template <typename Handle>
struct GdiObjectPolicy {
    static void Destroy(Handle object) { DeleteObject(object); }
    static void Taken(Handle object) { ObjectTaken(object, std::is_same_v<Handle, HFONT>); }
    static void Given() { ObjectGiven(); }
};
} // namespace detail

// A GDI object (pen, brush, font, bitmap, region) that is deleted with its
// owner. Select it into a device context only through a TSelectedObject that
// the owner outlives, so that it is never deleted while selected.
template <typename Handle>
using TGdiObject = THandleOwner<Handle, detail::GdiObjectPolicy<Handle>>;

using TPenHandle = TGdiObject<HPEN>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TFontHandle = TGdiObject<HFONT>;
using TBitmapHandle = TGdiObject<HBITMAP>;
using TRegionHandle = TGdiObject<HRGN>;

// The device context of a WM_PAINT: BeginPaint when made, EndPaint when gone.
class TPaintDC {
public:
    explicit TPaintDC(HWND paintedWindow);
    ~TPaintDC();
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;

    HDC Handle() const { return dc; }
    const PAINTSTRUCT& Paint() const { return paint; }

private:
    HWND window;
    PAINTSTRUCT paint{};
    HDC dc;
};

// A window's client-area device context (the screen's for null): GetDC when
// made, ReleaseDC when gone.
class TClientDC {
public:
    explicit TClientDC(HWND ofWindow);
    ~TClientDC();
    TClientDC(const TClientDC&) = delete;
    TClientDC& operator=(const TClientDC&) = delete;

    HDC Handle() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// The device context of a whole window, frame included (GetWindowDC), for
// painting the non-client area: released when gone.
class TWindowDC {
public:
    explicit TWindowDC(HWND ofWindow);
    ~TWindowDC();
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;

    HDC Handle() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// The state of a device context (clipping, origin, selections) as it was
// when made: SaveDC then, RestoreDC when gone.
class TSavedDCState {
public:
    explicit TSavedDCState(HDC savedDc) : dc(savedDc), saved(SaveDC(savedDc)) {}
    ~TSavedDCState() { RestoreDC(dc, saved); }
    TSavedDCState(const TSavedDCState&) = delete;
    TSavedDCState& operator=(const TSavedDCState&) = delete;

private:
    HDC dc;
    int saved;
};

// A memory device context compatible with another (the screen for null).
class TMemoryDC {
public:
    explicit TMemoryDC(HDC compatibleWith = nullptr);
    ~TMemoryDC();
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;

    HDC Handle() const { return dc; }

private:
    HDC dc;
};

// Objects selected into a device context, and the one that was there before
// the first of them, which goes back when the selection is restored or gone.
// One selection per kind of object (pen, brush, font, bitmap).
class TSelectedObject {
public:
    TSelectedObject() = default;
    ~TSelectedObject() { Restore(); }
    TSelectedObject(const TSelectedObject&) = delete;
    TSelectedObject& operator=(const TSelectedObject&) = delete;

    void Select(HDC dc, HGDIOBJ object);
    // Puts the original object back; the context no longer holds any of ours.
    void Restore();
    bool Active() const { return original != nullptr; }

private:
    HDC target = nullptr;
    HGDIOBJ original = nullptr;
};

} // namespace orvane::framework
