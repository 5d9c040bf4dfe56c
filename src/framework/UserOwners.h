#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/HandleOwner.h"

namespace orvane::framework {

// Owners of the window system's objects that are not GDI objects: icons,
// menus and image lists. Each gives back what it holds when it goes,
// also when an exception unwinds past it. (GDI objects and device contexts
// have theirs in GdiOwners.h.)

namespace detail {
// The window system's objects are not counted.
struct UncountedHandle {
    static void Taken(const void*) {}
    static void Given() {}
};
struct IconPolicy : UncountedHandle {
    static void Destroy(HICON icon) { DestroyIcon(icon); }
};
struct MenuPolicy : UncountedHandle {
    static void Destroy(HMENU menu) { DestroyMenu(menu); }
};
struct ImageListPolicy : UncountedHandle {
    static void Destroy(HIMAGELIST list) { ImageList_Destroy(list); }
};
} // namespace detail

// An icon made for the program (LoadImage without LR_SHARED, CopyImage,
// CreateIconIndirect); the system's shared icons are never destroyed.
using TIconHandle = THandleOwner<HICON, detail::IconPolicy>;
// A menu or a drop-down (CreateMenu, CreatePopupMenu), destroyed with the
// drop-downs it holds.
using TMenuHandle = THandleOwner<HMENU, detail::MenuPolicy>;
// A system image list (ImageList_Create).
using TImageListHandle = THandleOwner<HIMAGELIST, detail::ImageListPolicy>;

} // namespace orvane::framework
