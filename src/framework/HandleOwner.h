#pragma once

#include <utility>

namespace orvane::framework {

// One owner for a handle of the system that is given back by a call when the
// owner goes, also when an exception unwinds past it. `Policy` names that
// call and what is counted:
//   static void Destroy(Handle)  gives the handle back to the system;
//   static void Taken(Handle)    a handle just made comes under the owner;
//   static void Given()          the owner no longer holds it (destroyed or
//                                handed over).
// GdiOwners.h and UserOwners.h name the owners of each kind of handle.
template <typename Handle, typename Policy>
class THandleOwner {
public:
    THandleOwner() = default;
    // Takes a handle that was just made; null (a failed creation) is allowed.
    explicit THandleOwner(Handle made) : handle(made)
    {
        if (made)
            Policy::Taken(made);
    }
    ~THandleOwner() { Reset(); }
    THandleOwner(THandleOwner&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    THandleOwner& operator=(THandleOwner&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle = std::exchange(other.handle, nullptr);
        }
        return *this;
    }
    THandleOwner(const THandleOwner&) = delete;
    THandleOwner& operator=(const THandleOwner&) = delete;

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    // Hands the handle over to whatever takes it (a window takes the region
    // or the menu bar it is given), which gives it back from then on.
    Handle Release()
    {
        if (handle)
            Policy::Given();
        return std::exchange(handle, nullptr);
    }
    void Reset()
    {
        if (!handle)
            return;
        Policy::Destroy(handle);
        Policy::Given();
        handle = nullptr;
    }

private:
    Handle handle = nullptr;
};

} // namespace orvane::framework
