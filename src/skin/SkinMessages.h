#pragma once

#include <windows.h>

namespace orvane::skin {

// The skin engine's private window messages. Their numbers are fixed: every
// skinned window and control answers them, whoever skinned it.
constexpr UINT SKM_ISSKINNED = 0x2AAA;      // answered 1 by every skinned window and control
constexpr UINT SKM_ISACTIVE = 0x2AAB;       // a skinned window: 1 when active, else 2
constexpr UINT SKM_REPAINTCONTROL = 0x2AAC; // a skinned control repaints its skin
constexpr UINT SKM_REPAINTFRAME = 0x2AAD;   // an MDI frame repaints its frame
constexpr UINT SKM_MDIMENU = 0x83E8;        // to the main form: wParam the MDI child form, lParam its menu
constexpr UINT SKM_MENUBARHEIGHT = 0x83E9;  // a skinned window answers its menu bar's height
constexpr UINT SKM_MDIWINDOWLIST = 0x83EA;  // to the main form: rebuild the list of MDI children
constexpr UINT SKM_MDITOP = 0x83EB;         // to the MDI client: the frame's top height before skinning
constexpr UINT SKM_MDISIDE = 0x83EC;        // to the MDI client: the least side frame
constexpr UINT SKM_MDIBOTTOM = 0x83ED;      // to the MDI client: the least bottom frame
constexpr UINT SKM_ISHIDDEN = 0x83EE;       // an MDI child: 1 when hidden with WM_SHOWWINDOW

// Whether a window has been skinned already (any nonzero answer counts).
inline bool IsSkinnedWindow(HWND window)
{
    return window && SendMessageW(window, SKM_ISSKINNED, 0, 0) != 0;
}

} // namespace orvane::skin
