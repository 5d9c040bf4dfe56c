#pragma once

#include "framework/TBitmap.h"
#include "framework/TCustomControl.h"
#include "skin/look/TSkinContext.h"

namespace orvane::skin {

// One of the three buttons (minimize, restore, close) that a skinned MDI
// frame shows at the right of its menu bar while a child is maximized: a
// gradient ground, a black frame while the pointer is over it, and its glyph.
// Its messages are uses of the frame's window object, which owns it: a click
// that frees the frame leaves the button whole until the click is over.
class TvelSkinMenuBarControlButton : public framework::TCustomControl {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    static constexpr int Size = 18;

    TvelSkinMenuBarControlButton(framework::TComponent* owner, TSkinControlHost& frameBinding);

    // Copied in; drawn with its transparent colour left out.
    framework::TBitmap& Glyph() { return glyph; }
    framework::TColor ToColor() const { return toColor; }
    void SetToColor(framework::TColor value);
    bool Hot() const { return hot; }

protected:
    void WndProc(framework::TMessage& message) override;
    void Paint() override;

private:
    TSkinControlHost& host;
    framework::TBitmap glyph;
    framework::TColor toColor = 0xFFFFFF;
    bool hot = false;
};

} // namespace orvane::skin
