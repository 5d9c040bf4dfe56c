#include "skin/controls/TvelSkinBorderWinControl.h"

#include "framework/PublishedProperties.h"
#include "framework/TControl.h"
#include "skin/painters/FrameDrawing.h"
#include "skin/SkinClassLists.h"

namespace orvane::skin {

using namespace framework;

bool TvelSkinBorderWinControl::RedrawsAfter(UINT message) const { return SystemRedrawsFrameOn(message); }

bool TvelSkinBorderWinControl::HasSunkenBorder() const
{
    const TControl& control = Control();
    const TPropertyInfo* border = FindProperty(control, L"BorderStyle");
    if (!border || border->Kind != TPropertyKind::Enumeration)
        return false;
    if (GetIntegerProperty(control, L"BorderStyle").value_or(0) == int(TBorderStyle::bsNone))
        return false;
    for (const wchar_t* edges : {L"BevelEdges", L"EdgeBorders"})
        if (HasProperty(control, edges) && GetIntegerProperty(control, edges).value_or(1) == 0)
            return false;
    return !BorderExclusionClassNames().Contains(control.ClassName());
}

void TvelSkinBorderWinControl::PaintBorder()
{
    HWND window = Handle();
    if (!window || !HasSunkenBorder())
        return;
    PaintSunkenBorder(Look(), window, TColor(ColorToRGB(Control().Color())));
}

void TvelSkinBorderWinControl::Paint() { PaintBorder(); }

} // namespace orvane::skin
