#include "game/main/TForm1.h"

#include "core/play/BoardHighlights.h"
#include "core/play/HighlightColors.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/skinmodel/TvelSkinReader.h"
#include "framework/ShortCuts.h"
#include "framework/TToolBar.h"
#include "framework/WindowUpdateLock.h"
#include "game/PlaySettingsFile.h"

namespace orvane::game {

using namespace framework;

namespace {

AutoClean AutoCleanOf(const TMenuItem& item) { return item.Checked() ? AutoClean::On : AutoClean::Off; }

TColor ToFrameworkColor(orvane::Color color) { return TColor(color & 0xFFFFFF); }

} // namespace

void TForm1::CreatePlayMenu()
{
    auto item = [this](TMenuItem* parent, const std::wstring& name, const std::wstring& caption,
                       TShortCut shortCut = 0) {
        auto* created = Create<TMenuItem>(this);
        created->SetName(name);
        created->SetCaption(caption);
        created->SetShortCut(shortCut);
        parent->Add(created);
        return created;
    };
    Play1 = item(&MainMenu1->Items(), L"Play1", L"Play");
    Undo1 = item(Play1, L"Undo1", L"Undo", ShortCut('Z', scCtrl));
    Redo1 = item(Play1, L"Redo1", L"Redo", ShortCut('Y', scCtrl));
    N3 = item(Play1, L"N3", L"-");
    Notes1 = item(Play1, L"Notes1", L"Notes", ShortCut('M', scCtrl));
    ToggleMark1 = item(Play1, L"ToggleMark1", L"Toggle mark");
    for (int digit = 1; digit <= BoardSize; ++digit) {
        // Ctrl with a digit key, by its key code: the digit row gives the
        // codes '1'..'9' on every keyboard layout.
        TMenuItem* mark = item(ToggleMark1, L"Mark" + std::to_wstring(digit), std::to_wstring(digit),
                               ShortCut(WORD('0' + digit), scCtrl));
        mark->SetTag(digit);
        mark->OnClick = [this](TObject* sender) { MarkClick(sender); };
        MarkItems[std::size_t(digit - 1)] = mark;
    }
    FillCandidates1 = item(Play1, L"FillCandidates1", L"Fill candidates");
    N5 = item(Play1, L"N5", L"-");
    Hint1 = item(Play1, L"Hint1", L"Hint", ShortCut('H', scCtrl));
    PuzzleInfo1 = item(Play1, L"PuzzleInfo1", L"Puzzle info");
    Statistics1 = item(Play1, L"Statistics1", L"Statistics");
    ResumeLastGame1 = item(Play1, L"ResumeLastGame1", L"Resume Last Game");
    N4 = item(Play1, L"N4", L"-");
    Highlight1 = item(Play1, L"Highlight1", L"Highlight");
    AutoCleanNotes1 = item(Play1, L"AutoCleanNotes1", L"Auto-clean notes");

    const PlaySettings defaults;
    Highlight1->SetChecked(defaults.Highlight);
    AutoCleanNotes1->SetChecked(defaults.AutoCleanNotes);
    Undo1->OnClick = [this](TObject* sender) { Undo1Click(sender); };
    Redo1->OnClick = [this](TObject* sender) { Redo1Click(sender); };
    Notes1->OnClick = [this](TObject* sender) { Notes1Click(sender); };
    FillCandidates1->OnClick = [this](TObject* sender) { FillCandidates1Click(sender); };
    Highlight1->OnClick = [this](TObject* sender) { Highlight1Click(sender); };
    AutoCleanNotes1->OnClick = [this](TObject* sender) { AutoCleanNotes1Click(sender); };
    Hint1->OnClick = [this](TObject* sender) { Hint1Click(sender); };
    PuzzleInfo1->OnClick = [this](TObject* sender) { PuzzleInfo1Click(sender); };
    Statistics1->OnClick = [this](TObject* sender) { Statistics1Click(sender); };
    ResumeLastGame1->OnClick = [this](TObject* sender) { ResumeLastGame1Click(sender); };
}

// ---- steps of play

void TForm1::ChangeBoard(const std::function<void(PlayGrid&)>& change)
{
    RecordBoardChange([&](PlayGrid& grid) {
        const PlayGrid before = grid;
        change(grid);
        // A hint is about the board it was found on.
        if (grid != before)
            EndHint(true);
    });
}

void TForm1::RecordBoardChange(const std::function<void(PlayGrid&)>& change)
{
    const PlayGrid before = stdsudoku1->Grid();
    PlayGrid after = before;
    change(after);
    stdsudoku1->SetGrid(after);
    history.Record(StepBetween(before, after));
    RefreshHighlights();
}

void TForm1::EnterChosen(int x, int y, int digit)
{
    const int index = CellIndex(x, y);
    if (!Notes1->Checked()) {
        ChangeBoard([&](PlayGrid& grid) { EnterDigit(grid, index, digit, AutoCleanOf(*AutoCleanNotes1)); });
        return;
    }
    if (digit == 0)
        ChangeBoard([&](PlayGrid& grid) { ClearCellMarks(grid, index); });
    else
        ChangeBoard([&](PlayGrid& grid) { ToggleMark(grid, index, digit); });
}

void TForm1::ReplayStep(bool (PlayHistory::*replay)(PlayGrid&))
{
    PlayGrid grid = stdsudoku1->Grid();
    if (!(history.*replay)(grid))
        return;
    EndHint(true);
    stdsudoku1->SetGrid(grid);
    // What an entry does after it: the red of the error check goes, and a
    // board that is solved now says so.
    stdsudoku1->ClearMarks();
    RefreshHighlights();
    CheckSolved();
}

void TForm1::StartFreshHistory()
{
    history.Clear();
    EndHint(true);
    RefreshHighlights();
}

void TForm1::Undo1Click(TObject*) { ReplayStep(&PlayHistory::Undo); }

void TForm1::Redo1Click(TObject*) { ReplayStep(&PlayHistory::Redo); }

void TForm1::Notes1Click(TObject*) { Notes1->SetChecked(!Notes1->Checked()); }

void TForm1::MarkClick(TObject* sender)
{
    if (selx < 1)
        return;
    const int digit = static_cast<TMenuItem*>(sender)->Tag();
    const int index = CellIndex(selx, sely);
    ChangeBoard([&](PlayGrid& grid) { ToggleMark(grid, index, digit); });
}

void TForm1::FillCandidates1Click(TObject*)
{
    // Before the first game no cell takes input.
    if (!stdsudoku1->Enabled())
        return;
    ChangeBoard([](PlayGrid& grid) { FillCandidates(grid); });
}

// ---- the keyboard

void TForm1::HandleKeyMessage(MSG& message, bool& handled)
{
    if (handled || message.message != WM_KEYDOWN || !HandleAllocated())
        return;
    HWND window = Handle();
    if (message.hwnd != window && !IsChild(window, message.hwnd))
        return;
    // The skinned menu bar in menu mode moves among its items with the arrows.
    if (auto* bar = As<TToolBar>(TWinControl::FindControl(message.hwnd)); bar && bar->InMenuMode())
        return;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return;
    handled = BoardKeyDown(WORD(message.wParam));
}

bool TForm1::BoardKeyDown(WORD key)
{
    if (!stdsudoku1->Enabled())
        return false;
    switch (key) {
    case VK_LEFT: MoveSelection(MoveDirection::Left); return true;
    case VK_RIGHT: MoveSelection(MoveDirection::Right); return true;
    case VK_UP: MoveSelection(MoveDirection::Up); return true;
    case VK_DOWN: MoveSelection(MoveDirection::Down); return true;
    case VK_DELETE: {
        if (selx < 1)
            return false;
        const int index = CellIndex(selx, sely);
        ChangeBoard([&](PlayGrid& grid) { EraseCell(grid, index); });
        // As a right click empties a cell: the red of the error check goes.
        stdsudoku1->ClearMarks();
        return true;
    }
    default: return false;
    }
}

void TForm1::MoveSelection(MoveDirection direction)
{
    const PlayGrid grid = stdsudoku1->Grid();
    if (selx < 1) {
        if (const std::optional<CellPlace> nearest = OpenCellNearestCentre(grid.givens))
            SelectCell(*nearest);
        return;
    }
    SelectCell(NextOpenCell(grid.givens, CellPlace{selx, sely}, direction));
}

void TForm1::SelectCell(CellPlace place)
{
    if (selx >= 1 && !(CellPlace{selx, sely} == place))
        stdsudoku1->Cells(selx, sely)->SetBorderStyle(TBorderStyle::bsNone);
    stdsudoku1->Cells(place.x, place.y)->SetBorderStyle(TBorderStyle::bsSingle);
    selx = place.x;
    sely = place.y;
    RefreshHighlights();
}

// ---- highlights

void TForm1::RefreshHighlights()
{
    std::array<TCellLook, CellCount> looks{};
    if (Highlight1->Checked())
        looks = HighlightLooks();
    ApplyHintLooks(looks);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            stdsudoku1->Cells(x, y)->SetLook(looks[std::size_t(CellIndex(x, y))]);
}

HighlightColors TForm1::PlayColors() const
{
    const bool skinned = velSkinEngine1 && velSkinEngine1->Skinning();
    const orvane::Color missing = TvelSkinReader::MissingColor;
    return HighlightColorsFrom(skinned ? velSkinEngine1->Look().GetSkinColor(SKIN2_TOOLBARONCOLOR) : missing,
                               skinned ? velSkinEngine1->Look().GetSkinColor(SKIN2_TOOLBARDOWNCOLOR) : missing);
}

std::array<TCellLook, CellCount> TForm1::HighlightLooks() const
{
    const HighlightColors colors = PlayColors();
    const std::array<CellHighlight, CellCount> highlights =
        BoardHighlights(stdsudoku1->Grid(), CellPlace{std::max(selx, 0), std::max(sely, 0)});
    std::array<TCellLook, CellCount> looks{};
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const CellHighlight& highlight = highlights[std::size_t(CellIndex(x, y))];
            TCellLook& look = looks[std::size_t(CellIndex(x, y))];
            if (highlight.peer)
                look.shade = ToFrameworkColor(colors.peerShade);
            if (highlight.sameDigit)
                look.shade = ToFrameworkColor(colors.digitShade);
            if (highlight.repeated)
                look.digitColor = ToFrameworkColor(colors.conflictText);
            if (highlight.markedDigit != 0) {
                look.markedDigit = highlight.markedDigit;
                look.markShade = ToFrameworkColor(colors.digitShade);
            }
        }
    return looks;
}

void TForm1::Highlight1Click(TObject*)
{
    Highlight1->SetChecked(!Highlight1->Checked());
    RefreshHighlights();
    StoreSettings();
}

void TForm1::AutoCleanNotes1Click(TObject*)
{
    AutoCleanNotes1->SetChecked(!AutoCleanNotes1->Checked());
    StoreSettings();
}

// ---- settings

void TForm1::LoadSettings()
{
    const PlaySettings settings = LoadPlaySettings(settingsPath);
    Highlight1->SetChecked(settings.Highlight);
    AutoCleanNotes1->SetChecked(settings.AutoCleanNotes);
}

void TForm1::StoreSettings()
{
    if (settingsPath.empty())
        return;
    StorePlaySettings(settingsPath, PlaySettings{Highlight1->Checked(), AutoCleanNotes1->Checked()});
}

} // namespace orvane::game
