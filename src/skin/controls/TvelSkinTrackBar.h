#pragma once

#include "core/raster/Bitmap.h"
#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// A track bar drawn wholly from the skin: the channel image spread along the
// system's channel, the selection as an inverted line, the thumb image over
// the system's thumb, tick marks outside the thumb's reach and a focus
// rectangle around it all. The channel image (turned for an upright track
// bar) is prepared when the skin look goes on.
class TvelSkinTrackBar : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;

    bool BeforeMessage(framework::TMessage& message) override;
    void Paint() override;
    void SkinChanged() override;
    void Release() override;

private:
    bool Vertical();
    // Paints with or without the focus rectangle.
    void PaintLook(bool focused);

    Bitmap channelImage;
};

} // namespace orvane::skin
