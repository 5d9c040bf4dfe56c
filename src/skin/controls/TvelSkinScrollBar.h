#pragma once

#include "skin/TvelSkinControlFramework.h"
#include "skin/controls/TvelSkinInternalScrollBar2.h"

#include <memory>

namespace orvane::skin {

// A scroll-bar control: a skinned face lies over it, in front of it on its
// parent, showing its buttons, track and thumb; the pointer's actions on the
// face go to the scroll bar underneath.
class TvelSkinScrollBar : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;
    ~TvelSkinScrollBar() override;

    void Init() override;
    void AfterMessage(framework::TMessage& message) override;
    void Paint() override;
    void SkinChanged() override;
    void Release() override;

    const TvelSkinInternalScrollBar2* Overlay() const { return overlay && overlay->Exists() ? overlay.get() : nullptr; }

private:
    std::unique_ptr<TvelSkinInternalScrollBar2> overlay;
};

} // namespace orvane::skin
