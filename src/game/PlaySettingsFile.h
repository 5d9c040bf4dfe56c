#pragma once

#include "core/play/PlaySettings.h"

#include <string>

namespace orvane::game {

// The name of the file of the Play menu's settings inside the data folder.
constexpr wchar_t PlaySettingsFileName[] = L"settings.txt";

// The settings in the file. A file that is missing, cannot be read or is
// damaged gives the defaults: the settings never stop the program.
PlaySettings LoadPlaySettings(const std::wstring& path);

// Writes the settings over the file without ever leaving it half-written (a
// new file in the same folder takes its place in one step, and no temporary
// file stays behind). A file that cannot be written raises the framework's
// file error.
void StorePlaySettings(const std::wstring& path, const PlaySettings& settings);

} // namespace orvane::game
