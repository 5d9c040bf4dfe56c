#include "framework/TCanvas.h"

namespace orvane::framework {

const TClassInfo TCanvas::ClassInfo{L"TCanvas", &TObject::ClassInfo, {}};

TCanvas::~TCanvas() { ReleaseObjects(); }

void TCanvas::SetHandle(HDC newDc)
{
    if (newDc == dc)
        return;
    ReleaseObjects();
    dc = newDc;
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc, x, y, nullptr); }

void TCanvas::LineTo(int x, int y)
{
    RequirePen();
    ::LineTo(dc, x, y);
}

void TCanvas::FillRect(const RECT& rect)
{
    RequireBrush();
    ::FillRect(dc, &rect, brush);
}

void TCanvas::Frame3D(RECT& rect, TColor topLeft, TColor bottomRight, int width)
{
    HBRUSH light = CreateSolidBrush(ColorToRGB(topLeft));
    HBRUSH dark = CreateSolidBrush(ColorToRGB(bottomRight));
    for (int i = 0; i < width; ++i) {
        const RECT top{rect.left, rect.top, rect.right - 1, rect.top + 1};
        const RECT left{rect.left, rect.top, rect.left + 1, rect.bottom - 1};
        const RECT bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
        const RECT right{rect.right - 1, rect.top, rect.right, rect.bottom};
        ::FillRect(dc, &top, light);
        ::FillRect(dc, &left, light);
        ::FillRect(dc, &bottom, dark);
        ::FillRect(dc, &right, dark);
        InflateRect(&rect, -1, -1);
    }
    DeleteObject(light);
    DeleteObject(dark);
}

void TCanvas::TextRect(const std::wstring& text, RECT& rect, UINT format)
{
    RequireFont();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(font.Color()));
    ::DrawTextW(dc, text.c_str(), int(text.size()), &rect, format);
}

SIZE TCanvas::TextExtent(const std::wstring& text)
{
    RequireFont();
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return size;
}

void TCanvas::RequirePen()
{
    if (pen && penMade.Color == Pen.Color && penMade.Width == Pen.Width)
        return;
    HPEN made = CreatePen(PS_SOLID, Pen.Width, ColorToRGB(Pen.Color));
    HGDIOBJ previous = SelectObject(dc, made);
    if (!originalPen)
        originalPen = previous;
    if (pen)
        DeleteObject(pen);
    pen = made;
    penMade = Pen;
}

void TCanvas::RequireBrush()
{
    if (brush && brushColorMade == Brush.Color)
        return;
    HBRUSH made = CreateSolidBrush(ColorToRGB(Brush.Color));
    HGDIOBJ previous = SelectObject(dc, made);
    if (!originalBrush)
        originalBrush = previous;
    if (brush)
        DeleteObject(brush);
    brush = made;
    brushColorMade = Brush.Color;
}

void TCanvas::RequireFont()
{
    HGDIOBJ previous = SelectObject(dc, font.Handle());
    if (!originalFont)
        originalFont = previous;
}

void TCanvas::ReleaseObjects()
{
    if (dc) {
        if (originalPen)
            SelectObject(dc, originalPen);
        if (originalBrush)
            SelectObject(dc, originalBrush);
        if (originalFont)
            SelectObject(dc, originalFont);
    }
    originalPen = originalBrush = originalFont = nullptr;
    if (pen)
        DeleteObject(pen);
    if (brush)
        DeleteObject(brush);
    pen = nullptr;
    brush = nullptr;
    brushColorMade = clNone;
}

} // namespace orvane::framework
