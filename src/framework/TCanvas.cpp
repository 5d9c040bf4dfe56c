#include "framework/TCanvas.h"

#include "framework/TBitmap.h"

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
    ::FillRect(dc, &rect, brush.Get());
}

void TCanvas::Frame3D(RECT& rect, TColor topLeft, TColor bottomRight, int width)
{
    const TBrushHandle light(CreateSolidBrush(ColorToRGB(topLeft)));
    const TBrushHandle dark(CreateSolidBrush(ColorToRGB(bottomRight)));
    for (int i = 0; i < width; ++i) {
        const RECT top{rect.left, rect.top, rect.right - 1, rect.top + 1};
        const RECT left{rect.left, rect.top, rect.left + 1, rect.bottom - 1};
        const RECT bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
        const RECT right{rect.right - 1, rect.top, rect.right, rect.bottom};
        ::FillRect(dc, &top, light.Get());
        ::FillRect(dc, &left, light.Get());
        ::FillRect(dc, &bottom, dark.Get());
        ::FillRect(dc, &right, dark.Get());
        InflateRect(&rect, -1, -1);
    }
}

void TCanvas::PrepareText(TBackgroundMode mode)
{
    RequireFont();
    SetTextColor(dc, ColorToRGB(font.Color()));
    if (mode == TBackgroundMode::bmOpaque) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorToRGB(Brush.Color));
        return;
    }
    SetBkMode(dc, TRANSPARENT);
}

void TCanvas::TextOut(int x, int y, const std::wstring& text)
{
    PrepareText(BackgroundMode);
    ::TextOutW(dc, x, y, text.c_str(), int(text.size()));
}

int TCanvas::DrawText(const std::wstring& text, RECT& rect, UINT format)
{
    PrepareText(BackgroundMode);
    return ::DrawTextW(dc, text.c_str(), int(text.size()), &rect, format);
}

void TCanvas::TextRect(const std::wstring& text, RECT& rect, UINT format)
{
    PrepareText(TBackgroundMode::bmTransparent);
    ::DrawTextW(dc, text.c_str(), int(text.size()), &rect, format);
}

SIZE TCanvas::TextExtent(const std::wstring& text)
{
    RequireFont();
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap)
{
    const RECT whole{0, 0, bitmap.Width(), bitmap.Height()};
    Blit(RECT{x, y, x + whole.right, y + whole.bottom}, bitmap, whole, true);
}

void TCanvas::StretchDraw(const RECT& destination, TBitmap& bitmap)
{
    Blit(destination, bitmap, RECT{0, 0, bitmap.Width(), bitmap.Height()}, true);
}

void TCanvas::CopyRect(const RECT& destination, TBitmap& bitmap, const RECT& source)
{
    Blit(destination, bitmap, source, false);
}

void TCanvas::Blit(const RECT& destination, TBitmap& bitmap, const RECT& source, bool honourTransparency)
{
    if (!dc || bitmap.Empty())
        return;
    HDC sourceDc = bitmap.Canvas().Handle();
    const int width = destination.right - destination.left;
    const int height = destination.bottom - destination.top;
    const int sourceWidth = source.right - source.left;
    const int sourceHeight = source.bottom - source.top;
    if (honourTransparency && bitmap.Transparent()) {
        TransparentBlt(dc, destination.left, destination.top, width, height, sourceDc, source.left, source.top,
                       sourceWidth, sourceHeight, ColorToRGB(bitmap.TransparentColor()));
        return;
    }
    if (width == sourceWidth && height == sourceHeight) {
        BitBlt(dc, destination.left, destination.top, width, height, sourceDc, source.left, source.top, SRCCOPY);
        return;
    }
    StretchBlt(dc, destination.left, destination.top, width, height, sourceDc, source.left, source.top,
               sourceWidth, sourceHeight, SRCCOPY);
}

void TCanvas::RequirePen()
{
    if (pen && penMade.Color == Pen.Color && penMade.Width == Pen.Width)
        return;
    TPenHandle made(CreatePen(PS_SOLID, Pen.Width, ColorToRGB(Pen.Color)));
    penSelection.Select(dc, made.Get());
    pen = std::move(made); // the previous pen, no longer selected, goes
    penMade = Pen;
}

void TCanvas::RequireBrush()
{
    if (brush && brushColorMade == Brush.Color)
        return;
    TBrushHandle made(CreateSolidBrush(ColorToRGB(Brush.Color)));
    brushSelection.Select(dc, made.Get());
    brush = std::move(made);
    brushColorMade = Brush.Color;
}

void TCanvas::RequireFont()
{
    TFont::TSharedHandle wanted = font.SharedHandle();
    if (wanted == selectedFont && fontSelection.Active())
        return;
    fontSelection.Select(dc, wanted->Get());
    selectedFont = std::move(wanted); // the share in the previous font goes after it left the context
}

void TCanvas::ReleaseObjects()
{
    penSelection.Restore();
    brushSelection.Restore();
    fontSelection.Restore();
    selectedFont.reset();
    pen.Reset();
    brush.Reset();
    brushColorMade = clNone;
}

} // namespace orvane::framework
