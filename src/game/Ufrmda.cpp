#include "game/Ufrmda.h"

#include "core/puzzle/BoardGeometry.h"
#include "game/GameLayout.h"

namespace orvane::game {

Tfrmda* frmda = nullptr;

namespace {

constexpr int SolutionClientWidth = 474;
constexpr int SolutionClientHeight = 466;
constexpr int SolutionBoardLeft = 12;
constexpr int SolutionBoardTop = 8;

} // namespace

const framework::TClassInfo Tfrmda::ClassInfo{L"Tfrmda", &framework::TForm::ClassInfo, {}};

Tfrmda::Tfrmda(framework::TComponent* owner) : TForm(owner)
{
    BeginLayout();
    SetName(L"frmda");
    SetCaption(L"Solution");
    SetBorderStyle(framework::TFormBorderStyle::bsSingle);
    SetBorderIcons(framework::biSystemMenu | framework::biMinimize);
    SetPosition(framework::TPosition::poScreenCenter);
    SetClientSize(SolutionClientWidth, SolutionClientHeight);

    stdsudoku1 = Create<Tstdsudoku>(this);
    stdsudoku1->SetName(L"stdsudoku1");
    stdsudoku1->SetParent(this);
    stdsudoku1->SetBounds(SolutionBoardLeft, SolutionBoardTop, BoardPixels, BoardPixels);
    stdsudoku1->SetBevelOuter(framework::TPanelBevel::bvNone);
    stdsudoku1->Setfixcolor(framework::clBlack);
    stdsudoku1->Setbigcolor(framework::clBlue);
    stdsudoku1->SetTag(UnskinnedTag);
    EndLayout();
}

} // namespace orvane::game
