#include "game/umyfun.h"

namespace orvane::game {

Tmyfun* myfun = nullptr;

namespace {

constexpr int AuxiliaryClientWidth = 320;
constexpr int AuxiliaryClientHeight = 240;

} // namespace

const framework::TClassInfo Tmyfun::ClassInfo{L"Tmyfun", &framework::TForm::ClassInfo, {}};

Tmyfun::Tmyfun(framework::TComponent* owner) : TForm(owner)
{
    BeginLayout();
    SetName(L"myfun");
    SetCaption(L"myfun");
    SetClientSize(AuxiliaryClientWidth, AuxiliaryClientHeight);
    Memo1 = framework::Create<framework::TMemo>(this);
    Memo1->SetName(L"Memo1");
    Memo1->SetParent(this);
    Memo1->SetAlign(framework::TAlign::alClient);
    EndLayout();
}

} // namespace orvane::game
