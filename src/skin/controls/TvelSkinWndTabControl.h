#pragma once

#include "skin/TvelSkinControlWnd.h"

namespace orvane::skin {

// A system tab window of a dialog, drawn as the framework's tab controls are.
// While skinned its tabs are at least as tall as the skin's tab image; their
// own height comes back when the skin look goes off.
class TvelSkinWndTabControl : public TvelSkinControlWnd {
public:
    using TvelSkinControlWnd::TvelSkinControlWnd;

    void Init() override;
    bool BeforeMessage(framework::TMessage& message) override;
    void Paint() override;
    void SkinChanged() override;

private:
    int ownTabHeight = 0;
};

} // namespace orvane::skin
