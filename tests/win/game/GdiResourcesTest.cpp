#include "GameFixture.h"

#include "framework/GdiOwners.h"
#include "framework/TApplication.h"

#include <cstdio>

namespace orvane::game::test {
namespace {

using namespace framework;

constexpr int Repaints = 1000;
constexpr int NewGames = 100;

struct TGdiUse {
    DWORD system; // the system's count; Wine answers 0
    TGdiOwnerCounts owners;
};

TGdiUse CurrentGdiUse() { return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), GdiOwnerCounts()}; }

void ExpectNoGrowth(const TGdiUse& before, const TGdiUse& after, const char* what)
{
    EXPECT_LE(after.system, before.system) << what;
    EXPECT_EQ(after.owners.Objects, before.owners.Objects) << what;
    EXPECT_EQ(after.owners.DCs, before.owners.DCs) << what;
    std::printf("%s: system GDI objects %lu -> %lu; held by the owners: objects %ld -> %ld, device contexts %ld -> "
                "%ld; fonts made %ld\n",
                what, before.system, after.system, before.owners.Objects, after.owners.Objects, before.owners.DCs,
                after.owners.DCs, after.owners.FontsMade - before.owners.FontsMade);
}

TEST_F(Game, RepaintsAndNewGamesLeaveNoGdiObjectsBehind)
{
    // One game first, so that the board has painted its digits once.
    NewGame(0);
    HWND board = Form1->stdsudoku1->Handle();

    const TGdiUse beforeRepaints = CurrentGdiUse();
    // The board window itself: with its 81 cells a repaint takes some 60 ms
    // under Wine. Every New Game below repaints all the cells.
    for (int i = 0; i < Repaints; ++i)
        RedrawWindow(board, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const TGdiUse afterRepaints = CurrentGdiUse();
    ExpectNoGrowth(beforeRepaints, afterRepaints, "1000 repaints of the board");
    EXPECT_EQ(afterRepaints.owners.FontsMade, beforeRepaints.owners.FontsMade) << "a paint made a font";

    for (int i = 0; i < NewGames; ++i)
        NewGame(i % 5);
    ExpectNoGrowth(afterRepaints, CurrentGdiUse(), "100 New Games");
}

} // namespace
} // namespace orvane::game::test
