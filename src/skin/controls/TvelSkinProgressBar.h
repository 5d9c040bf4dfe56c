#pragma once

#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// A progress bar drawn wholly from the skin's four progress pieces: start
// cap, filled part, empty part, end cap (from the bottom up when vertical).
class TvelSkinProgressBar : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;

    bool BeforeMessage(framework::TMessage& message) override;
    void AfterMessage(framework::TMessage& message) override;
    void Paint() override;
};

} // namespace orvane::skin
