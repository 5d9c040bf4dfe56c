#pragma once

#include "framework/TWindowsHook.h"

namespace orvane::skin {

class TvelSkinEngine;

// The window hook (WH_CBT) of the user-interface thread through which the
// engine meets every window the thread creates or activates. One per
// process: the first engine made installs it and is the one it serves.
class TvelSkinHook {
public:
    static bool Installed();
    static void Install(TvelSkinEngine& engine);
    // Removes the hook when this engine installed it.
    static void Remove(TvelSkinEngine& engine);
    static TvelSkinEngine* Engine();

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);
};

} // namespace orvane::skin
