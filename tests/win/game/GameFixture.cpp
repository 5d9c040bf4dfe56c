#include "GameFixture.h"

#include "HandInput.h"

#include "framework/TApplication.h"
#include "game/DataFolder.h"
#include "game/PlayFiles.h"
#include "game/PlaySettingsFile.h"
#include "game/Ufrmda.h"
#include "game/Ufrmtk.h"
#include "game/umyfun.h"

namespace orvane::game::test {

using namespace framework;
using orvane::test::Click;
using orvane::test::MovePointerAway;
using orvane::test::MovePointerTo;
using orvane::test::PumpMessages;

void Game::SetUp()
{
    // Every test starts as a first start does: the Play menu's settings at
    // their defaults, no statistics, no game kept.
    if (const std::wstring dataFolder = DataFolderPath(); !dataFolder.empty())
        for (const wchar_t* name : {PlaySettingsFileName, StatisticsFileName, DamagedStatisticsFileName, KeptGameFileName})
            DeleteFileW((dataFolder + name).c_str());
    Launch();
}

void Game::Launch()
{
    Application->SetTitle(L"Orvane Sudoku 1.0");
    Application->CreateForm(Form1);
    Application->CreateForm(frmtk);
    Application->CreateForm(frmda);
    Application->CreateForm(myfun);
    Form1->OpenWebAddress = [this](const std::wstring& address) { addresses.push_back(address); };
    MovePointerAway();
    Form1->Show();
    PumpMessages();
}

void Game::TearDown() { Close(); }

void Game::Close()
{
    delete myfun;
    delete frmda;
    delete frmtk;
    delete Form1;
    myfun = nullptr;
    frmda = nullptr;
    frmtk = nullptr;
    Form1 = nullptr;
    MovePointerAway();
}

TToolBar* Game::MenuBar() const
{
    for (int index = 0; index < Form1->ControlCount(); ++index)
        if (auto* bar = As<TToolBar>(Form1->Controls(index)); bar && bar->Visible() && bar->ButtonCount() > 0 &&
                                                              bar->Buttons(0)->MenuItem())
            return bar;
    return nullptr;
}

POINT Game::MenuBarButtonCentre(const TMenuItem* topLevel) const
{
    TToolBar* bar = MenuBar();
    for (int index = 0; bar && index < bar->ButtonCount(); ++index)
        if (bar->Buttons(index)->MenuItem() == topLevel) {
            RECT place = bar->ButtonRect(*bar->Buttons(index));
            MapWindowPoints(bar->Handle(), nullptr, reinterpret_cast<POINT*>(&place), 2);
            return POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        }
    return POINT{};
}

void Game::Choose(TMenuItem* item)
{
    TToolBar* bar = MenuBar();
    ASSERT_NE(bar, nullptr) << "the skinned menu bar";
    orvane::test::ChooseFromMenuBar(*bar, *item);
    PumpMessages();
}

void Game::Press(TToolButton* button)
{
    const RECT rect = Form1->ToolBar1->ButtonRect(*button);
    Click(Form1->ToolBar1->Handle(), POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void Game::ClickCell(int x, int y, UINT downMessage)
{
    MovePointerTo(*Cell(x, y));
    orvane::test::ClickCentre(*Cell(x, y), downMessage);
}

void Game::TypeOnCell(int x, int y, wchar_t key)
{
    MovePointerTo(*Cell(x, y));
    Type(key);
}

void Game::Type(wchar_t key)
{
    HWND focus = GetFocus();
    if (!focus || (focus != Form1->Handle() && !IsChild(Form1->Handle(), focus)))
        focus = Form1->Handle();
    SendMessageW(focus, WM_CHAR, key, 1);
    PumpMessages();
}

bool Game::LoopUntil(const std::function<bool()>& condition)
{
    constexpr DWORD Patience = 10000;
    constexpr DWORD Nap = 20;
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= Patience)
            return false;
        Application->ProcessMessages();
        Application->DoIdleWork();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, Nap, QS_ALLINPUT);
    }
    return true;
}

void Game::NewGame(int level)
{
    TMenuItem* const items[] = {Form1->Easy1, Form1->Standard1, Form1->Hard1, Form1->Expert1, Form1->Extreme1};
    Choose(items[level]);
}

POINT Game::FirstOpenCell(int skip) const
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (!Form1->QJ1->Node(x, y).given && skip-- == 0)
                return POINT{x, y};
    return POINT{0, 0};
}

Game::Snapshot Game::Take() const
{
    Snapshot snapshot;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const TCell* cell = Cell(x, y);
            snapshot.texts.push_back(cell->Caption());
            snapshot.values.push_back(cell->value());
            snapshot.backgrounds.push_back(cell->Color());
            snapshot.enabled.push_back(cell->Enabled());
            snapshot.solutions.push_back(Form1->QJ1->Node(x, y).solution);
            snapshot.givens.push_back(Form1->QJ1->Node(x, y).given);
        }
    snapshot.caption = Form1->Caption();
    snapshot.level = Form1->curlevel;
    return snapshot;
}

std::wstring Game::SavePath(const std::wstring& name) const { return Form1->SavesFolder() + L"\\" + name; }

} // namespace orvane::game::test
