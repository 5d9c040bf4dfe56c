#pragma once

#include "core/skinmodel/TvelSkinRes.h"

#include <array>

namespace orvane {

// The four progress-bar pieces (1 the start cap, 2 the filled part, 3 the
// empty part, 4 the end cap), as stored for horizontal bars and turned 90°
// anticlockwise for vertical ones.
class TvelSkinProgressBarRes : public TvelSkinRes {
public:
    static constexpr int PieceCount = 4;

    void Reload() override;

    const Bitmap& Bars(int index) const;     // 1-based
    const Bitmap& VertBars(int index) const; // 1-based
    int FirstWidth() const { return firstWidth; }
    int LastWidth() const { return lastWidth; }

private:
    std::array<Bitmap, PieceCount> bars;
    std::array<Bitmap, PieceCount> vertBars;
    int firstWidth = 0;
    int lastWidth = 0;
};

} // namespace orvane
