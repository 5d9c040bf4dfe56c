#include "skin/TvelSkinWindowFormControls.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/GuardedCallback.h"
#include "framework/PublishedProperties.h"
#include "framework/TForm.h"
#include "framework/TMenu.h"
#include "skin/SkinClassLists.h"
#include "skin/SkinMessages.h"
#include "skin/TvelSkinControl.h"
#include "skin/TvelSkinEngine.h"
#include "skin/TvelSkinWindowForm.h"

namespace orvane::skin {

using namespace framework;

namespace {

constexpr wchar_t OwnFormClassPrefix[] = L"Tvel";
constexpr wchar_t OwnFormClass[] = L"TvelForm";
constexpr wchar_t OwnUpDownClass[] = L"TvelSkinInternalUpDown";
constexpr wchar_t RollShadowClass[] = L"TRollShadow";

} // namespace

TvelSkinWindowFormControls::TvelSkinWindowFormControls(TvelSkinWindowForm& formBinding,
                                                       std::vector<std::unique_ptr<TvelSkinControl>>& bindingSkins)
    : binding(formBinding), skins(bindingSkins)
{
}

void TvelSkinWindowFormControls::SkinAll()
{
    for (TComponent* component : std::vector<TComponent*>(binding.Form().ComponentList()))
        if (auto* control = As<TControl>(component))
            Skin(*control);
}

void TvelSkinWindowFormControls::Skin(TControl& control)
{
    TvelSkinEngine& skinner = binding.Engine();
    const std::int32_t disabledTag = skinner.DisabledTag();
    if (skinner.IsDesigning())
        return;
    // A control with the disabled tag keeps its look, and so does everything
    // inside it: the form owns the controls of its panels too, so "inside"
    // is found through the parents.
    const TCustomForm* form = &binding.Form();
    for (const TControl* inside = &control; disabledTag != 0 && inside && inside != form; inside = inside->Parent())
        if (inside->Tag() == disabledTag)
            return;
    const std::wstring_view className = control.ClassName();
    if (className == RollShadowClass)
        return;
    auto* windowed = As<TWinControl>(&control);
    if (windowed && windowed->WindowHandle() && IsSkinnedWindow(windowed->WindowHandle()))
        return;
    if (className.starts_with(OwnFormClassPrefix)) {
        if (className == OwnFormClass)
            binding.KeepSystemFrame();
        if (className != OwnUpDownClass)
            return;
    }
    if (ControlExclusionClassNames().Contains(className) || !control.Parent())
        return;
    if (auto* inner = As<TCustomForm>(&control)) {
        if (inner->Name().empty())
            return;
        inner->SetColor(TColor(skinner.Look().GetSkinColor(SKIN2_FORMCOLOR)));
    } else {
        std::unique_ptr<TvelSkinControl> skin;
        try {
            skin = skinner.CreateControlSkin(control, binding);
        } catch (...) {
            // The control keeps the system's look; the failure is logged.
            ReportCaughtException(TCallbackFailure::Log);
            return;
        }
        if (!skin)
            return;
        TvelSkinControl* made = skin.get();
        skins.push_back(std::move(skin));
        made->Refresh();
        if (made->WantsParentColor() && HasProperty(control, L"ParentColor"))
            control.SetParentColor(true);
        if (className == L"TDBLookupComboBox" || className == L"TJamShellList" || control.InheritsFrom(L"TCustomGrid"))
            return;
    }
    for (TComponent* component : std::vector<TComponent*>(control.ComponentList())) {
        if (auto* child = As<TControl>(component))
            Skin(*child);
        else if (auto* popup = As<TMenu>(component); popup && popup->Tag() != disabledTag)
            skinner.SkinMenu(*popup);
    }
}

void TvelSkinWindowFormControls::Refresh()
{
    for (const auto& skin : skins) {
        try {
            skin->Refresh();
        } catch (...) {
            // One control skin that fails leaves the others their refresh.
            ReportCaughtException(TCallbackFailure::Log);
        }
    }
}

void TvelSkinWindowFormControls::Release()
{
    for (const auto& skin : skins)
        skin->Detach();
}

} // namespace orvane::skin
