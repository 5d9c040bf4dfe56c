#include "framework/GdiOwners.h"

namespace orvane::framework {

namespace {

TGdiOwnerCounts counts;

} // namespace

const TGdiOwnerCounts& GdiOwnerCounts() { return counts; }

namespace detail {

void ObjectTaken(HGDIOBJ object, bool font)
{
    if (!object)
        return;
    ++counts.Objects;
    if (font)
        ++counts.FontsMade;
}

void ObjectGiven() { --counts.Objects; }

void DCTaken(HDC dc)
{
    if (dc)
        ++counts.DCs;
}

void DCGiven() { --counts.DCs; }

} // namespace detail

TPaintDC::TPaintDC(HWND paintedWindow) : window(paintedWindow), dc(BeginPaint(paintedWindow, &paint))
{
    detail::DCTaken(dc);
}

TPaintDC::~TPaintDC()
{
    if (!dc)
        return;
    EndPaint(window, &paint);
    detail::DCGiven();
}

TClientDC::TClientDC(HWND ofWindow) : window(ofWindow), dc(GetDC(ofWindow)) { detail::DCTaken(dc); }

TClientDC::~TClientDC()
{
    if (!dc)
        return;
    ReleaseDC(window, dc);
    detail::DCGiven();
}

TWindowDC::TWindowDC(HWND ofWindow) : window(ofWindow), dc(GetWindowDC(ofWindow)) { detail::DCTaken(dc); }

TWindowDC::~TWindowDC()
{
    if (!dc)
        return;
    ReleaseDC(window, dc);
    detail::DCGiven();
}

TMemoryDC::TMemoryDC(HDC compatibleWith) : dc(CreateCompatibleDC(compatibleWith)) { detail::DCTaken(dc); }

TMemoryDC::~TMemoryDC()
{
    if (!dc)
        return;
    DeleteDC(dc);
    detail::DCGiven();
}

void TSelectedObject::Select(HDC dc, HGDIOBJ object)
{
    if (original && dc != target)
        Restore();
    HGDIOBJ previous = SelectObject(dc, object);
    if (!original) {
        target = dc;
        original = previous;
    }
}

void TSelectedObject::Restore()
{
    if (original)
        SelectObject(target, original);
    original = nullptr;
    target = nullptr;
}

} // namespace orvane::framework
