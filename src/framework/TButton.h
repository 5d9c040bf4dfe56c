#pragma once

#include "framework/TBitmap.h"
#include "framework/TWinControl.h"

#include <memory>

namespace orvane::framework {

class TCustomForm;
class TCustomImageList;

// Where a button's picture sits relative to its caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A push button over the system's BUTTON window. It may carry a picture: a
// Glyph bitmap of NumGlyphs equal frames (enabled, disabled, ...), or an
// image of an image list; Layout, Margin and Spacing place it beside the
// caption for whoever draws it. Clicking runs OnClick and, in a dialog,
// sets the form's modal result to the button's.
class TButton : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TButton(TComponent* owner);
    ~TButton() override;

    int ModalResult() const { return modalResult; }
    void SetModalResult(int value) { modalResult = value; }

    // The glyph (empty: none); set it by drawing into it or LoadGlyph.
    TBitmap& Glyph() { return *glyph; }
    const TBitmap& Glyph() const { return *glyph; }
    bool HasGlyph() const { return !glyph->Empty(); }
    int NumGlyphs() const { return numGlyphs; }
    void SetNumGlyphs(int value) { numGlyphs = value < 1 ? 1 : value; }

    TCustomImageList* Images() const { return images; }
    void SetImages(TCustomImageList* value) { images = value; }
    int ImageIndex() const { return imageIndex; }
    void SetImageIndex(int value) { imageIndex = value; }

    TButtonLayout Layout() const { return layout; }
    void SetLayout(TButtonLayout value) { layout = value; }
    int Margin() const { return margin; }
    void SetMargin(int value) { margin = value; }
    int Spacing() const { return spacing; }
    void SetSpacing(int value) { spacing = value; }
    bool WordWrap() const { return wordWrap; }
    void SetWordWrap(bool value) { wordWrap = value; }

    // What a press of the button does: the dialog's modal result, OnClick.
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    int modalResult = 0;
    std::unique_ptr<TBitmap> glyph = std::make_unique<TBitmap>();
    int numGlyphs = 1;
    TCustomImageList* images = nullptr;
    int imageIndex = -1;
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int margin = -1;
    int spacing = 4;
    bool wordWrap = false;
};

// The form a control sits on (through its parents), or null.
TCustomForm* GetParentForm(const TControl& control);

} // namespace orvane::framework
