#include "skin/controls/TvelSkinBorderWinControl.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/PublishedProperties.h"
#include "framework/TControl.h"
#include "skin/painters/FrameDrawing.h"
#include "skin/SkinClassLists.h"
#include "skin/look/TSkinLook.h"

namespace orvane::skin {

using namespace framework;

void TvelSkinBorderWinControl::AfterMessage(TMessage& message)
{
    TvelSkinControlFramework::AfterMessage(message);
    if (message.Msg == WM_NCPAINT || message.Msg == WM_SETFOCUS || message.Msg == WM_KILLFOCUS)
        Repaint();
}

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
    const TSkinLook& look = Look();
    DrawWindowFrame(window, TColor(look.GetSkinColor(SKIN2_CONTROLBORDERCOLOR)),
                    TColor(ColorToRGB(Control().Color())), true);
}

void TvelSkinBorderWinControl::Paint() { PaintBorder(); }

} // namespace orvane::skin
