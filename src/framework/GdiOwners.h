#pragma once

#include <windows.h>

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
} // namespace detail

// A GDI object (pen, brush, font, bitmap, region) that is deleted with its
// owner. Select it into a device context only through a TSelectedObject that
// the owner outlives, so that it is never deleted while selected.
template <typename Handle>
class TGdiObject {
public:
    TGdiObject() = default;
    // Takes a handle that was just made; null (a failed creation) is allowed.
    explicit TGdiObject(Handle made) : handle(made) { detail::ObjectTaken(made, std::is_same_v<Handle, HFONT>); }
    ~TGdiObject() { Reset(); }
    TGdiObject(TGdiObject&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle = std::exchange(other.handle, nullptr);
        }
        return *this;
    }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    // Hands the object over to whatever takes it (a window takes the region
    // it is given), which deletes it from then on.
    Handle Release()
    {
        if (handle)
            detail::ObjectGiven();
        return std::exchange(handle, nullptr);
    }
    void Reset()
    {
        if (!handle)
            return;
        DeleteObject(handle);
        detail::ObjectGiven();
        handle = nullptr;
    }

private:
    Handle handle = nullptr;
};

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
