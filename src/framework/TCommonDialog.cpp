#include "framework/TCommonDialog.h"

#include "framework/PublishedProperties.h"
#include "framework/TApplication.h"

#include <commdlg.h>

#include <string>
#include <vector>

namespace orvane::framework {

namespace {

// Room for a long path: the dialog writes the chosen name into this buffer.
constexpr std::size_t FileNameCapacity = 32768;

constexpr TPropertyInfo OpenDialogProperties[] = {
    PublishedValue<TOpenDialog, &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt>(L"DefaultExt",
                                                                                         TPropertyKind::String),
    PublishedValue<TOpenDialog, &TOpenDialog::FileName, &TOpenDialog::SetFileName>(L"FileName",
                                                                                     TPropertyKind::String),
    PublishedValue<TOpenDialog, &TOpenDialog::Filter, &TOpenDialog::SetFilter>(L"Filter", TPropertyKind::String),
    PublishedValue<TOpenDialog, &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir>(L"InitialDir",
                                                                                         TPropertyKind::String),
    PublishedValue<TOpenDialog, &TOpenDialog::Title, &TOpenDialog::SetTitle>(L"Title", TPropertyKind::String),
};

// "A|*.a|B|*.b" becomes "A\0*.a\0B\0*.b\0\0", the system's form.
std::wstring SystemFilter(const std::wstring& filter)
{
    std::wstring result = filter;
    for (wchar_t& c : result)
        if (c == L'|')
            c = L'\0';
    result += L'\0';
    result += L'\0';
    return result;
}

// Runs one of the file dialogs of comdlg32, which is loaded the first time a
// dialog opens rather than with the program: loading it is a noticeable part
// of the program's start under Wine (7 to 12 ms measured on its own), and
// most sessions open no dialog. Loaded from the system folder only, never
// from the program's or the current folder. A library or function that
// cannot be found shows no dialog and counts as cancelled.
BOOL RunFileDialog(const char* functionName, OPENFILENAMEW& dialog)
{
    // A full path: LOAD_LIBRARY_SEARCH_SYSTEM32 is missing from older systems.
    static const HMODULE library = [] {
        wchar_t folder[MAX_PATH]{};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return HMODULE(nullptr);
        return LoadLibraryW((std::wstring(folder, length) + L"\\comdlg32.dll").c_str());
    }();
    if (!library)
        return FALSE;
    using FileDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);
    const auto function = reinterpret_cast<FileDialogFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, functionName)));
    return function ? function(&dialog) : FALSE;
}

} // namespace

const TClassInfo TOpenDialog::ClassInfo{L"TOpenDialog", &TComponent::ClassInfo, OpenDialogProperties};
const TClassInfo TSaveDialog::ClassInfo{L"TSaveDialog", &TOpenDialog::ClassInfo, {}};

bool TOpenDialog::Execute()
{
    std::vector<wchar_t> chosen(FileNameCapacity, L'\0');
    fileName.copy(chosen.data(), std::min(fileName.size(), FileNameCapacity - 1));
    const std::wstring systemFilter = SystemFilter(filter);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.empty() ? nullptr : systemFilter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = DWORD(chosen.size());
    dialog.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    dialog.Flags = DialogFlags() | OFN_EXPLORER;
    const bool chose = RunDialog(dialog);
    // The dialog may have closed over another control than the one entered.
    if (Application)
        Application->UpdateMouseControl();
    if (!chose)
        return false;
    fileName = chosen.data();
    return true;
}

BOOL TOpenDialog::RunDialog(OPENFILENAMEW& dialog) { return RunFileDialog("GetOpenFileNameW", dialog); }

BOOL TSaveDialog::RunDialog(OPENFILENAMEW& dialog) { return RunFileDialog("GetSaveFileNameW", dialog); }

} // namespace orvane::framework
