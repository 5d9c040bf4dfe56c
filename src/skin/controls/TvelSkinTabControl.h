#pragma once

#include "skin/TvelSkinControlFramework.h"

#include <string>

namespace orvane::skin {

// A tab control drawn wholly from the skin's tab images (see
// PaintSkinnedTabs); the control paints nothing itself.
class TvelSkinTabControl : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;

    bool BeforeMessage(framework::TMessage& message) override;
    void Paint() override;
    // The caption of tab n.
    virtual std::wstring TabText(int index);
};

} // namespace orvane::skin
