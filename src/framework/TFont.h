#pragma once

#include "framework/GdiOwners.h"
#include "framework/TColor.h"
#include "framework/TObject.h"
#include "core/base/DpiScale.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace orvane::framework {

enum TFontStyleFlag : unsigned { fsBold = 1u << 0, fsItalic = 1u << 1, fsUnderline = 1u << 2, fsStrikeOut = 1u << 3 };

// A font description with its GDI font made on demand. The default is the
// framework's window font, "MS Sans Serif" at 8 points.
//
// The colour is not part of the GDI font: changing it keeps the handle. The
// handle is shared: a canvas that selects it, or a window that was given it,
// holds a share, so that a change of the font never deletes a handle still in
// use; the handle goes when the last share does.
class TFont : public TObject {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    TFont() = default;
    ~TFont() override;

    void Assign(const TFont& source);

    const std::wstring& Name() const { return name; }
    void SetName(const std::wstring& newName);
    // Height in pixels; negative: the character height without leading.
    int Height() const { return height; }
    void SetHeight(int newHeight);
    // Size in points at the font's PixelsPerInch.
    int Size() const;
    void SetSize(int points);
    // The density the height is given for: 96 in a layout, the window's DPI
    // once the control that owns the font was scaled to it.
    unsigned PixelsPerInch() const { return pixelsPerInch; }
    // Gives the font the same size in points at another density: the height
    // in pixels scales by `dpi` / PixelsPerInch.
    void ScaleToPixelsPerInch(unsigned dpi);
    unsigned Style() const { return style; }
    void SetStyle(unsigned newStyle);
    TColor Color() const { return color; }
    void SetColor(TColor newColor);
    BYTE Charset() const { return charset; }
    void SetCharset(BYTE newCharset);

    using TSharedHandle = std::shared_ptr<const TFontHandle>;

    HFONT Handle() const;
    // The handle with a share in it, valid for as long as the share is held.
    TSharedHandle SharedHandle() const;

    // Called after every change.
    std::function<void()> OnChange;

private:
    enum class THandleChange { Keep, Release };
    void Changed(THandleChange change);
    bool SameHandleAs(const TFont& other) const;

    std::wstring name = L"MS Sans Serif";
    int height = -11;
    unsigned pixelsPerInch = DefaultDpi;
    unsigned style = 0;
    TColor color = clWindowText;
    BYTE charset = DEFAULT_CHARSET;
    mutable TSharedHandle handle;
};

// Logical pixels per inch of the screen (the system's DPI).
int ScreenPixelsPerInch();

} // namespace orvane::framework
