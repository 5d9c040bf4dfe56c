#include "skin/controls/TvelSkinGrid.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TStringGrid.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

void TvelSkinGrid::Init()
{
    if (auto* grid = As<TCustomGrid>(&Control()))
        ownFixedColor = grid->FixedColor();
    TvelSkinScrollWinControl::Init();
}

void TvelSkinGrid::SkinChanged()
{
    if (auto* grid = As<TCustomGrid>(&Control())) {
        const TColor skinColor = TColor(Look().GetSkinColor(SKIN2_FORMCOLOR));
        if (Skinning()) {
            if (!colourTaken)
                ownFixedColor = grid->FixedColor();
            colourTaken = true;
            grid->SetFixedColor(skinColor);
        } else if (colourTaken) {
            colourTaken = false;
            grid->SetFixedColor(ownFixedColor);
        }
    }
    TvelSkinScrollWinControl::SkinChanged();
}

} // namespace orvane::skin
