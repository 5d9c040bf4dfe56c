#include "game/Program.h"

#include "framework/CrashReports.h"
#include "framework/StartupMarkers.h"
#include "framework/TApplication.h"
#include "framework/WindowDpi.h"
#include "game/DataFolder.h"
#include "game/Ufrmda.h"
#include "game/Ufrmtk.h"
#include "game/WindowsSeedSource.h"
#include "game/main/TForm1.h"
#include "game/umyfun.h"

#include <windows.h>

namespace orvane::game {

int RunProgram()
{
    using framework::StartupMarker;
    framework::StartCrashReports(L"Orvane Sudoku", DataFolderPath());
    // Before the first window: a window made before it would be stretched.
    framework::DeclareDpiAwareness();
    StartupMarker("start");
    WindowsSeedSource clock;
    orvane::SetSeedSource(clock);

    framework::TApplication application;
    application.SetTitle(L"Orvane Sudoku 1.0");
    try {
        application.CreateForm(Form1);
        StartupMarker("Form1-created");
        application.CreateForm(frmtk);
        StartupMarker("frmtk-created");
        application.CreateForm(frmda);
        StartupMarker("frmda-created");
        application.CreateForm(myfun);
        StartupMarker("myfun-created");
    } catch (const std::exception& error) {
        application.ShowException(error);
        return 1;
    }
    Form1->OpenCommandLineGame(GetCommandLineW());
    application.Run();
    return 0;
}

} // namespace orvane::game
