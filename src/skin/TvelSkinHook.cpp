#include "skin/TvelSkinHook.h"

#include "skin/TvelSkinEngine.h"

namespace orvane::skin {

namespace {

struct THookState {
    framework::TWindowsHook hook;
    TvelSkinEngine* engine = nullptr;
};

THookState& State()
{
    static THookState state;
    return state;
}

// Refusing a window's creation from a CBT hook: any nonzero answer.
constexpr LRESULT RefuseCreation = 1;

} // namespace

bool TvelSkinHook::Installed() { return bool(State().hook); }

void TvelSkinHook::Install(TvelSkinEngine& engine)
{
    if (Installed())
        return;
    State().hook = framework::TWindowsHook(WH_CBT, &Procedure);
    if (State().hook)
        State().engine = &engine;
}

void TvelSkinHook::Remove(TvelSkinEngine& engine)
{
    if (State().engine != &engine)
        return;
    State().hook.Reset();
    State().engine = nullptr;
}

TvelSkinEngine* TvelSkinHook::Engine() { return State().engine; }

LRESULT CALLBACK TvelSkinHook::Procedure(int code, WPARAM wParam, LPARAM lParam)
{
    TvelSkinEngine* engine = State().engine;
    if (engine && engine->Skinning()) {
        // Errors while skinning a window are the engine's to swallow: a
        // window that cannot be skinned keeps the system's look.
        try {
            if (code == HCBT_CREATEWND) {
                bool refuse = false;
                engine->HookWindowCreated(HWND(wParam), *reinterpret_cast<CBT_CREATEWNDW*>(lParam), refuse);
                if (refuse)
                    return RefuseCreation;
            } else if (code == HCBT_ACTIVATE) {
                engine->HookWindowActivated(HWND(wParam));
            }
        } catch (...) {
        }
    }
    return CallNextHookEx(State().hook.Handle(), code, wParam, lParam);
}

} // namespace orvane::skin
