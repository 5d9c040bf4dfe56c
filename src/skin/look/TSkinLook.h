#pragma once

#include "core/raster/Bitmap.h"
#include "core/skinframe/FrameMetrics.h"
#include "core/skinmodel/TvelSkinProgressBarRes.h"
#include "core/skinmodel/TvelSkinReader.h"
#include "core/skinmodel/TvelSkinScrollBtnRes.h"
#include "core/skinmodel/TvelSkinTabRes.h"
#include "framework/GdiOwners.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>

namespace orvane::skin {

// What the loaded skin says, ready for drawing: its values by key, the frame
// metrics and menu colours taken from them, the prepared image sets and a
// brush of the form colour. The engine makes a new look whenever a skin
// loads and replaces the old one whole; everything that draws reads the
// current look and keeps no part of it.
class TSkinLook {
public:
    static constexpr int MenuColorCount = 13;
    using TMenuColors = std::array<Color, MenuColorCount>;

    // The look without a skin: not ready, every value its default.
    explicit TSkinLook(Color inactiveCaptionColor);
    // The look of the skin the reader holds.
    TSkinLook(std::unique_ptr<TvelSkinReader> skin, Color inactiveCaptionColor);
    TSkinLook(const TSkinLook&) = delete;
    TSkinLook& operator=(const TSkinLook&) = delete;

    bool Ready() const { return reader->Ready(); }
    const TvelSkinReader& Reader() const { return *reader; }

    // The image of a key, or frame `frame` of `count` frames side by side
    // when both are given; false when the skin has no such image.
    bool GetSkinBitmap(int index, Bitmap& target, int count, int frame) const;
    Color GetSkinColor(int index) const { return reader->GetColor(index); }
    bool GetSkinFlag(int index) const { return reader->GetFlag(index); }
    std::int32_t GetSkinInt(int index) const { return reader->GetInt(index); }

    // The look for windows drawn at `dpi`: this one at the DPI its skin was
    // made for (96) or without a skin; else a look of the same skin whose
    // frame pictures and metrics are scaled, made at the first request for
    // that DPI and kept with this look, so that no paint scales a picture.
    const TSkinLook& ForDpi(unsigned dpi) const;
    unsigned Dpi() const { return metrics.dpi; }

    const FrameMetrics& Metrics() const { return metrics; }
    Color FormColor() const { return metrics.formColor; }
    HBRUSH FormBrush() const { return formBrush.Get(); }
    const TMenuColors& MenuColors() const { return menuColors; }
    const TvelSkinScrollBtnRes& ScrollButtonImages() const { return scrollButtons; }
    const TvelSkinProgressBarRes& ProgressBarImages() const { return progressBars; }
    const TvelSkinTabRes& TabImages() const { return tabs; }

private:
    std::unique_ptr<TvelSkinReader> reader;
    FrameMetrics metrics;
    TMenuColors menuColors{};
    framework::TBrushHandle formBrush;
    TvelSkinScrollBtnRes scrollButtons;
    TvelSkinProgressBarRes progressBars;
    TvelSkinTabRes tabs;
    mutable std::map<unsigned, std::unique_ptr<TSkinLook>> scaledLooks;
};

} // namespace orvane::skin
