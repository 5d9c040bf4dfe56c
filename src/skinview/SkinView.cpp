#include "skinview/SkinView.h"

#include "framework/CrashReports.h"
#include "framework/TApplication.h"
#include "framework/WindowDpi.h"
#include "game/DataFolder.h"
#include "skinview/TMdiDemoForm.h"
#include "skinview/TSkinViewForm.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane::skinview {

namespace {

std::vector<std::wstring> Arguments()
{
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int index = 1; list && index < count; ++index)
        arguments.emplace_back(list[index]);
    LocalFree(list);
    return arguments;
}

} // namespace

int RunSkinView()
{
    framework::StartCrashReports(L"Orvane Skin Gallery", game::DataFolderPath());
    // Before the first window: a window made before it would be stretched.
    framework::DeclareDpiAwareness();
    framework::TApplication application;
    application.SetTitle(L"Orvane Skin Gallery");
    bool mdi = false;
    std::wstring package;
    for (const std::wstring& argument : Arguments()) {
        if (argument == L"--mdi")
            mdi = true;
        else
            package = argument;
    }
    try {
        if (mdi) {
            TMdiDemoForm* frame = nullptr;
            application.CreateForm(frame);
            if (!package.empty())
                frame->LoadPackage(package);
            frame->Show();
            frame->NewChild();
            frame->NewChild();
        } else {
            TSkinViewForm* gallery = nullptr;
            application.CreateForm(gallery);
            gallery->Show();
            if (!package.empty())
                gallery->LoadPackage(package);
        }
    } catch (const std::exception& error) {
        application.ShowException(error);
        return 1;
    }
    application.Run();
    return 0;
}

} // namespace orvane::skinview
