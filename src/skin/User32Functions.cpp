#include "skin/User32Functions.h"

namespace orvane::skin {

namespace {

// The library stays loaded for the process's life, and is freed at its end.
class TLoadedLibrary {
public:
    explicit TLoadedLibrary(const wchar_t* name) : module(LoadLibraryW(name)) {}
    ~TLoadedLibrary()
    {
        if (module)
            FreeLibrary(module);
    }
    TLoadedLibrary(const TLoadedLibrary&) = delete;
    TLoadedLibrary& operator=(const TLoadedLibrary&) = delete;

    template <typename Function>
    Function Find(const char* name) const
    {
        if (!module)
            return nullptr;
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }

private:
    HMODULE module;
};

} // namespace

const TUser32Functions& User32Functions()
{
    static const TLoadedLibrary user32(L"User32.dll");
    static const TUser32Functions functions = [] {
        TUser32Functions found;
        found.GetAncestor = user32.Find<TUser32Functions::GetAncestorFunction>("GetAncestor");
        found.InternalGetWindowText =
            user32.Find<TUser32Functions::InternalGetWindowTextFunction>("InternalGetWindowText");
        found.GetScrollBarInfo = user32.Find<TUser32Functions::GetScrollBarInfoFunction>("GetScrollBarInfo");
        found.GetComboBoxInfo = user32.Find<TUser32Functions::GetComboBoxInfoFunction>("GetComboBoxInfo");
        return found;
    }();
    return functions;
}

} // namespace orvane::skin
