#include "framework/TFont.h"

#include "framework/PublishedProperties.h"

namespace orvane::framework {

namespace {

constexpr int PointsPerInch = 72;
constexpr int BoldWeight = FW_BOLD;
constexpr int NormalWeight = FW_NORMAL;

constexpr TPropertyInfo FontProperties[] = {
    PublishedValue<TFont, &TFont::Color, &TFont::SetColor>(L"Color", TPropertyKind::Color),
    PublishedValue<TFont, &TFont::Height, &TFont::SetHeight>(L"Height", TPropertyKind::Integer),
    PublishedValue<TFont, &TFont::Name, &TFont::SetName>(L"Name", TPropertyKind::String),
    PublishedValue<TFont, &TFont::Size, &TFont::SetSize>(L"Size", TPropertyKind::Integer),
    PublishedValue<TFont, &TFont::Style, &TFont::SetStyle>(L"Style", TPropertyKind::Integer),
};

} // namespace

const TClassInfo TFont::ClassInfo{L"TFont", &TObject::ClassInfo, FontProperties};

int ScreenPixelsPerInch()
{
    static const int pixelsPerInch = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value;
    }();
    return pixelsPerInch;
}

TFont::~TFont() { ReleaseHandle(); }

void TFont::Assign(const TFont& source)
{
    name = source.name;
    height = source.height;
    style = source.style;
    color = source.color;
    charset = source.charset;
    Changed();
}

void TFont::SetName(const std::wstring& newName)
{
    if (newName == name)
        return;
    name = newName;
    Changed();
}

void TFont::SetHeight(int newHeight)
{
    if (newHeight == height)
        return;
    height = newHeight;
    Changed();
}

int TFont::Size() const { return -MulDiv(height, PointsPerInch, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), PointsPerInch)); }

void TFont::SetStyle(unsigned newStyle)
{
    if (newStyle == style)
        return;
    style = newStyle;
    Changed();
}

void TFont::SetColor(TColor newColor)
{
    if (newColor == color)
        return;
    color = newColor;
    Changed();
}

void TFont::SetCharset(BYTE newCharset)
{
    if (newCharset == charset)
        return;
    charset = newCharset;
    Changed();
}

HFONT TFont::Handle() const
{
    if (handle)
        return handle;
    LOGFONTW description{};
    description.lfHeight = height;
    description.lfWeight = (style & fsBold) ? BoldWeight : NormalWeight;
    description.lfItalic = (style & fsItalic) ? TRUE : FALSE;
    description.lfUnderline = (style & fsUnderline) ? TRUE : FALSE;
    description.lfStrikeOut = (style & fsStrikeOut) ? TRUE : FALSE;
    description.lfCharSet = charset;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynW(description.lfFaceName, name.c_str(), LF_FACESIZE);
    handle = CreateFontIndirectW(&description);
    return handle;
}

void TFont::Changed()
{
    ReleaseHandle();
    if (OnChange)
        OnChange();
}

void TFont::ReleaseHandle() const
{
    if (handle)
        DeleteObject(handle);
    handle = nullptr;
}

} // namespace orvane::framework
