#include "framework/TScreen.h"

#include <windows.h>

#include <algorithm>

namespace orvane::framework {

TScreen* Screen = nullptr;

const TClassInfo TScreen::ClassInfo{L"TScreen", &TComponent::ClassInfo, {}};

TScreen::TScreen(TComponent* owner) : TComponent(owner)
{
    if (!Screen)
        Screen = this;
}

TScreen::~TScreen()
{
    if (Screen == this)
        Screen = nullptr;
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::AddForm(TCustomForm* form) { forms.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form)
{
    const auto found = std::find(forms.begin(), forms.end(), form);
    if (found != forms.end())
        forms.erase(found);
    if (activeForm == form)
        activeForm = nullptr;
}

} // namespace orvane::framework
