#pragma once

#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// Frames keep their look; the controls on them are skinned one by one.
class TvelSkinFrame : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;
};

} // namespace orvane::skin
