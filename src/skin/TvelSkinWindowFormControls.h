#pragma once

#include <memory>
#include <vector>

namespace orvane::framework {
class TControl;
}

namespace orvane::skin {

class TvelSkinControl;
class TvelSkinWindowForm;

// The control skins of a skinned form's controls. The walk gives each
// control of the form, and each control inside one, the skin that the
// engine's control registry names for its class, except what keeps its own
// look: a control with the engine's disabled tag and everything inside it,
// the skin's own helper controls, excluded classes, controls already
// skinned. The skins are the binding's (TvelSkinWindow::ControlSkins); they
// hear when the look goes on or off, and let go of their controls when the
// binding does.
class TvelSkinWindowFormControls {
public:
    TvelSkinWindowFormControls(TvelSkinWindowForm& formBinding,
                               std::vector<std::unique_ptr<TvelSkinControl>>& bindingSkins);
    TvelSkinWindowFormControls(const TvelSkinWindowFormControls&) = delete;
    TvelSkinWindowFormControls& operator=(const TvelSkinWindowFormControls&) = delete;

    // Skins every control of the form.
    void SkinAll();
    // Each control skin takes the look as it is now, on or off; one that
    // fails leaves the others to theirs.
    void Refresh();
    // Every control gets its own message handling back. The skins stay until
    // the binding goes: one of them may be handling the message during which
    // the form's window goes.
    void Release();

private:
    void Skin(framework::TControl& control);

    TvelSkinWindowForm& binding;
    std::vector<std::unique_ptr<TvelSkinControl>>& skins;
};

} // namespace orvane::skin
