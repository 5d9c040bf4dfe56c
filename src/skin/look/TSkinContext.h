#pragma once

#include <windows.h>

#include <cstdint>

namespace orvane::skin {

class TSkinLook;

// What the parts that draw (control skins, painters, frames) ask of the
// skin beyond its look: whether skinning is on now, and the engine's
// drawing options. The engine answers; the parts that draw never see the
// engine itself, so that they sit below it.
class TSkinContext {
public:
    // The current look; replaced whole when a skin loads, so never kept.
    virtual const TSkinLook& Look() const = 0;
    // Active, a skin loaded, not designing: every skinned element asks this.
    virtual bool Skinning() const = 0;
    // The engine is being destroyed: nothing is skinned or drawn any more.
    virtual bool Going() const = 0;
    virtual bool NoChangeButtonsFontColor() const = 0;
    virtual bool DrawScrollBar() const = 0;
    // Controls and forms with this Tag keep their own look.
    virtual std::int32_t DisabledTag() const = 0;
    // The window of the form the engine sits on: the parent of last resort
    // for the helper windows of control skins.
    virtual HWND EngineFormWindow() const = 0;

protected:
    ~TSkinContext() = default;
};

// What a control skin asks of the skinned window it belongs to.
class TSkinControlHost {
public:
    virtual TSkinContext& Context() const = 0;
    // The window shows an animation or a progress bar, which plain push
    // buttons must not cover with their hover repaints.
    virtual bool HasAnimatedChild() const = 0;
    // The host is in use from BeginUse to the matching EndUse: one of its
    // messages, or one of its control skins', is under way. A host released
    // meanwhile is freed only once its last use ends, so that the code still
    // on the stack never meets freed memory.
    virtual void BeginUse() = 0;
    virtual void EndUse() = 0;

protected:
    ~TSkinControlHost() = default;
};

// Keeps a host in use for as long as it lives. When it goes, the host (and
// what the host owns, such as the control skin that made it) may go too:
// nothing of them is touched after that.
class TSkinHostInUse {
public:
    explicit TSkinHostInUse(TSkinControlHost& used) : host(used) { host.BeginUse(); }
    ~TSkinHostInUse() { host.EndUse(); }
    TSkinHostInUse(const TSkinHostInUse&) = delete;
    TSkinHostInUse& operator=(const TSkinHostInUse&) = delete;

private:
    TSkinControlHost& host;
};

} // namespace orvane::skin
