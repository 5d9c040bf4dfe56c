#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace orvane::framework {

// Owners of the window system's objects that are not GDI objects: icons,
// menus and image lists. Each gives back what it holds when it goes,
// also when an exception unwinds past it. (GDI objects and device contexts
// have theirs in GdiOwners.h.)

// A handle that is destroyed with its owner by `Destroy`. Release() hands it
// over to whatever takes it (a parent menu takes its submenus, a window its
// menu bar).
template <typename Handle, typename Destroy>
class TUserObject {
public:
    TUserObject() = default;
    // Takes a handle that was just made; null (a failed creation) is allowed.
    explicit TUserObject(Handle made) : handle(made) {}
    ~TUserObject() { Reset(); }
    TUserObject(TUserObject&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    TUserObject& operator=(TUserObject&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle = std::exchange(other.handle, nullptr);
        }
        return *this;
    }
    TUserObject(const TUserObject&) = delete;
    TUserObject& operator=(const TUserObject&) = delete;

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    Handle Release() { return std::exchange(handle, nullptr); }
    void Reset()
    {
        if (handle)
            Destroy{}(handle);
        handle = nullptr;
    }

private:
    Handle handle = nullptr;
};

namespace detail {
struct DestroyIconHandle {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct DestroyImageListHandle {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
} // namespace detail

// An icon made for the program (LoadImage without LR_SHARED, CopyImage,
// CreateIconIndirect); the system's shared icons are never destroyed.
using TIconHandle = TUserObject<HICON, detail::DestroyIconHandle>;
// A menu or a drop-down (CreateMenu, CreatePopupMenu), destroyed with the
// drop-downs it holds.
using TMenuHandle = TUserObject<HMENU, detail::DestroyMenuHandle>;
// A system image list (ImageList_Create).
using TImageListHandle = TUserObject<HIMAGELIST, detail::DestroyImageListHandle>;

} // namespace orvane::framework
