#pragma once

#include "skin/TvelSkinControlWnd.h"

namespace orvane::skin {

// A system tool bar of a dialog. Only the Windows 9x line draws one with a
// raised face of its own; there it is made flat and transparent, so that the
// dialog's skinned face shows through. Elsewhere it is left as it is.
class TvelSkinWndToolbarWindow32 : public TvelSkinControlWnd {
public:
    using TvelSkinControlWnd::TvelSkinControlWnd;

    void Init() override;
};

} // namespace orvane::skin
