#pragma once

#include "framework/TCustomControl.h"

namespace orvane::framework {

enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// A panel: an outer bevel, a border of BorderWidth pixels in the panel's
// colour, an inner bevel, and the caption drawn in the middle. Aligned
// children share what the bevels and the border leave. BorderStyle bsSingle
// adds a one-pixel window border around all of it.
//
//   +-- outer bevel (BevelWidth) ------------------------+
//   | +-- border (BorderWidth, panel colour) ----------+ |
//   | | +-- inner bevel (BevelWidth) ----------------+ | |
//   | | |              caption                       | | |
class TCustomPanel : public TCustomControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomPanel(TComponent* owner);

    TPanelBevel BevelInner() const { return bevelInner; }
    void SetBevelInner(TPanelBevel value);
    TPanelBevel BevelOuter() const { return bevelOuter; }
    void SetBevelOuter(TPanelBevel value);
    int BevelWidth() const { return bevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth; }
    void SetBorderWidth(int value);
    TBorderStyle BorderStyle() const { return borderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return alignment; }
    void SetAlignment(TAlignment value);

    void AdjustClientRect(RECT& rect) const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void EraseBackground(HDC) override {}
    void BevelsChanged();

private:
    TPanelBevel bevelInner = TPanelBevel::bvNone;
    TPanelBevel bevelOuter = TPanelBevel::bvRaised;
    int bevelWidth = 1;
    int borderWidth = 0;
    TBorderStyle borderStyle = TBorderStyle::bsNone;
    TAlignment alignment = TAlignment::taCenter;
};

class TPanel : public TCustomPanel {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

} // namespace orvane::framework
