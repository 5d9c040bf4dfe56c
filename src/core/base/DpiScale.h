#pragma once

namespace orvane {

// The screen density every size of the program is written for: at 96 dots
// per inch one layout pixel is one screen pixel.
inline constexpr unsigned DefaultDpi = 96;

// A length of `pixels` at 96 DPI, at `dpi`, rounded to the nearest pixel
// (halves away from zero), so that 96 DPI gives every length unchanged.
constexpr int ScaleForDpi(int pixels, unsigned dpi) {
    const long long scaled = static_cast<long long>(pixels) * dpi;
    const long long half = DefaultDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / DefaultDpi : -((-scaled + half) / DefaultDpi));
}

// A line width of `pixels` at 96 DPI, at `dpi`: never thinner than one pixel,
// and rounded down at fractional factors so that lines one pixel apart at
// 96 DPI (a thin and a thick grid line) stay apart and crisp.
constexpr int ScaleLineWidthForDpi(int pixels, unsigned dpi) {
    if (pixels <= 0)
        return pixels;
    const int scaled = static_cast<int>(static_cast<long long>(pixels) * dpi / DefaultDpi);
    return scaled < 1 ? 1 : scaled;
}

} // namespace orvane
