#pragma once

#include "framework/GdiOwners.h"
#include "framework/TColor.h"
#include "framework/TFont.h"
#include "framework/TObject.h"

#include <windows.h>

#include <string>

namespace orvane::framework {

class TBitmap;

// Whether text is drawn over its own background (in the brush's colour) or
// straight onto what is there.
enum class TBackgroundMode { bmTransparent, bmOpaque };

// Drawing on a device context with a pen, a brush and a font that are made
// and selected when an operation needs them. The canvas does not own the
// device context; giving it another (or none) puts the context's own objects
// back. The pen and brush it made are its own; the font it selected it holds
// a share in, so that the font may change while its handle is still selected.
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
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc; }
    void SetHandle(HDC newDc);

    TPen Pen;
    TBrush Brush;
    TBackgroundMode BackgroundMode = TBackgroundMode::bmTransparent;
    TFont& Font() { return font; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Fills the rectangle with the brush.
    void FillRect(const RECT& rect);
    // The three-dimensional frame of a bevel: top and left in `topLeft`,
    // bottom and right in `bottomRight`, `width` pixels; shrinks `rect` by it.
    void Frame3D(RECT& rect, TColor topLeft, TColor bottomRight, int width);

    // Text in the font and its colour, over a background as BackgroundMode
    // says.
    void TextOut(int x, int y, const std::wstring& text);
    // Formatted by DrawText flags within the rectangle (DT_CALCRECT measures
    // into it); returns the height of the text.
    int DrawText(const std::wstring& text, RECT& rect, UINT format);
    // DrawText without a background, whatever BackgroundMode says.
    void TextRect(const std::wstring& text, RECT& rect, UINT format);
    SIZE TextExtent(const std::wstring& text);

    // The whole bitmap at (x, y); a transparent bitmap leaves its transparent
    // colour out.
    void Draw(int x, int y, TBitmap& bitmap);
    // The whole bitmap stretched over the rectangle, transparent as in Draw.
    void StretchDraw(const RECT& destination, TBitmap& bitmap);
    // A part of the bitmap copied (stretched if the sizes differ) into the
    // destination rectangle, every pixel as it is.
    void CopyRect(const RECT& destination, TBitmap& bitmap, const RECT& source);

private:
    void RequirePen();
    void RequireBrush();
    void RequireFont();
    void PrepareText(TBackgroundMode mode);
    void ReleaseObjects();
    void Blit(const RECT& destination, TBitmap& bitmap, const RECT& source, bool honourTransparency);

    HDC dc = nullptr;
    TFont font;
    // Owners come before the selections, so that a selection is restored
    // before the object it selected is deleted.
    TPenHandle pen;
    TPen penMade;
    TBrushHandle brush;
    TColor brushColorMade = clNone;
    TFont::TSharedHandle selectedFont;
    TSelectedObject penSelection;
    TSelectedObject brushSelection;
    TSelectedObject fontSelection;
};

// Gives a canvas a device context for as long as it exists, and takes it
// back (with the canvas's own objects) however the drawing ends.
class TCanvasOnDC {
public:
    TCanvasOnDC(TCanvas& onCanvas, HDC dc) : canvas(onCanvas) { canvas.SetHandle(dc); }
    ~TCanvasOnDC() { canvas.SetHandle(nullptr); }
    TCanvasOnDC(const TCanvasOnDC&) = delete;
    TCanvasOnDC& operator=(const TCanvasOnDC&) = delete;

private:
    TCanvas& canvas;
};

} // namespace orvane::framework
