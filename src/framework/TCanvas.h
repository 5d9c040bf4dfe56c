#pragma once

#include "framework/TColor.h"
#include "framework/TFont.h"
#include "framework/TObject.h"

#include <windows.h>

#include <string>

namespace orvane::framework {

// Drawing on a device context with a pen, a brush and a font that are made
// and selected when an operation needs them. The canvas does not own the
// device context; giving it another (or none) puts the context's own objects
// back.
class TCanvas : public TObject {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    struct TPen {
        TColor Color = clBlack;
        int Width = 1;
    };
    struct TBrush {
        TColor Color = clWhite;
    };

    TCanvas() = default;
    ~TCanvas() override;

    HDC Handle() const { return dc; }
    void SetHandle(HDC newDc);

    TPen Pen;
    TBrush Brush;
    TFont& Font() { return font; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Fills the rectangle with the brush.
    void FillRect(const RECT& rect);
    // The three-dimensional frame of a bevel: top and left in `topLeft`,
    // bottom and right in `bottomRight`, `width` pixels; shrinks `rect` by it.
    void Frame3D(RECT& rect, TColor topLeft, TColor bottomRight, int width);
    // Draws text in the font without a background, formatted by DrawText
    // flags within the rectangle.
    void TextRect(const std::wstring& text, RECT& rect, UINT format);
    SIZE TextExtent(const std::wstring& text);

private:
    void RequirePen();
    void RequireBrush();
    void RequireFont();
    void ReleaseObjects();

    HDC dc = nullptr;
    TFont font;
    HPEN pen = nullptr;
    TPen penMade;
    HGDIOBJ originalPen = nullptr;
    HBRUSH brush = nullptr;
    TColor brushColorMade = clNone;
    HGDIOBJ originalBrush = nullptr;
    HGDIOBJ originalFont = nullptr;
};

} // namespace orvane::framework
