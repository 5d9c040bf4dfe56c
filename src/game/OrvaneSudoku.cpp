// The program: sets the title, creates the four windows in their order,
// opens the saved game named on its command line (a ".std" file opened from
// Explorer) and runs the message loop until the main window closes.
#include "framework/TApplication.h"
#include "game/Ufrmda.h"
#include "game/Ufrmtk.h"
#include "game/WindowsSeedSource.h"
#include "game/main/TForm1.h"
#include "game/umyfun.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace orvane::game;
    WindowsSeedSource clock;
    orvane::SetSeedSource(clock);

    orvane::framework::TApplication application;
    application.SetTitle(L"Orvane Sudoku 1.0");
    try {
        application.CreateForm(Form1);
        application.CreateForm(frmtk);
        application.CreateForm(frmda);
        application.CreateForm(myfun);
    } catch (const std::exception& error) {
        application.ShowException(error);
        return 1;
    }
    Form1->OpenCommandLineGame(GetCommandLineW());
    application.Run();
    return 0;
}
