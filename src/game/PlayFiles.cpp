#include "game/PlayFiles.h"

#include "framework/FileAccess.h"

#include <windows.h>

#include <exception>

namespace orvane::game {

StatisticsLoad LoadStatistics(const std::wstring& path, const std::wstring& asidePath)
{
    if (path.empty() || !framework::FileExists(path))
        return {};
    std::optional<GameStatistics> read;
    try {
        read = ReadStatistics(framework::ReadWholeFile(path));
    } catch (const std::exception&) {
        // A file the system will not read is damaged as far as the game can
        // tell.
    }
    if (read)
        return {*read, false};
    MoveFileExW(path.c_str(), asidePath.c_str(), MOVEFILE_REPLACE_EXISTING);
    return {GameStatistics{}, true};
}

void StoreStatistics(const std::wstring& path, const GameStatistics& statistics)
{
    framework::WriteWholeFile(path, StatisticsText(statistics));
}

KeptGameLoad LoadKeptGame(const std::wstring& path)
{
    if (path.empty() || !framework::FileExists(path))
        return {};
    try {
        if (const std::optional<KeptGame> kept = ReadKeptGame(framework::ReadWholeFile(path)))
            return {KeptGameState::Read, *kept};
    } catch (const std::exception&) {
    }
    return {KeptGameState::Damaged, {}};
}

void StoreKeptGame(const std::wstring& path, const KeptGame& kept) { framework::WriteWholeFile(path, KeptGameText(kept)); }

void RemoveKeptGame(const std::wstring& path) { DeleteFileW(path.c_str()); }

} // namespace orvane::game
