#include "game/DataFolder.h"

#include "framework/FileAccess.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace orvane::game {

namespace {

constexpr wchar_t DataFolderSuffix[] = L"\\standard sudoku\\";

} // namespace

std::wstring DataFolderPath()
{
    LPITEMIDLIST folder = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &folder)) || !folder)
        return {};
    std::vector<wchar_t> path(MAX_PATH + 1, L'\0');
    const bool resolved = SHGetPathFromIDListW(folder, path.data()) != FALSE;
    CoTaskMemFree(folder);
    if (!resolved || path[0] == L'\0')
        return {};
    return std::wstring(path.data()) + DataFolderSuffix;
}

void CreateDataFolders(const std::wstring& dataFolder, const std::wstring& savesFolder)
{
    if (!framework::DirectoryExists(dataFolder))
        framework::CreateFolder(dataFolder);
    if (!framework::DirectoryExists(savesFolder))
        framework::CreateFolder(savesFolder);
}

} // namespace orvane::game
