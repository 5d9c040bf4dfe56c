// The program: sets the title, creates the four windows in their order,
// opens the saved game named on its command line (a ".std" file opened from
// Explorer) and runs the message loop until the main window closes.
#include "game/Program.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return orvane::game::RunProgram(); }
