#pragma once

#include "framework/TWindowSubclass.h"
#include "skin/controls/TvelSkinScrollWinControl.h"

namespace orvane::skin {

// A list view: scroll-bar faces and border as any scrolled control, and its
// column header painted flat in the skin's control colours, taken over
// through the header's window procedure while the engine skins.
class TvelSkinListView : public TvelSkinScrollWinControl {
public:
    using TvelSkinScrollWinControl::TvelSkinScrollWinControl;

    void Init() override;
    void Release() override;

    HWND Header() const { return header; }

private:
    void HeaderMessage(framework::TMessage& message, const framework::TMessageLayers::TNext& next);
    void PaintHeader(HDC dc);

    HWND header = nullptr;
    framework::TWindowSubclass headerSubclass;
};

} // namespace orvane::skin
