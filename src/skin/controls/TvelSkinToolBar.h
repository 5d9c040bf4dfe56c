#pragma once

#include "framework/TColor.h"
#include "skin/TvelSkinControlFramework.h"

namespace orvane::skin {

// A tool bar: while skinning it is flat, in the skin's tool-bar start
// colour, with the skin's tool-bar image (or gradient) as its background
// and its buttons lit in the skin's hot and down colours, through the
// system tool bar's custom drawing (ToolBarPainting). Its own look comes
// back otherwise.
class TvelSkinToolBar : public TvelSkinControlFramework {
public:
    using TvelSkinControlFramework::TvelSkinControlFramework;

    bool BeforeMessage(framework::TMessage& message) override;
    void SkinChanged() override;
    void Init() override;
    bool UsesParentColor() const override { return true; }

private:
    void SetFlatStyle(bool flat);

    bool ownFlat = false;
    framework::TColor ownColor = 0;
};

} // namespace orvane::skin
