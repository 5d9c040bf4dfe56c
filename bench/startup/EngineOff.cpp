// The game's own start-up with the skin engine's Active switched off, so that
// the start-up benchmark can set the skinned program against the same program
// without the skin, built from the same sources in the same build.
#include "game/Program.h"
#include "game/main/TForm1.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    orvane::game::TForm1::LayoutSkinActive = false;
    return orvane::game::RunProgram();
}
