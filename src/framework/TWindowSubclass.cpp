#include "framework/TWindowSubclass.h"

#include "framework/GuardedCallback.h"

#include <unordered_map>

namespace orvane::framework {

// The layers in front of one window's original procedure.
struct TSubclassChain {
    HWND window = nullptr;
    WNDPROC original = nullptr;
    std::shared_ptr<TMessageLayers> layers = std::make_shared<TMessageLayers>();
    int dispatching = 0;
    bool destroyed = false;
};

namespace {

// The chains by window. Windows and their procedures belong to the
// user-interface thread, and so does this table.
std::unordered_map<HWND, std::shared_ptr<TSubclassChain>>& Chains()
{
    static std::unordered_map<HWND, std::shared_ptr<TSubclassChain>> chains;
    return chains;
}

LRESULT CALLBACK ChainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool ChainIsCurrent(const TSubclassChain& chain)
{
    return GetWindowLongPtrW(chain.window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ChainProc);
}

// Gives the window its original procedure back once no layer and no message
// needs the chain, if the chain is still the window's procedure.
void ReleaseIfUnused(const std::shared_ptr<TSubclassChain>& chain)
{
    if (chain->dispatching > 0 || (!chain->destroyed && !chain->layers->Empty()))
        return;
    if (ChainIsCurrent(*chain))
        SetWindowLongPtrW(chain->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->original));
    else if (!chain->destroyed)
        return; // something in front of the chain still calls it
    auto& chains = Chains();
    if (const auto found = chains.find(chain->window); found != chains.end() && found->second == chain)
        chains.erase(found);
}

LRESULT CALLBACK ChainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& chains = Chains();
    const auto found = chains.find(window);
    if (found == chains.end())
        return DefWindowProcW(window, message, wParam, lParam);
    const std::shared_ptr<TSubclassChain> chain = found->second;
    TMessage sent{message, wParam, lParam, 0};
    ++chain->dispatching;
    // What a layer throws is shown once the message is over; the chain's
    // bookkeeping below runs either way.
    GuardedCallback([&] {
        chain->layers->Dispatch(sent, [&chain](TMessage& passed) {
            passed.Result =
                CallWindowProcW(chain->original, chain->window, passed.Msg, passed.WParam, passed.LParam);
        });
    });
    --chain->dispatching;
    if (message == WM_NCDESTROY)
        chain->destroyed = true;
    ReleaseIfUnused(chain);
    return sent.Result;
}

} // namespace

TWindowSubclass::TWindowSubclass(HWND window, TMessageLayers::TLayer procedure)
{
    auto& chains = Chains();
    std::shared_ptr<TSubclassChain> found;
    if (const auto existing = chains.find(window); existing != chains.end())
        found = existing->second;
    if (found && found->destroyed)
        return;
    if (!found) {
        if (!IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
            return;
        auto made = std::make_shared<TSubclassChain>();
        made->window = window;
        made->original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainProc)));
        if (!made->original)
            return;
        chains.emplace(window, made);
        found = std::move(made);
    }
    layer = TMessageLayerHandle(found->layers, found->layers->Add(std::move(procedure)));
    chain = found;
}

TWindowSubclass& TWindowSubclass::operator=(TWindowSubclass&& other) noexcept
{
    if (this != &other) {
        Remove();
        layer = std::move(other.layer);
        chain = std::move(other.chain);
    }
    return *this;
}

void TWindowSubclass::Remove()
{
    layer.Remove();
    if (const auto owner = chain.lock())
        ReleaseIfUnused(owner);
    chain.reset();
}

} // namespace orvane::framework
