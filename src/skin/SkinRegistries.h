#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::framework {
class TControl;
}

namespace orvane::skin {

class TvelSkinControl;
class TSkinControlHost;

// Which control skin a control gets, by class.
//
// The control registry pairs framework classes with control-skin classes and
// is searched from its last pair to its first: the first pair whose class is
// the control's class or an ancestor of it decides. The window registry maps
// the normalized class names of plain child windows ("BUTTON_CHECKBOX") and
// is searched first to last. The engine appends the built-in tables when it
// is made (RegisterBuiltInSkinClasses); a row without a factory names its
// skin class and makes nothing.

using TControlSkinFactory = std::unique_ptr<TvelSkinControl> (*)(framework::TControl& control,
                                                                 TSkinControlHost& window);
using TWindowSkinFactory = std::unique_ptr<TvelSkinControl> (*)(HWND child, TSkinControlHost& window);

struct TControlSkinClass {
    const wchar_t* FrameworkClass;
    const wchar_t* SkinClass;
    TControlSkinFactory Factory;
};

struct TWindowSkinClass {
    const char* NormalizedClassName; // upper case, at most 67 characters
    const wchar_t* SkinClass;
    TWindowSkinFactory Factory;
};

void RegisterControlSkins(std::span<const TControlSkinClass> table);
void RegisterWindowSkins(std::span<const TWindowSkinClass> table);
// Empties both registries (the program's end, and tests).
void ClearSkinRegistries();

// The pair that decides a control's skin, or null.
const TControlSkinClass* FindControlSkinClass(const framework::TControl& control);
const TWindowSkinClass* FindWindowSkinClass(std::string_view normalizedClassName);

// The registry name of a plain child window: its class name in upper case,
// with a button's kind made part of it ("BUTTON_CHECKBOX",
// "BUTTON_RADIOBUTTON"). Empty for windows that get no skin by rule: group
// boxes, simple combo boxes. Animation and progress controls give the name
// of their class; the factory marks the window for them.
std::string NormalizedWindowClass(const std::string& upperClassName, LONG style);

// Appends the built-in control skins to each registry that is empty: every
// control kind and plain window class the engine skins, each with its
// factory (TvelSkinControlFramework::Create<T>, TvelSkinControlWnd::Create<T>).
void RegisterBuiltInSkinClasses();

} // namespace orvane::skin
