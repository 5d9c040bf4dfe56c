#include "skin/SystemFonts.h"

#include "framework/GdiOwners.h"
#include "framework/TFont.h"
#include "framework/WindowDpi.h"

#include <map>

namespace orvane::skin {

using framework::TFontHandle;

namespace {

struct TNonClientFonts {
    TFontHandle caption;
    TFontHandle menu;
};

const TNonClientFonts& Fonts()
{
    static const TNonClientFonts fonts = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        TNonClientFonts made;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
            made.caption = TFontHandle(CreateFontIndirectW(&metrics.lfCaptionFont));
            made.menu = TFontHandle(CreateFontIndirectW(&metrics.lfMenuFont));
        }
        return made;
    }();
    return fonts;
}

HFONT OrSystemFont(const TFontHandle& font)
{
    return font ? font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace

HFONT CaptionFont() { return OrSystemFont(Fonts().caption); }

HFONT CaptionFontForDpi(unsigned dpi)
{
    const unsigned systemDpi = framework::SystemDpi();
    if (dpi == systemDpi || dpi == 0 || !Fonts().caption)
        return CaptionFont();
    static std::map<unsigned, TFontHandle> scaled;
    TFontHandle& font = scaled[dpi];
    if (!font) {
        LOGFONTW logical{};
        if (!GetObjectW(Fonts().caption.Get(), sizeof(logical), &logical))
            return CaptionFont();
        logical.lfHeight = MulDiv(logical.lfHeight, int(dpi), int(systemDpi));
        logical.lfWidth = MulDiv(logical.lfWidth, int(dpi), int(systemDpi));
        font = TFontHandle(CreateFontIndirectW(&logical));
    }
    return font ? font.Get() : CaptionFont();
}
HFONT MenuFont() { return OrSystemFont(Fonts().menu); }
COLORREF MenuFontColor() { return GetSysColor(COLOR_MENUTEXT); }

void AssignMenuFont(framework::TFont& font, bool bold)
{
    LOGFONTW logical{};
    if (!GetObjectW(MenuFont(), sizeof(logical), &logical))
        return;
    font.SetName(logical.lfFaceName);
    font.SetHeight(logical.lfHeight);
    font.SetCharset(logical.lfCharSet);
    unsigned style = 0;
    if (bold || logical.lfWeight >= FW_BOLD)
        style |= framework::fsBold;
    if (logical.lfItalic)
        style |= framework::fsItalic;
    font.SetStyle(style);
}

} // namespace orvane::skin
