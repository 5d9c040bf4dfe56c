#include "skin/controls/TvelSkinLabel.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TControl.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

void TvelSkinLabel::Init() { ownFontColor = Control().Font().Color(); }

void TvelSkinLabel::SkinChanged()
{
    const TColor color = Skinning() ? TColor(Look().GetSkinColor(SKIN2_CONTROLFONTCOLOR)) : ownFontColor;
    if (Control().Font().Color() != color) {
        Control().Font().SetColor(color);
        Control().Invalidate();
    }
}

} // namespace orvane::skin
