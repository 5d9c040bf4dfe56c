#include "skin/TvelSkinHook.h"

#include "framework/GuardedCallback.h"
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
    // A window that cannot be skinned keeps the system's look: the failure
    // goes to the debugger's log, not to the player.
    const bool refuse = GuardedCallback(
        false,
        [&] {
            TvelSkinEngine* engine = State().engine;
            if (!engine || !engine->Skinning())
                return false;
            bool refused = false;
            if (code == HCBT_CREATEWND)
                engine->HookWindowCreated(HWND(wParam), *reinterpret_cast<CBT_CREATEWNDW*>(lParam), refused);
            else if (code == HCBT_ACTIVATE)
                engine->HookWindowActivated(HWND(wParam));
            return refused;
        },
        framework::TCallbackFailure::Log);
    if (refuse)
        return RefuseCreation;
    return CallNextHookEx(State().hook.Handle(), code, wParam, lParam);
}

} // namespace orvane::skin
