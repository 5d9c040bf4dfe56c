#pragma once

namespace orvane {

// The screen density every size of the program is written for: at 96 dots
// per inch one layout pixel is one screen pixel.
inline constexpr unsigned DefaultDpi = 96;

// `value` * `toDpi` / `fromDpi`, rounded to the nearest pixel (halves away
// from zero).
constexpr int RoundedScale(int value, unsigned toDpi, unsigned fromDpi) {
    const long long scaled = static_cast<long long>(value) * toDpi;
    const long long half = fromDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / fromDpi : -((-scaled + half) / fromDpi));
}

// A length of `pixels` at 96 DPI, at `dpi`, rounded to the nearest pixel, so
// that 96 DPI gives every length unchanged.
constexpr int ScaleForDpi(int pixels, unsigned dpi) {
    return RoundedScale(pixels, dpi, DefaultDpi);
}

// `value`, a length at `fromDpi`, at `toDpi`, rounded to the nearest pixel.
// A length that is a 96-DPI length scaled is scaled again from that length:
// moving from DPI to DPI and back then gives the same pixels instead of
// drifting by a rounding each time.
constexpr int ScaleBetweenDpi(int value, unsigned toDpi, unsigned fromDpi) {
    if (toDpi == fromDpi || fromDpi == 0)
        return value;
    if (fromDpi != DefaultDpi) {
        const int designed = RoundedScale(value, DefaultDpi, fromDpi);
        if (ScaleForDpi(designed, fromDpi) == value)
            return ScaleForDpi(designed, toDpi);
    }
    return RoundedScale(value, toDpi, fromDpi);
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
