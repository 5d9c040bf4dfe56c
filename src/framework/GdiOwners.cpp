#include "framework/GdiOwners.h"

namespace orvane::framework {

namespace {

TGdiOwnerCounts counts;

} // namespace

const TGdiOwnerCounts& GdiOwnerCounts() { return counts; }

namespace gdi_detail {

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

} // namespace gdi_detail

TPaintDC::TPaintDC(HWND paintedWindow) : window(paintedWindow), dc(BeginPaint(paintedWindow, &paint))
{
    gdi_detail::DCTaken(dc);
}

TPaintDC::~TPaintDC()
{
    if (!dc)
        return;
    EndPaint(window, &paint);
    gdi_detail::DCGiven();
}

TClientDC::TClientDC(HWND ofWindow) : window(ofWindow), dc(GetDC(ofWindow)) { gdi_detail::DCTaken(dc); }

TClientDC::~TClientDC()
{
    if (!dc)
        return;
    ReleaseDC(window, dc);
    gdi_detail::DCGiven();
}

TMemoryDC::TMemoryDC(HDC compatibleWith) : dc(CreateCompatibleDC(compatibleWith)) { gdi_detail::DCTaken(dc); }

TMemoryDC::~TMemoryDC()
{
    if (!dc)
        return;
    DeleteDC(dc);
    gdi_detail::DCGiven();
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
