#pragma once

#include <string>

namespace orvane::game {

// The name of the saves folder inside the data folder.
constexpr wchar_t SavesFolderName[] = L"saves";

// The program's data folder: the user's application-data folder followed by
// "\standard sudoku\" (so it ends with a backslash). Empty when the system
// cannot name the application-data folder.
std::wstring DataFolderPath();

// Creates the data folder and then the saves folder where they are missing,
// one level each; failures are not reported (the dialogs then start
// elsewhere and Open or Save report their own errors).
void CreateDataFolders(const std::wstring& dataFolder, const std::wstring& savesFolder);

} // namespace orvane::game
