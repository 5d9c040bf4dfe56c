#pragma once

#include "framework/TMessageLayers.h"

#include <windows.h>

#include <memory>

namespace orvane::framework {

struct TSubclassChain;

// Puts a procedure in front of a window's procedure, for any window of the
// program's user-interface thread: a framework window or a system one (a
// dialog, its buttons, a combo box). The procedure sees each message first
// and hands it on with `next`, or keeps it; it comes out again when the
// subclass object goes.
//
// The first layer on a window replaces the window's procedure by a chain
// procedure and keeps the original; further layers join that chain, the
// newest in front. Layers come off in any order, each taking out exactly
// itself. When the last one is gone the original procedure goes back, but
// only while the chain is still the window's procedure: if something else
// was put in front of it meanwhile, that one calls the chain, so the chain
// stays and passes messages straight on until it is the window's procedure
// again or the window is destroyed. A destroyed window takes its layers with
// it; their subclass objects then have nothing left to do.
class TWindowSubclass {
public:
    TWindowSubclass() = default;
    // Not active when the window does not exist or cannot be subclassed.
    TWindowSubclass(HWND window, TMessageLayers::TLayer layer);
    ~TWindowSubclass() { Remove(); }
    TWindowSubclass(TWindowSubclass&& other) noexcept = default;
    TWindowSubclass& operator=(TWindowSubclass&& other) noexcept;
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    void Remove();
    bool Active() const { return layer.Active() && !chain.expired(); }

private:
    TMessageLayerHandle layer;
    std::weak_ptr<TSubclassChain> chain;
};

} // namespace orvane::framework
