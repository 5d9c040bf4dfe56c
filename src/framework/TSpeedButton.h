#pragma once

#include "core/skincontrols/ButtonLayout.h"
#include "framework/TBitmap.h"
#include "framework/TButton.h"
#include "framework/TGraphicControl.h"

#include <memory>

namespace orvane::framework {

// A button without a window of its own, as tool palettes use: a glyph and a
// caption over a raised (or, when Flat, a lit-on-hover) face. With a
// GroupIndex it stays down when clicked: buttons of the same parent and group
// let each other up, and with AllowAllUp a second click lets it up again.
// The click comes when the left button goes up over it.
class TSpeedButton : public TGraphicControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    // The glyph: NumGlyphs equal frames side by side — up, disabled, clicked,
    // down — of which the first is needed.
    TBitmap& Glyph() { return *glyph; }
    const TBitmap& Glyph() const { return *glyph; }
    bool HasGlyph() const { return !glyph->Empty(); }
    int NumGlyphs() const { return numGlyphs; }
    void SetNumGlyphs(int value);

    TButtonLayout Layout() const { return layout; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin; }
    void SetMargin(int value);
    int Spacing() const { return spacing; }
    void SetSpacing(int value);
    bool Flat() const { return flat; }
    void SetFlat(bool value);

    int GroupIndex() const { return groupIndex; }
    void SetGroupIndex(int value) { groupIndex = value; }
    bool AllowAllUp() const { return allowAllUp; }
    void SetAllowAllUp(bool value) { allowAllUp = value; }
    bool Down() const { return down; }
    // Pressing one down lets the others of its group up.
    void SetDown(bool value);

    // The left button is held down over the button.
    bool MousePressed() const { return mousePressed; }
    // The pointer is over the button.
    bool MouseInside() const { return mouseInside; }

    // The glyph frame for a look: 1 up, 2 disabled, 3 clicked, 4 down; a
    // frame the glyph lacks falls back to the first. Empty without a glyph.
    Bitmap GlyphFrame(bool enabled, bool pressed, bool isDown) const;
    // Where glyph and caption go in the client area, for a device context
    // that has the button's font selected.
    ButtonLayoutResult LayOut(HDC dc, int glyphWidth, int glyphHeight) const;

    void Click() override;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;

private:
    std::unique_ptr<TBitmap> glyph = std::make_unique<TBitmap>();
    int numGlyphs = 1;
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int margin = -1;
    int spacing = 4;
    bool flat = false;
    int groupIndex = 0;
    bool allowAllUp = false;
    bool down = false;
    bool mousePressed = false;
    bool mouseInside = false;
};

} // namespace orvane::framework
