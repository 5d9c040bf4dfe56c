#include "game/PlaySettingsFile.h"

#include "framework/FileAccess.h"

#include <exception>

namespace orvane::game {

PlaySettings LoadPlaySettings(const std::wstring& path)
{
    if (path.empty() || !framework::FileExists(path))
        return PlaySettings{};
    try {
        return ReadPlaySettings(framework::ReadWholeFile(path));
    } catch (const std::exception&) {
        // A file the system will not read (locked, no access, too large) is
        // damaged as far as the game can tell: the defaults hold, and the
        // next change of a setting tries to replace it.
        return PlaySettings{};
    }
}

void StorePlaySettings(const std::wstring& path, const PlaySettings& settings)
{
    framework::WriteWholeFile(path, PlaySettingsText(settings));
}

} // namespace orvane::game
