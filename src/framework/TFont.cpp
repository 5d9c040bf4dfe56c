#include "framework/TFont.h"

#include "framework/PublishedProperties.h"

#include <map>
#include <tuple>

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

// What makes one GDI font differ from another: everything but the colour.
using TFontKey = std::tuple<std::wstring, int, unsigned, BYTE>;

// The GDI fonts in use, by description: fonts that describe the same GDI
// font share one handle (the 81 cells of a board use one). The table does
// not keep a font alive; the last share does.
std::map<TFontKey, std::weak_ptr<const TFontHandle>>& FontsInUse()
{
    static std::map<TFontKey, std::weak_ptr<const TFontHandle>> fonts;
    return fonts;
}

} // namespace

const TClassInfo TFont::ClassInfo{L"TFont", &TObject::ClassInfo, FontProperties};

int ScreenPixelsPerInch()
{
    static const int pixelsPerInch = [] {
        const TClientDC screen(nullptr);
        return GetDeviceCaps(screen.Handle(), LOGPIXELSY);
    }();
    return pixelsPerInch;
}

TFont::~TFont() = default;

bool TFont::SameHandleAs(const TFont& other) const
{
    return name == other.name && height == other.height && style == other.style && charset == other.charset;
}

void TFont::Assign(const TFont& source)
{
    if (&source == this)
        return;
    const bool sameHandle = SameHandleAs(source);
    if (sameHandle && color == source.color && pixelsPerInch == source.pixelsPerInch)
        return;
    name = source.name;
    height = source.height;
    pixelsPerInch = source.pixelsPerInch;
    style = source.style;
    color = source.color;
    charset = source.charset;
    if (!sameHandle)
        handle = source.handle; // equal descriptions share one GDI font
    Changed(THandleChange::Keep);
}

void TFont::SetName(const std::wstring& newName)
{
    if (newName == name)
        return;
    name = newName;
    Changed(THandleChange::Release);
}

void TFont::SetHeight(int newHeight)
{
    if (newHeight == height)
        return;
    height = newHeight;
    Changed(THandleChange::Release);
}

int TFont::Size() const { return -MulDiv(height, PointsPerInch, int(pixelsPerInch)); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, int(pixelsPerInch), PointsPerInch)); }

void TFont::ScaleToPixelsPerInch(unsigned dpi)
{
    if (dpi == 0 || dpi == pixelsPerInch)
        return;
    // A height given as a point size keeps that size exactly; scaling its
    // rounded pixels instead would drift (8 points: 11 px at 96, 17 at 144
    // instead of 16, which reads back as 9 points).
    const int points = Size();
    const bool fromPoints = height < 0 && -MulDiv(points, int(pixelsPerInch), PointsPerInch) == height;
    const int scaled = fromPoints ? -MulDiv(points, int(dpi), PointsPerInch) : MulDiv(height, int(dpi), int(pixelsPerInch));
    pixelsPerInch = dpi;
    const bool sameHeight = scaled == height;
    height = scaled;
    // Fonts that follow this one take the new density even when the height
    // stays.
    Changed(sameHeight ? THandleChange::Keep : THandleChange::Release);
}

void TFont::SetStyle(unsigned newStyle)
{
    if (newStyle == style)
        return;
    style = newStyle;
    Changed(THandleChange::Release);
}

void TFont::SetColor(TColor newColor)
{
    if (newColor == color)
        return;
    color = newColor;
    Changed(THandleChange::Keep);
}

void TFont::SetCharset(BYTE newCharset)
{
    if (newCharset == charset)
        return;
    charset = newCharset;
    Changed(THandleChange::Release);
}

HFONT TFont::Handle() const { return SharedHandle()->Get(); }

TFont::TSharedHandle TFont::SharedHandle() const
{
    if (handle)
        return handle;
    auto& fonts = FontsInUse();
    const TFontKey key{name, height, style, charset};
    if (const auto found = fonts.find(key); found != fonts.end()) {
        handle = found->second.lock();
        if (handle)
            return handle;
    }
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
    handle = std::make_shared<const TFontHandle>(CreateFontIndirectW(&description));
    std::erase_if(fonts, [](const auto& entry) { return entry.second.expired(); });
    fonts[key] = handle;
    return handle;
}

void TFont::Changed(THandleChange change)
{
    if (change == THandleChange::Release)
        handle.reset();
    if (OnChange)
        OnChange();
}

} // namespace orvane::framework
